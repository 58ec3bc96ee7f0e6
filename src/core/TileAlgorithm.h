#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quillmere {

// How a tiled Space places a new window.
enum class TileAlgorithm { bsp, i3, masterStack };

// How a stacked Space shows its windows.
enum class StackAlgorithm { fill, accordion };

constexpr std::array<TileAlgorithm, 3> allTileAlgorithms{TileAlgorithm::bsp, TileAlgorithm::i3,
                                                         TileAlgorithm::masterStack};
constexpr std::array<StackAlgorithm, 2> allStackAlgorithms{StackAlgorithm::fill, StackAlgorithm::accordion};

constexpr std::string_view text(TileAlgorithm algorithm) {
    switch (algorithm) {
    case TileAlgorithm::bsp:
        return "bsp";
    case TileAlgorithm::i3:
        return "i3";
    case TileAlgorithm::masterStack:
        return "master-stack";
    }
    return "";
}

constexpr std::string_view name(TileAlgorithm algorithm) {
    switch (algorithm) {
    case TileAlgorithm::bsp:
        return "BSP";
    case TileAlgorithm::i3:
        return "i3 (rows and columns)";
    case TileAlgorithm::masterStack:
        return "Master and stack";
    }
    return "";
}

constexpr std::string_view detail(TileAlgorithm algorithm) {
    switch (algorithm) {
    case TileAlgorithm::bsp:
        return "A new window splits the focused window's tile in two.";
    case TileAlgorithm::i3:
        return "A new window joins the focused window's row or column, and the row shares its space out "
               "evenly, "
               "as in i3 and AeroSpace.";
    case TileAlgorithm::masterStack:
        return "One main window keeps the split ratio; the rest share a column beside it.";
    }
    return "";
}

constexpr std::string_view text(StackAlgorithm algorithm) {
    return algorithm == StackAlgorithm::fill ? "fill" : "accordion";
}

constexpr std::string_view name(StackAlgorithm algorithm) {
    return algorithm == StackAlgorithm::fill ? "Fill" : "Accordion";
}

constexpr std::string_view detail(StackAlgorithm algorithm) {
    return algorithm == StackAlgorithm::fill ? "Every window fills the Space."
                                             : "The front window leaves a strip at each side where the "
                                               "windows before and after it peek out.";
}

constexpr std::optional<TileAlgorithm> parseTileAlgorithm(std::string_view stored) {
    for (TileAlgorithm algorithm : allTileAlgorithms)
        if (text(algorithm) == stored)
            return algorithm;
    return std::nullopt;
}

constexpr std::optional<StackAlgorithm> parseStackAlgorithm(std::string_view stored) {
    for (StackAlgorithm algorithm : allStackAlgorithms)
        if (text(algorithm) == stored)
            return algorithm;
    return std::nullopt;
}

} // namespace quillmere
