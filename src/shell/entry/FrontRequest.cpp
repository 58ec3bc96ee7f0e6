#include "shell/entry/FrontRequest.h"

#include "core/Command.h"
#include "core/CommandForms.h"
#include "core/Words.h"
#include "shell/entry/CommandText.h"

namespace quillmere {
namespace {

std::string joined(std::span<const std::string_view> words) {
    std::string text;
    for (std::string_view word : words)
        text.append(text.empty() ? "" : " ").append(word);
    return text;
}

std::string firstWord(std::string_view text) {
    const auto textWords = words(text);
    return textWords.empty() ? std::string() : std::string(textWords.front());
}

// The forms that begin with the same word as the text, so that a mistyped argument is shown what it takes.
std::string formsLike(std::string_view text) {
    const std::string first = firstWord(text);
    std::string lines;
    for (const CommandFormGroup& group : commandForms())
        for (const CommandForm& form : group.forms)
            if (!first.empty() && firstWord(form.words) == first)
                lines += "usage: quillmere " + form.words + "\n";
    return lines;
}

FrontRequest refusal(std::string_view text) {
    if (!isValidUtf8(text))
        return {FrontRequest::Kind::refuse, "quillmere: the command is not valid UTF-8: \"" + escapedForLog(text) + "\""};
    return {FrontRequest::Kind::refuse, "quillmere: unknown command \"" + escapedForLog(text) + "\"\n" +
                                            formsLike(text) + "\"quillmere --help\" lists every command"};
}

} // namespace

FrontRequest frontRequest(std::span<const std::string_view> arguments) {
    if (arguments.empty())
        return {};
    const std::string_view first = arguments.front();
    if (first == "--help")
        return {FrontRequest::Kind::showUsage, {}};
    if (first == "--version")
        return {FrontRequest::Kind::showVersion, {}};
    if (first.starts_with('-'))
        return {};
    std::string text = joined(arguments);
    if (!isValidUtf8(text) || !Command::parse(text))
        return refusal(text);
    return {FrontRequest::Kind::sendCommand, std::move(text)};
}

} // namespace quillmere
