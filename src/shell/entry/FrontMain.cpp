// The program the user runs. Forwarding a command must stay about as fast as a bare socket write, so this
// program links neither Qt nor anything that loads it: it sends the words itself, or else turns into the
// application (same process) with the arguments it was given.

#include "shell/entry/CommandSender.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The application lies beside this program.
std::string applicationPath() {
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return "quillmere-app";
    const std::string path(self, static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/') + 1) + "quillmere-app";
}

int forward(int count, char** words) {
    std::string text = words[0];
    for (int i = 1; i < count; ++i)
        (text += ' ') += words[i];
    const quillmere::CommandSend sent = quillmere::sendCommand(text);
    if (sent.outcome == quillmere::CommandSend::Outcome::sent)
        return 0;
    std::fprintf(stderr, "%s\n", sent.message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && argv[1][0] != '-')
        return forward(argc - 1, argv + 1);
    const std::string application = applicationPath();
    // The application tells the build variant from the name it runs under.
    std::vector<char*> arguments(argv, argv + argc + 1);
    arguments[0] = const_cast<char*>(QUILLMERE_PROGRAM_NAME);
    ::execv(application.c_str(), arguments.data());
    std::fprintf(stderr, "quillmere: cannot start %s: %s\n", application.c_str(), std::strerror(errno));
    return 1;
}
