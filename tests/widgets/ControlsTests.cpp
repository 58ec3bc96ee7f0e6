#include "widgets/ErrorBanner.h"
#include "widgets/NumberField.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <vector>

namespace quillmere {
namespace {

// A padding field in a window with a second field to move the focus to, recording what it commits.
struct NumberFieldTest : testing::Test {
    explicit NumberFieldTest(QLocale locale = QLocale(QLocale::English, QLocale::UnitedStates)) {
        QLocale::setDefault(locale);
        field = new NumberField("Padding", Settings::spacingRange, "Auto", &window);
        other = new QLineEdit(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        field->onCommit = [this](std::optional<double> value) {
            commits.push_back(value);
            field->setValue(value);
        };
        window.show();
        field->field()->setFocus();
    }
    ~NumberFieldTest() override { QLocale::setDefault(QLocale::c()); }

    void type(const QString& text) {
        field->field()->setFocus();
        field->field()->selectAll();
        QTest::keyClicks(field->field(), text);
    }
    void pressReturn() { QTest::keyClick(field->field(), Qt::Key_Return); }
    void leave() {
        other->setFocus();
        // The offscreen platform tells focus changes only through the event.
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field->field(), &focusOut);
    }

    QWidget window;
    NumberField* field;
    QLineEdit* other;
    std::vector<std::optional<double>> commits;
};

TEST_F(NumberFieldTest, CommitsOnlyGoodTypedNumbersThatChangeTheValue) {
    struct Step {
        QString typed;
        bool viaReturn;
        std::vector<std::optional<double>> commitsAfter;
        QString problem;
    };
    const Step steps[] = {
        {"250", true, {}, "Use a value from 0 to 200."},
        {"abc", false, {}, "Enter a number, or leave it empty for automatic."},
        {"12", true, {12.0}, ""},
        {"12", false, {12.0}, ""},
        {"   ", false, {12.0, std::nullopt}, ""},
    };
    for (const Step& step : steps) {
        type(step.typed);
        step.viaReturn ? pressReturn() : leave();
        EXPECT_EQ(commits, step.commitsAfter) << step.typed.toStdString();
        EXPECT_EQ(field->problem(), step.problem) << step.typed.toStdString();
    }
}

TEST_F(NumberFieldTest, ReturnThenLeavingCommitsOnce) {
    type("12");
    pressReturn();
    leave();
    EXPECT_EQ(commits, (std::vector<std::optional<double>>{12.0}));
}

TEST_F(NumberFieldTest, AValueFromOutsideIsNotWrittenBackWhenTheFieldIsLeft) {
    type("12");
    pressReturn();
    field->setValue(std::nullopt);
    EXPECT_EQ(field->field()->text(), "");
    leave();
    EXPECT_EQ(commits, (std::vector<std::optional<double>>{12.0}));
}

TEST_F(NumberFieldTest, TypingInProgressIsKeptWhenAValueArrivesFromOutside) {
    type("40");
    field->setValue(7.0);
    EXPECT_EQ(field->field()->text(), "40");
    leave();
    EXPECT_EQ(commits, (std::vector<std::optional<double>>{40.0}));
}

struct GermanNumberFieldTest : NumberFieldTest {
    GermanNumberFieldTest() : NumberFieldTest(QLocale(QLocale::German, QLocale::Germany)) {}
};

TEST_F(GermanNumberFieldTest, ReadsAndWritesTheDecimalComma) {
    type("12,5");
    pressReturn();
    EXPECT_EQ(commits, (std::vector<std::optional<double>>{12.5}));
    field->setValue(7.25);
    EXPECT_EQ(field->field()->text(), "7,25");
}

TEST(ErrorBanner, KeepsItsMarkMessageAndButtonsApart) {
    auto* open = new QPushButton("Open config.json");
    auto* revert = new QPushButton("Revert to Last Good");
    ErrorBanner banner("Couldn't read config.json: line 3", {open, revert});
    banner.resize(620, banner.sizeHint().height());
    banner.show();
    QApplication::processEvents();
    EXPECT_GE(revert->x() - (open->x() + open->width()), 6);
    std::vector<QRect> parts;
    for (const QWidget* part : banner.findChildren<QWidget*>())
        if (part->parentWidget() == &banner && part->height() > 2)
            parts.push_back(part->geometry());
    for (std::size_t a = 0; a < parts.size(); ++a)
        for (std::size_t b = a + 1; b < parts.size(); ++b)
            EXPECT_FALSE(parts[a].adjusted(-3, 0, 3, 0).intersects(parts[b])) << a << " and " << b << " touch";
}

} // namespace
} // namespace quillmere
