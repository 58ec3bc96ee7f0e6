#include "platform/qt/QtAlerts.h"
#include "support/AlertScript.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

const Alert question{.message = "Save to \u201CWork\u201D?",
                     .informativeText = "It replaces the windows.",
                     .buttons = {"Save", "New Profile\u2026", "Cancel"}};

TEST(QtAlerts, ButtonsStandInTheAlertsOrderReturnGivesTheFirstAndEveryOtherWayOutTheLast) {
    struct Case {
        const char* way;
        AlertScript::Step step;
        std::size_t answer;
    };
    const Case cases[] = {
        {"Return", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, 0},
        {"second button", AlertScript::click("New Profile\u2026"), 1},
        {"Esc", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, 2},
        {"close button", [](QMessageBox& box) { box.close(); }, 2},
    };
    for (const Case& c : cases) {
        QtAlerts alerts;
        std::vector<int> xs;
        AlertScript script({[&](QMessageBox& box) {
            for (const char* title : {"Save", "New Profile\u2026", "Cancel"})
                xs.push_back(alertButton(box, title)->mapTo(&box, QPoint()).x());
            c.step(box);
        }});
        EXPECT_EQ(alerts.run(question), (AlertAnswer{c.answer, false})) << c.way;
        ASSERT_EQ(xs.size(), 3u);
        EXPECT_TRUE(xs[0] < xs[1] && xs[1] < xs[2]) << "left to right in the alert's order";
    }
}

TEST(QtAlerts, TheTextsTheBoxAndTheIconReachTheBox) {
    QtAlerts alerts;
    Alert alert = question;
    alert.suppressionTitle = "Don't ask again for this profile";
    alert.icon = AlertIcon{"rectangle.stack", "Work"};
    AlertScript script({[](QMessageBox& box) {
        EXPECT_EQ(box.text(), "Save to \u201CWork\u201D?");
        EXPECT_EQ(box.informativeText(), "It replaces the windows.");
        EXPECT_EQ(box.iconPixmap().deviceIndependentSize().toSize(), QSize(40, 40));
        auto* icon = box.findChild<QLabel*>("qt_msgboxex_icon_label");
        ASSERT_TRUE(icon);
        EXPECT_EQ(icon->accessibleName(), "Work");
        ASSERT_TRUE(box.checkBox());
        EXPECT_EQ(box.checkBox()->text(), "Don't ask again for this profile");
        box.checkBox()->setChecked(true);
        alertButton(box, "Save")->click();
    }});
    EXPECT_EQ(alerts.run(alert), (AlertAnswer{0, true}));
}

TEST(QtAlerts, AnAlertWithoutButtonsHasTheSystemsOkAndEveryRunIsBracketed) {
    QtAlerts alerts;
    std::vector<std::string> happened;
    alerts.onOpen = [&] { happened.push_back(alerts.open() ? "open" : "closed"); };
    alerts.onClose = [&] { happened.push_back(alerts.open() ? "still open" : "close"); };
    AlertScript script({[&](QMessageBox& box) {
        ASSERT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.standardButton(box.buttons().front()), QMessageBox::Ok);
        QTest::keyClick(&box, Qt::Key_Return);
    }});
    EXPECT_EQ(alerts.run({.message = "Done"}).button, 0u);
    EXPECT_EQ(happened, (std::vector<std::string>{"open", "close"}));
    EXPECT_FALSE(alerts.open());
}

} // namespace
} // namespace quillmere
