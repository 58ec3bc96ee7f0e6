#include "core/TitlePattern.h"

#include <unicode/regex.h>

namespace quillmere {
namespace {

// In ICU's match-engine steps of about ten thousand operations each: far beyond what a window title needs,
// and short enough that an exponential pattern gives up within milliseconds.
constexpr std::int32_t searchStepLimit = 100;

icu::UnicodeString unicode(std::string_view text) {
    return icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
}

} // namespace

struct TitlePattern::Compiled {
    std::unique_ptr<icu::RegexPattern> pattern;
};

TitlePattern::TitlePattern(std::unique_ptr<Compiled> compiled) : compiled(std::move(compiled)) {}
TitlePattern::TitlePattern(TitlePattern&&) noexcept = default;
TitlePattern& TitlePattern::operator=(TitlePattern&&) noexcept = default;
TitlePattern::~TitlePattern() = default;

std::optional<TitlePattern> TitlePattern::compile(std::string_view pattern) {
    if (pattern.empty())
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    UParseError where;
    std::unique_ptr<icu::RegexPattern> compiled(
        icu::RegexPattern::compile(unicode(pattern), 0, where, status));
    if (U_FAILURE(status) || !compiled)
        return std::nullopt;
    return TitlePattern(std::make_unique<Compiled>(Compiled{std::move(compiled)}));
}

bool TitlePattern::foundIn(std::string_view text) const {
    const auto input = unicode(text);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(compiled->pattern->matcher(input, status));
    if (U_FAILURE(status) || !matcher)
        return false;
    matcher->setTimeLimit(searchStepLimit, status);
    const bool found = U_SUCCESS(status) && matcher->find(status);
    return found && U_SUCCESS(status);
}

} // namespace quillmere
