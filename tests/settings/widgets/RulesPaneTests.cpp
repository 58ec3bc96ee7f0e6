#include "settings/RulesPane.h"
#include "support/SettingsModelFixture.h"
#include "support/TemporaryDirectory.h"
#include "support/WidgetsOfType.h"

#include <QApplication>
#include <QTest>
#include <gmock/gmock.h>

namespace quillmere {
namespace {

using testing::ElementsAre;

struct ListedApps final : InstalledApplications {
    std::vector<InstalledApplication> apps{{"com.apple.Safari", "Safari"}, {"com.apple.finder", "Finder"}};
    std::vector<InstalledApplication> installedApplications() override { return apps; }
};

// The Rules pane on the simulated laptop, with Safari and Finder installed and Calculator floating.
class RulesPaneTest : public SettingsModelTest {
  protected:
    RulesPaneTest() {
        edit([](Settings& settings) {
            settings.floatApps = {"Calculator"};
            settings.floatTitles = {};
        });
        later();
        pane.resize(640, 600);
        pane.show();
        settleWidgets();
    }

    // What the pane does once the handler of the user's action has returned: rows made, then shown.
    static void settleWidgets() {
        QApplication::processEvents();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void type(AppField& field, const QString& text) {
        field.field().clear();
        QTest::keyClicks(&field.field(), text);
    }

    static std::vector<std::string> names(QWidget& rows) {
        std::vector<std::string> shown;
        for (AppLabel* label : widgetsOfType<AppLabel>(rows))
            if (!label->parentWidget()->isHidden())
                shown.push_back(label->findChildren<QLabel*>().back()->text().toStdString());
        return shown;
    }

    ListedApps installed;
    TemporaryDirectory noFolders;
    InstalledApps apps{installed, managed.desktop, {{noFolders.path()}, "C"}};
    AppIcons icons{[this](std::string_view name) { return apps.iconName(name); }};
    RulesPane pane{*model, apps, icons};
};

TEST_F(RulesPaneTest, aNameTypedWithBlanksIsStoredTrimmedAndTheListSorted) {
    type(pane.newFloat(), " Safari ");
    EXPECT_TRUE(pane.addFloat().isEnabled());
    EXPECT_TRUE(pane.floatNote().isHidden());
    QTest::mouseClick(&pane.addFloat(), Qt::LeftButton);
    settleWidgets();

    EXPECT_EQ(storedConfig()["floatApps"], nlohmann::json({"Calculator", "Safari"}));
    EXPECT_EQ(model->undo().undoActionName(), "Add Float Rule");
    EXPECT_TRUE(pane.newFloat().field().text().isEmpty());
    EXPECT_THAT(names(pane.floatRows()), ElementsAre("Calculator", "Safari"));
}

TEST_F(RulesPaneTest, onlyARuleForAnAppNeitherRunningNorInstalledIsMarkedAndTheMarkSaysSo) {
    edit([](Settings& settings) { settings.floatApps = {"Calculator", "Safari"}; });
    settleWidgets();
    std::vector<std::string> marked;
    for (UnknownAppMark* mark : widgetsOfType<UnknownAppMark>(pane.floatRows()))
        if (!mark->isHidden() && !mark->parentWidget()->isHidden())
            marked.push_back(mark->toolTip().toStdString());
    EXPECT_THAT(marked, ElementsAre("No running or installed app is called “Calculator”. The rule applies once one "
                                    "is; rules match the name in the app's menu bar."));
}

TEST_F(RulesPaneTest, aDuplicateBlocksAndAnUnknownNameOnlyWarns) {
    type(pane.newFloat(), "Calculator");
    EXPECT_FALSE(pane.addFloat().isEnabled());
    EXPECT_EQ(pane.floatNote().text(), "“Calculator” is already in this list.");
    EXPECT_STREQ(pane.floatNote().symbol(), "xmark.circle");

    type(pane.newFloat(), "calculator");
    EXPECT_TRUE(pane.addFloat().isEnabled());
    EXPECT_STREQ(pane.floatNote().symbol(), "exclamationmark.triangle");

    type(pane.newFloat(), "   ");
    EXPECT_FALSE(pane.addFloat().isEnabled());
    EXPECT_TRUE(pane.floatNote().isHidden());
}

TEST_F(RulesPaneTest, theTitlePreviewCountsTheWindowsOnTheDesktop) {
    const auto finder = managed.launch("Finder");
    managed.desktop.openWindow(finder, {.title = "Copy 3 items"});
    managed.desktop.openWindow(finder, {.title = "Info: Documents"});
    managed.desktop.openWindow(finder, {.title = "Documents"});
    managed.settle();
    model->refresh();

    type(pane.newTitleApp(), "Finder");
    QTest::keyClicks(&pane.newTitle(), "Info|Copy");
    EXPECT_EQ(pane.titleNote().text(), "This rule matches 2 open windows.");
    EXPECT_TRUE(pane.addTitle().isEnabled());

    pane.newTitle().setText("Info|(");
    EXPECT_FALSE(pane.addTitle().isEnabled());
    EXPECT_STREQ(pane.titleNote().symbol(), "xmark.circle");
}

TEST_F(RulesPaneTest, desktopRulesBeyondTheDesktopsStayHiddenAndTheChoiceStaysWithinThem) {
    edit([](Settings& settings) { settings.appSpaces = {{"Mail", 2}, {"Notes", 5}, {"Music", 7}}; });
    settleWidgets();
    EXPECT_THAT(names(pane.spaceRows()), ElementsAre("Mail"));
    EXPECT_THAT(pane.spaceFooter().text().toStdString(),
                testing::EndsWith("\n2 rules for Spaces beyond 3 are kept but hidden until you create those Spaces."));
    type(pane.newApp(), "Notes");
    EXPECT_FALSE(pane.addSpace().isEnabled());

    pane.newSpace().setCurrentIndex(2);
    pane.newSpace().activated(2);
    type(pane.newApp(), "Safari");
    QTest::mouseClick(&pane.addSpace(), Qt::LeftButton);
    settleWidgets();
    EXPECT_EQ(storedConfig()["appSpaces"]["Safari"], 3);
    EXPECT_EQ(pane.newSpace().currentText(), "Desktop 3");

    managed.desktop.removeDesktop(managed.desktop.spaceOrder(managed.desktop.mainDisplay()).back());
    managed.settle();
    model->refresh();
    settleWidgets();
    EXPECT_EQ(pane.newSpace().currentText(), "Desktop 2");
}

} // namespace
} // namespace quillmere
