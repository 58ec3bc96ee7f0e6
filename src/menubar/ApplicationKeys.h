#pragma once

#include <QKeySequence>
#include <string>

namespace quillmere {

// The keys of the application's own menu items, which the mini map's rows repeat as the user presses them.
namespace ApplicationKeys {

inline constexpr QKeyCombination settings = Qt::CTRL | Qt::Key_Comma;
inline constexpr QKeyCombination quit = Qt::CTRL | Qt::Key_Q;
inline constexpr QKeyCombination profiles = Qt::CTRL | Qt::SHIFT | Qt::Key_P;

// As this platform writes the keys, "Ctrl+Q" on Linux.
inline std::string text(QKeyCombination keys) {
    return QKeySequence(keys).toString(QKeySequence::NativeText).toStdString();
}

} // namespace ApplicationKeys

} // namespace quillmere
