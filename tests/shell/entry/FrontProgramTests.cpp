#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace quillmere {
namespace {

std::string output(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string text;
    if (!pipe)
        return text;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        text += buffer;
    ::pclose(pipe);
    return text;
}

// Forwarding a command must not pay for loading the user interface's libraries.
TEST(FrontPrograms, LinkNeitherQtNorIcu) {
    for (const char* program : {"quillmere", "quillmere-dev"}) {
        const std::string libraries = output("ldd " QUILLMERE_PROGRAM_DIRECTORY "/" + std::string(program));
        ASSERT_NE(libraries.find("libc.so"), std::string::npos) << libraries;
        EXPECT_EQ(libraries.find("Qt"), std::string::npos) << libraries;
        EXPECT_EQ(libraries.find("icu"), std::string::npos) << libraries;
    }
}

} // namespace
} // namespace quillmere
