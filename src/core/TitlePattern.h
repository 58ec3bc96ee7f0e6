#pragma once

#include <memory>
#include <optional>
#include <string_view>

namespace quillmere {

// A regular expression with the platform's (ICU) syntax and no options: case-sensitive, unanchored. Every
// search is bounded in steps, so that no pattern can hang the program; a search that runs out of steps
// counts as no match.
class TitlePattern {
  public:
    // None when the pattern does not compile, and for the empty pattern: it would match every title.
    static std::optional<TitlePattern> compile(std::string_view pattern);

    // Whether the pattern matches anywhere in the text.
    bool foundIn(std::string_view text) const;

    TitlePattern(TitlePattern&&) noexcept;
    TitlePattern& operator=(TitlePattern&&) noexcept;
    ~TitlePattern();

  private:
    struct Compiled;
    explicit TitlePattern(std::unique_ptr<Compiled> compiled);
    std::unique_ptr<Compiled> compiled;
};

} // namespace quillmere
