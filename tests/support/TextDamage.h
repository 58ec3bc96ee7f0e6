#pragma once

#include <cstddef>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace quillmere {

// Deterministic random damage to texts, for tests that no input can crash a reader.
class TextDamage {
  public:
    explicit TextDamage(unsigned seed) : random_(seed) {}

    std::size_t below(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
    }

    template <typename List> auto pick(const List& list) { return list[below(std::size(list))]; }

    // Inserts, erases (up to `longestErase` bytes) or replaces a few bytes, one in `anyByteOneIn` of them any
    // byte at all, the others drawn from `alphabet`.
    std::string damaged(std::string text, std::string_view alphabet, std::size_t mostEdits,
                        std::size_t longestErase, std::size_t anyByteOneIn) {
        for (std::size_t edits = 1 + below(mostEdits); edits > 0; --edits) {
            const char c = below(anyByteOneIn) == 0 ? static_cast<char>(below(256)) : pick(alphabet);
            const auto at = below(text.size() + 1);
            switch (below(3)) {
            case 0:
                text.insert(at, 1, c);
                break;
            case 1:
                if (at < text.size())
                    text.erase(at, 1 + below(longestErase));
                break;
            default:
                if (at < text.size())
                    text[at] = c;
                break;
            }
        }
        return text;
    }

  private:
    std::mt19937 random_;
};

} // namespace quillmere
