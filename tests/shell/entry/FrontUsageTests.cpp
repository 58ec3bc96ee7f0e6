#include "core/CommandForms.h"
#include "shell/entry/FrontUsage.h"
#include "shell/entry/VersionText.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quillmere {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

// A line that begins with the words, followed by a space or nothing.
bool hasLineStarting(const std::string& text, const std::string& words) {
    for (const std::string& line : lines(text))
        if (line.starts_with(words) && (line.size() == words.size() || line[words.size()] == ' '))
            return true;
    return false;
}

TEST(FrontUsage, ListsEveryFormUnderItsGroupOneLineEach) {
    const std::string usage = usageText("quillmere");
    std::vector<CommandFormGroup> groups = commandForms();
    groups.push_back(regionForms());
    for (const CommandFormGroup& group : groups) {
        EXPECT_TRUE(hasLineStarting(usage, std::string(group.title))) << group.title;
        for (const CommandForm& form : group.forms) {
            EXPECT_TRUE(hasLineStarting(usage, "  " + form.words)) << form.words;
            EXPECT_NE(usage.find(form.meaning), std::string::npos) << form.meaning;
        }
    }
}

TEST(FrontUsage, NamesTheProgramItsOptionsAndExitStatusesWithinATerminalsWidth) {
    const std::string usage = usageText("quillmere-dev");
    EXPECT_TRUE(usage.starts_with("Usage: quillmere-dev [--scenario FILE] [--dump-desktop FILE]\n")) << usage;
    for (const char* option : {"  --help", "  --version", "  --scenario FILE", "  --dump-desktop FILE"})
        EXPECT_TRUE(hasLineStarting(usage, option)) << option;
    EXPECT_NE(usage.find("2 when the words are not a command"), std::string::npos);
    for (const std::string& line : lines(usage))
        EXPECT_LE(line.size(), 80u) << line;
}

TEST(ProgramVersion, GivesTheBuildNumberOrSaysThereIsNone) {
    EXPECT_EQ(programVersionText("quillmere", {"1.4", "212"}), "quillmere 1.4 (build 212)");
    EXPECT_EQ(programVersionText("quillmere-dev", {"0.1.0", ""}), "quillmere-dev 0.1.0 (unbundled build)");
    EXPECT_FALSE(builtVersion().version.empty());
}

} // namespace
} // namespace quillmere
