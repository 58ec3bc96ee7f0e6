#include "widgets/LocaleNumbers.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(LocaleNumbers, ReadsWhatANumberFieldHolds) {
    struct Case {
        QString text;
        QLocale locale;
        std::optional<double> value;
        std::optional<std::string> problem;
    };
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const std::string notANumber = "Enter a number, or leave it empty for automatic.";
    const Case cases[] = {
        {"12", english, 12.0, std::nullopt},
        {" \t12 ", english, 12.0, std::nullopt},
        {"", english, std::nullopt, std::nullopt},
        {"   ", english, std::nullopt, std::nullopt},
        {"250", english, std::nullopt, "Use a value from 0 to 200."},
        {"-1", english, std::nullopt, "Use a value from 0 to 200."},
        {"abc", english, std::nullopt, notANumber},
        {"12,5", german, 12.5, std::nullopt},
        {"12.5", english, 12.5, std::nullopt},
    };
    for (const Case& test : cases) {
        const NumberFieldReading reading = readNumberField(test.text, Settings::spacingRange, test.locale);
        EXPECT_EQ(reading.value, test.value) << test.text.toStdString();
        EXPECT_EQ(reading.problem, test.problem) << test.text.toStdString();
    }
}

TEST(LocaleNumbers, BoundsAndNumbersAreWrittenTheLocaleWay) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(readNumberField("1", {0.1, 0.9}, german).problem, "Use a value from 0,1 to 0,9.");
    EXPECT_EQ(localeNumber(12.5, german), "12,5");
    EXPECT_EQ(localeNumber(10, QLocale(QLocale::English)), "10");
    EXPECT_EQ(localePercent(0.3, QLocale(QLocale::English)), "30%");
}

} // namespace
} // namespace quillmere
