#include "widgets/LocaleNumbers.h"

#include <cmath>

namespace quillmere {
namespace {

QString trimmedOfSpacesAndTabs(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    auto blank = [](QChar character) { return character == u' ' || character == u'\t'; };
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

} // namespace

NumberFieldReading readNumberField(const QString& text, Settings::ClosedRange range, const QLocale& locale) {
    const QString trimmed = trimmedOfSpacesAndTabs(text);
    if (trimmed.isEmpty())
        return {};
    bool parsed = false;
    const double value = locale.toDouble(trimmed, &parsed);
    if (!parsed)
        return {std::nullopt, "Enter a number, or leave it empty for automatic."};
    if (std::isnan(value) || value < range.lower || value > range.upper)
        return {std::nullopt, "Use a value from " + localeNumber(range.lower, locale).toStdString() + " to " +
                                  localeNumber(range.upper, locale).toStdString() + "."};
    return {value, std::nullopt};
}

QString localeNumber(double value, const QLocale& locale) {
    return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

QString localePercent(double share, const QLocale& locale) {
    return locale.toString(std::lround(share * 100)) + locale.percent();
}

} // namespace quillmere
