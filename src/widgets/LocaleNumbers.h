#pragma once

#include "core/Settings.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <string>

namespace quillmere {

// What a number field's text comes to: a problem to show, or the value to store, where empty text stands
// for no value (the automatic one).
struct NumberFieldReading {
    std::optional<double> value;
    std::optional<std::string> problem;
};

// Surrounding spaces and tabs are ignored; the number is read the locale's way, leniently about grouping.
NumberFieldReading readNumberField(const QString& text, Settings::ClosedRange range, const QLocale& locale);

// The locale's plain form of a number: "12,5" in German.
QString localeNumber(double value, const QLocale& locale);

// A share as a whole percentage written the locale's way.
QString localePercent(double share, const QLocale& locale);

} // namespace quillmere
