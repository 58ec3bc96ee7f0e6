#include "shell/entry/CommandSocket.h"
#include "shell/entry/RuntimeFolder.h"
#include "shell/entry/VersionText.h"
#include "support/Environment.h"
#include "support/TemporaryDirectory.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace quillmere {
namespace {

struct Finished {
    std::string output;
    int status = -1;
};

// The command's standard output, or its standard error where the command line sends it there.
Finished run(const std::string& command) {
    Finished result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        result.output += buffer;
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string output(const std::string& command) {
    return run(command).output;
}

const std::string front = QUILLMERE_PROGRAM_DIRECTORY "/quillmere";

// Forwarding a command must not pay for loading the user interface's libraries.
TEST(FrontPrograms, LinkNeitherQtNorIcu) {
    for (const char* program : {"quillmere", "quillmere-dev"}) {
        const std::string libraries = output("ldd " QUILLMERE_PROGRAM_DIRECTORY "/" + std::string(program));
        ASSERT_NE(libraries.find("libc.so"), std::string::npos) << libraries;
        EXPECT_EQ(libraries.find("Qt"), std::string::npos) << libraries;
        EXPECT_EQ(libraries.find("icu"), std::string::npos) << libraries;
    }
}

// Both once started the application, or had the running copy open its Settings.
TEST(FrontPrograms, AnswerHelpAndVersionThemselves) {
    const Finished version = run(front + " --version 2>&1");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, programVersionText("quillmere", builtVersion()) + "\n");

    const Finished help = run(QUILLMERE_PROGRAM_DIRECTORY "/quillmere-dev --help 2>&1");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.output.starts_with("Usage: quillmere-dev ")) << help.output;
    EXPECT_NE(help.output.find("\n  focus west|east|north|south "), std::string::npos) << help.output;
}

class FrontProgramSendTest : public testing::Test {
  protected:
    std::string received() {
        const Reception got = socket.receive();
        return std::holds_alternative<ReceivedCommand>(got) ? std::get<ReceivedCommand>(got).text : "";
    }

    TemporaryDirectory session;
    ScopedEnvironment runtime{"XDG_RUNTIME_DIR", session.path().string()};
    CommandSocket socket =
        CommandSocket::bind(commandSocketPath(runtimeFolder(true).value(), BuildVariant::release)).value();
};

// Such words were once sent and reported as a success; only the application's log told otherwise.
TEST_F(FrontProgramSendTest, RefusesWordsThatAreNotACommandWithoutSendingThem) {
    for (const char* words : {"foo", "Focus west", "rotate 45", "\"$(printf '\\377')\""}) {
        const Finished refused = run(front + " " + words + " 2>&1 >/dev/null");
        EXPECT_EQ(refused.status, 2) << words;
        EXPECT_TRUE(refused.output.starts_with("quillmere: ")) << refused.output;
        EXPECT_EQ(received(), "") << words;
    }
    const Finished sent = run(front + " focus west 2>&1");
    EXPECT_EQ(sent.status, 0);
    EXPECT_EQ(sent.output, "");
    EXPECT_EQ(received(), "focus west");
}

} // namespace
} // namespace quillmere
