#include "shell/entry/FrontUsage.h"

#include "core/CommandForms.h"

namespace quillmere {
namespace {

// Words too wide for their column stand on a line of their own, their meaning on the next, so that every
// line fits a terminal of 80 columns.
constexpr std::size_t wordsColumn = 30;

void appendLine(std::string& text, std::string_view words, std::string_view meaning) {
    text.append("  ").append(words);
    if (words.size() + 2 <= wordsColumn) {
        text.append(wordsColumn - words.size(), ' ');
    } else {
        text.append("\n").append(2 + wordsColumn, ' ');
    }
    text.append(meaning).append("\n");
}

void appendGroup(std::string& text, const CommandFormGroup& group) {
    text.append("\n").append(group.title).append("\n");
    for (const CommandForm& form : group.forms)
        appendLine(text, form.words, form.meaning);
}

} // namespace

std::string usageText(std::string_view program) {
    const std::string name(program);
    std::string text = "Usage: " + name + " [--scenario FILE] [--dump-desktop FILE]\n"
                       "       " + name + " COMMAND\n"
                       "       " + name + " --help | --version\n"
                       "\n"
                       "Without a command it starts Quillmere, or the running copy opens its Settings.\n"
                       "A command goes to the running copy; exit status 0 when it was sent, 1 when no\n"
                       "copy takes it, 2 when the words are not a command (and nothing is sent).\n"
                       "\n"
                       "Options\n";
    appendLine(text, "--scenario FILE", "start from the simulated desktop FILE describes");
    appendLine(text, "--dump-desktop FILE", "keep FILE telling the simulated desktop's state");
    appendLine(text, "--help", "show this text");
    appendLine(text, "--version", "show the version and the build number");
    for (const CommandFormGroup& group : commandForms())
        appendGroup(text, group);
    appendGroup(text, regionForms());
    return text;
}

} // namespace quillmere
