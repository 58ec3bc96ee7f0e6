// The program the user runs. Forwarding a command must stay about as fast as a bare socket write, so this
// program links neither Qt nor anything that loads it: it answers its own options, checks and sends the
// words itself, or else turns into the application (same process) with the arguments it was given.

#include "shell/entry/CommandSender.h"
#include "shell/entry/FrontRequest.h"
#include "shell/entry/FrontUsage.h"
#include "shell/entry/VersionText.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

// Words that are not a command, as other command-line programs report a usage error.
constexpr int badWordsStatus = 2;

// The application lies beside this program.
std::string applicationPath() {
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return "quillmere-app";
    const std::string path(self, static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/') + 1) + "quillmere-app";
}

int forward(const std::string& text) {
    const quillmere::CommandSend sent = quillmere::sendCommand(text);
    if (sent.outcome == quillmere::CommandSend::Outcome::sent)
        return 0;
    std::fprintf(stderr, "%s\n", sent.message.c_str());
    return 1;
}

int startApplication(int argc, char** argv) {
    const std::string application = applicationPath();
    // The application tells the build variant from the name it runs under.
    std::vector<char*> arguments(argv, argv + argc + 1);
    arguments[0] = const_cast<char*>(QUILLMERE_PROGRAM_NAME);
    ::execv(application.c_str(), arguments.data());
    std::fprintf(stderr, "quillmere: cannot start %s: %s\n", application.c_str(), std::strerror(errno));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    using Kind = quillmere::FrontRequest::Kind;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const quillmere::FrontRequest request = quillmere::frontRequest(arguments);
    switch (request.kind) {
    case Kind::showUsage:
        std::fputs(quillmere::usageText(QUILLMERE_PROGRAM_NAME).c_str(), stdout);
        return 0;
    case Kind::showVersion:
        std::puts(quillmere::programVersionText(QUILLMERE_PROGRAM_NAME, quillmere::builtVersion()).c_str());
        return 0;
    case Kind::sendCommand:
        return forward(request.text);
    case Kind::refuse:
        std::fprintf(stderr, "%s\n", request.text.c_str());
        return badWordsStatus;
    case Kind::startApplication:
        break;
    }
    return startApplication(argc, argv);
}
