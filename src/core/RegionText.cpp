#include "core/RegionText.h"

#include "core/CommandWords.h"
#include "core/NumberText.h"
#include "core/Words.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace quillmere {
namespace {

std::optional<Direction> edgeDirection(std::string_view word) {
    return commandWords::read(commandWords::edges, word);
}

std::string_view edgeWord(Direction direction) {
    return commandWords::write(commandWords::edges, direction);
}

// A share is a fraction "2/3" or a plain number, between 0.05 and 0.95 inclusive. Pieces of a fraction that
// are not numbers are skipped, so "1/x/2" still reads as a half.
std::optional<double> fraction(std::string_view word) {
    std::vector<double> numbers;
    for (auto piece : splitDroppingEmpty(word, '/'))
        if (auto number = parseDouble(piece))
            numbers.push_back(*number);
    std::optional<double> share;
    if (numbers.size() == 2 && numbers[1] != 0)
        share = numbers[0] / numbers[1];
    else
        share = parseDouble(word);
    if (!share || !(*share >= 0.05 && *share <= 0.95))
        return std::nullopt;
    return share;
}

std::optional<Region> parseOnePiece(std::string_view piece, std::optional<std::string_view> share) {
    if (piece == "center" && !share)
        return Region{Region::Center{}};
    if (piece == "column" && !share)
        return Region{Region::Column{}};
    const auto direction = edgeDirection(piece);
    if (!direction)
        return std::nullopt;
    if (!share)
        return Region{Region::Edge{*direction, std::nullopt}};
    const auto value = fraction(*share);
    if (!value)
        return std::nullopt;
    return Region{Region::Edge{*direction, value}};
}

std::optional<Region> parseCorner(std::string_view vertical, std::string_view horizontal) {
    const auto v = edgeDirection(vertical);
    const auto h = edgeDirection(horizontal);
    if (!v || !h || axisOf(*v) != Axis::vertical || axisOf(*h) != Axis::horizontal)
        return std::nullopt;
    return Region{Region::Corner{*v, *h}};
}

std::optional<Region> parseSixth(std::string_view row, std::string_view column, std::string_view last) {
    constexpr std::array<std::string_view, 3> columns{"left", "center", "right"};
    if (last != "sixth" || (row != "top" && row != "bottom"))
        return std::nullopt;
    for (int c = 0; c < 3; ++c)
        if (columns[c] == column)
            return Region{Region::Sixth{c, row == "top" ? 0 : 1}};
    return std::nullopt;
}

std::string shareText(double share) {
    constexpr std::array<std::pair<double, std::string_view>, 5> named{{
        {1.0 / 4.0, "1/4"},
        {1.0 / 3.0, "1/3"},
        {1.0 / 2.0, "1/2"},
        {2.0 / 3.0, "2/3"},
        {3.0 / 4.0, "3/4"},
    }};
    for (const auto& [value, name] : named)
        if (std::abs(share - value) < 0.001)
            return std::string(name);
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), share);
    return std::string(buffer.data(), result.ptr);
}

// Columns other than 0 to 2 have no word of their own; like the rows, anything past the first two is the
// last one.
std::string_view sixthColumnWord(int column) {
    if (column == 0)
        return "left";
    if (column == 1)
        return "center";
    return "right";
}

} // namespace

std::optional<Region> parseRegion(std::string_view text) {
    const auto regionWords = words(text);
    if (regionWords.empty() || regionWords.size() > 2)
        return std::nullopt;
    const std::optional<std::string_view> share =
        regionWords.size() == 2 ? std::optional(regionWords[1]) : std::nullopt;
    const auto pieces = splitDroppingEmpty(regionWords[0], '-');
    if (pieces.size() == 1)
        return parseOnePiece(pieces[0], share);
    if (share)
        return std::nullopt;
    if (pieces.size() == 2)
        return parseCorner(pieces[0], pieces[1]);
    if (pieces.size() == 3)
        return parseSixth(pieces[0], pieces[1], pieces[2]);
    return std::nullopt;
}

std::string text(const Region& region) {
    struct Printer {
        std::string operator()(const Region::Edge& edge) const {
            std::string result(edgeWord(edge.direction));
            if (edge.fraction)
                result += " " + shareText(*edge.fraction);
            return result;
        }
        std::string operator()(const Region::Corner& corner) const {
            return std::string(edgeWord(corner.vertical)) + "-" + std::string(edgeWord(corner.horizontal));
        }
        std::string operator()(const Region::Sixth& sixth) const {
            return std::string(sixth.row == 0 ? "top" : "bottom") + "-" +
                   std::string(sixthColumnWord(sixth.column)) + "-sixth";
        }
        std::string operator()(const Region::Column&) const { return "column"; }
        std::string operator()(const Region::Center&) const { return "center"; }
    };
    return std::visit(Printer{}, region.value);
}

} // namespace quillmere
