/* Process-level timings of the command line, in microseconds, beside a bare datagram sender.
 *   timer send SOCKET TEXT         the bare sender: one datagram, nothing else
 *   timer exit N PROGRAM ARGS...   median time from starting the program to its exit, and the processor
 *                                  time it used, over N runs
 *   timer frames N DUMP PROGRAM A B  median time from starting PROGRAM with the words of A (then B, in
 *                                  turn) to the desktop's dump changing, over N runs */
#define _GNU_SOURCE
#include <poll.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

static long long nowNs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

static int compare(const void* a, const void* b) {
    long long x = *(const long long*)a, y = *(const long long*)b;
    return (x > y) - (x < y);
}

static pid_t start(char** argv) {
    pid_t pid;
    if (posix_spawn(&pid, argv[0], NULL, NULL, argv, environ) != 0) {
        perror(argv[0]);
        exit(1);
    }
    return pid;
}

static char* readAll(const char* path) {
    static char text[1 << 16];
    FILE* file = fopen(path, "rb");
    size_t length = file ? fread(text, 1, sizeof text - 1, file) : 0;
    if (file)
        fclose(file);
    text[length] = 0;
    return text;
}

static void report(long long* samples, int count) {
    qsort(samples, count, sizeof *samples, compare);
    printf("median %.3f ms, min %.3f ms, max %.3f ms over %d runs\n", samples[count / 2] / 1e6, samples[0] / 1e6,
           samples[count - 1] / 1e6, count);
}

int main(int argc, char** argv) {
    if (argc == 4 && strcmp(argv[1], "send") == 0) {
        struct sockaddr_un address = {.sun_family = AF_UNIX};
        strncpy(address.sun_path, argv[2], sizeof address.sun_path - 1);
        int socketFd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        return sendto(socketFd, argv[3], strlen(argv[3]), 0, (struct sockaddr*)&address, sizeof address) < 0;
    }
    if (argc >= 4 && strcmp(argv[1], "exit") == 0) {
        int runs = atoi(argv[2]);
        long long* samples = calloc(runs, sizeof *samples);
        long long* processor = calloc(runs, sizeof *processor);
        for (int i = 0; i < runs; ++i) {
            long long begun = nowNs();
            struct rusage used;
            wait4(start(argv + 3), NULL, 0, &used);
            samples[i] = nowNs() - begun;
            processor[i] = (used.ru_utime.tv_sec + used.ru_stime.tv_sec) * 1000000000LL +
                           (used.ru_utime.tv_usec + used.ru_stime.tv_usec) * 1000LL;
        }
        report(samples, runs);
        /* What the program itself spent, which a busy machine distorts far less than the time to its exit. */
        printf("%44s", "its processor time: ");
        report(processor, runs);
        return 0;
    }
    if (argc == 7 && strcmp(argv[1], "frames") == 0) {
        int runs = atoi(argv[2]);
        const char* dump = argv[3];
        char folder[4096];
        strncpy(folder, dump, sizeof folder - 1);
        *strrchr(folder, '/') = 0;
        long long* samples = calloc(runs, sizeof *samples);
        for (int i = 0; i < runs; ++i) {
            char* before = strdup(readAll(dump));
            int watcher = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
            inotify_add_watch(watcher, folder, IN_MOVED_TO | IN_CLOSE_WRITE);
            char words[256];
            strncpy(words, argv[5 + i % 2], sizeof words - 1);
            words[sizeof words - 1] = 0;
            char* command[16] = {argv[4]};
            int count = 1;
            for (char* word = strtok(words, " "); word && count < 15; word = strtok(NULL, " "))
                command[count++] = word;
            command[count] = NULL;
            long long begun = nowNs();
            pid_t sender = start(command);
            while (strcmp(readAll(dump), before) == 0) {
                struct pollfd changed = {watcher, POLLIN, 0};
                if (poll(&changed, 1, 5000) != 1) {
                    fprintf(stderr, "the dump did not change\n");
                    return 1;
                }
                char events[4096];
                while (read(watcher, events, sizeof events) > 0) {
                }
            }
            samples[i] = nowNs() - begun;
            waitpid(sender, NULL, 0);
            close(watcher);
            free(before);
            usleep(300000); /* lets the glide of the last layout end before the next command */
        }
        report(samples, runs);
        return 0;
    }
    fprintf(stderr, "usage: see the top of timer.c\n");
    return 2;
}
