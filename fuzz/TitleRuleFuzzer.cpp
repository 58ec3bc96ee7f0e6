#include "FuzzCheck.h"
#include "core/FloatRules.h"
#include "core/TitleRule.h"

#include <string>
#include <utility>
#include <vector>

// The input is a title pattern, a zero byte and a window title. The float decision and the rule's match
// count agree, and a pattern with a problem floats nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    const std::string_view input = fuzz::text(data, size);
    const auto zero = input.find('\0');
    const std::string pattern(input.substr(0, zero));
    const std::string title(zero == std::string_view::npos ? std::string_view() : input.substr(zero + 1));

    FloatRules rules;
    rules.titles = {{"App", pattern}};
    const bool floats = rules.floats("App", title);
    const std::vector<std::pair<std::string, std::string>> windows = {{"App", title}, {"Other", title}};
    fuzz::require(TitleRule{"App", pattern}.matches(windows) == (floats ? 1u : 0u),
                  "the float decision agrees with the match count");
    fuzz::require(!floats || !TitleRule::problem(pattern), "a pattern with a problem floats nothing");
    fuzz::require(!rules.floats("Other", title), "a rule floats only its own application's windows");
    return 0;
}
