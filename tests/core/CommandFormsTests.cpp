#include "core/Command.h"
#include "core/CommandForms.h"
#include "core/Words.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace quillmere {
namespace {

// Values of the person's own that each placeholder of a form stands for.
const std::map<std::string, std::vector<std::string>> samples{
    {"NUMBER", {"2", "-1"}},
    {"POINTS", {"-100"}},
    {"NAME", {"Work", "Late night"}},
    {"SHARE", {"2/3", "0.4"}},
    {"ROW-COLUMN-sixth", {"top-left-sixth", "bottom-center-sixth", "bottom-right-sixth"}},
};

std::vector<std::string> regionTexts();

// Every text a form stands for: each choice of a word written "a|b", each sample of a placeholder.
std::vector<std::string> expansions(const std::string& form) {
    std::vector<std::string> texts{""};
    for (std::string_view word : words(form)) {
        std::vector<std::string> choices;
        if (word == "REGION")
            choices = regionTexts();
        else if (samples.contains(std::string(word)))
            choices = samples.at(std::string(word));
        else
            for (std::string_view choice : splitDroppingEmpty(word, '|'))
                choices.emplace_back(choice);
        std::vector<std::string> longer;
        for (const std::string& text : texts)
            for (const std::string& choice : choices)
                longer.push_back(text.empty() ? choice : text + " " + choice);
        texts = std::move(longer);
    }
    return texts;
}

std::vector<std::string> regionTexts() {
    std::vector<std::string> texts;
    for (const CommandForm& form : regionForms().forms)
        for (const std::string& text : expansions(form.words))
            texts.push_back(text);
    return texts;
}

TEST(CommandForms, EveryTextTheyShowIsACommandAsThePrinterWritesIt) {
    for (const CommandFormGroup& group : commandForms())
        for (const CommandForm& form : group.forms)
            for (const std::string& text : expansions(form.words)) {
                const auto command = Command::parse(text);
                ASSERT_TRUE(command.has_value()) << text << ", from " << form.words;
                EXPECT_EQ(command->text(), text) << form.words;
            }
}

TEST(CommandForms, ShowEveryCommandInOneFormEach) {
    std::set<std::size_t> shown;
    std::set<std::string> firstTexts;
    for (const CommandFormGroup& group : commandForms())
        for (const CommandForm& form : group.forms) {
            EXPECT_TRUE(firstTexts.insert(form.words).second) << form.words << " is shown twice";
            for (const std::string& text : expansions(form.words))
                if (const auto command = Command::parse(text))
                    shown.insert(command->value.index());
        }
    EXPECT_EQ(shown.size(), std::variant_size_v<decltype(Command::value)>) << "a command has no form";
}

TEST(CommandForms, ShowEveryKindOfRegion) {
    std::set<std::size_t> shown;
    for (const std::string& text : regionTexts()) {
        const auto command = Command::parse("place " + text);
        ASSERT_TRUE(command.has_value()) << text;
        shown.insert(std::get<Command::Place>(command->value).region.value.index());
    }
    EXPECT_EQ(shown.size(), std::variant_size_v<decltype(Region::value)>);
}

TEST(CommandForms, WriteOutTheChoicesOfTheWordTables) {
    const auto forms = commandForms();
    const auto shows = [&](std::string_view words) {
        for (const CommandFormGroup& group : forms)
            for (const CommandForm& form : group.forms)
                if (form.words == words)
                    return true;
        return false;
    };
    for (std::string_view words : {"focus west|east|north|south", "layout bsp|stack|float", "rotate 90|180|270",
                                   "border horizontal|vertical POINTS", "space fullscreen next|prev",
                                   "toggle spacing|border|dim"})
        EXPECT_TRUE(shows(words)) << words;
    EXPECT_EQ(regionForms().forms[2].words, "top-left|top-right|bottom-left|bottom-right");
}

} // namespace
} // namespace quillmere
