#include "profiles/WhenAppliedSection.h"
#include "profiles/widgets/DesignerFixture.h"
#include "support/Snapshots.h"
#include "support/WidgetsOfType.h"
#include "widgets/ChordControls.h"

#include <QTest>

namespace quillmere {
namespace {

using namespace snapshots;

constexpr EventFlags ctrl = 0x40000;
constexpr EventFlags alt = 0x80000;
constexpr std::uint16_t w = 13;

class WhenAppliedSectionTest : public DesignerTest {
  protected:
    WhenAppliedSectionTest() {
        store({.name = "Work",
               .spaces = {{.space = 1, .tree = tile({ref("com.apple.mail", 0)})}, {.space = 5, .tree = tile()}},
               .open = std::map<std::string, std::vector<std::string>>{{"com.apple.Notes", {"~/notes"}}}});
        services.desktops = [this] { return managed.spaces.desktops(); };
        services.unlistedApps = [](const Profile&) {
            return std::vector<RunningApplication>{{.processIdentifier = 7, .localizedName = "Zoom"},
                                                   {.processIdentifier = 8, .localizedName = "Calendar"}};
        };
        section = std::make_unique<WhenAppliedSection>(*model, services, stored("Work"));
        section->resize(640, 700);
        section->show();
        settleWidgets();
    }

    std::unique_ptr<WhenAppliedSection> section;
};

TEST_F(WhenAppliedSectionTest, theUnlistedChoiceIsWrittenTrueOrAbsentWithItsPreview) {
    EXPECT_TRUE(section->unlistedPreview().isHidden());
    section->unlistedApps().setCurrentIndex(2);
    Q_EMIT section->unlistedApps().activated(2);
    settleWidgets();
    EXPECT_EQ(stored("Work").quitUnlisted, true);
    EXPECT_EQ(stored("Work").hideUnlisted, std::nullopt);
    EXPECT_EQ(section->unlistedPreview().text().toStdString(),
              "Applying it now would quit Calendar and Zoom.");
    EXPECT_FALSE(section->unlistedPreview().isHidden());

    Q_EMIT section->unlistedApps().activated(0);
    settleWidgets();
    EXPECT_EQ(stored("Work").quitUnlisted, std::nullopt);
    EXPECT_EQ(stored("Work").hideUnlisted, std::nullopt);
    EXPECT_TRUE(section->unlistedPreview().isHidden());
}

TEST_F(WhenAppliedSectionTest, automaticApplyingRecordsTheLaptopAndTheNotesNameADesktopWithoutRoom) {
    EXPECT_EQ(section->autoApplyNote().text(), "Turning this on records the displays connected now.");
    EXPECT_EQ(section->placementNotes(),
              QStringList{"Desktop 5 is skipped: Built-in Retina Display has 3 Desktops. Add more in Mission Control "
                          "to place its windows."});
    section->autoApply().click();
    settleWidgets();
    EXPECT_EQ(stored("Work").autoApply, true);
    ASSERT_TRUE(stored("Work").displays);
    EXPECT_EQ(section->autoApplyNote().text(),
              "Applies when exactly \u201CBuilt-in Retina Display\u201D is connected, and no other display, with each "
              "display with its own Spaces.");
    EXPECT_TRUE(section->autoApply().isChecked());
}

TEST_F(WhenAppliedSectionTest, theShortcutRowRecordsAChordForLoadingTheProfile) {
    auto slots = widgetsOfType<RecordSlot>(section->shortcut());
    ASSERT_EQ(slots.size(), 1u);
    QTest::mouseClick(slots.front(), Qt::LeftButton);
    keyMonitors.press(w, ctrl | alt);
    settleWidgets();
    EXPECT_EQ(model->chords("load Work"), std::vector<std::string>{"ctrl-alt-w"});
    EXPECT_EQ(section->shortcut().shown(), std::vector<std::string>{"ctrl-alt-w"});
    EXPECT_TRUE(widgetsOfType<RecordSlot>(section->shortcut()).empty());
    EXPECT_EQ(widgetsOfType<ChordButton>(section->shortcut()).size(), 1u);
}

TEST_F(WhenAppliedSectionTest, launchItemsCommitOnFocusLossTrimmedAndAnUntouchedFieldFollowsAnUndo) {
    OpenOnLaunch& advanced = section->openOnLaunch();
    EXPECT_EQ(advanced.summary(), "Opens 1 item when launching apps");
    advanced.disclosure().click();
    settleWidgets();
    EXPECT_EQ(advanced.listed(), (std::vector<std::string>{"com.apple.mail", "com.apple.Notes"}));
    LaunchItemsField& mail = *advanced.field("com.apple.mail");
    QTest::keyClicks(&mail.editor(), "  https://example.com  ");
    QTest::keyClick(&mail.editor(), Qt::Key_Return);
    QFocusEvent focusLost(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&mail.editor(), &focusLost);
    settleWidgets();
    EXPECT_EQ(stored("Work").open->at("com.apple.mail"), std::vector<std::string>{"https://example.com"});
    EXPECT_EQ(mail.editor().toPlainText(), "https://example.com");
    EXPECT_EQ(model->undo().undoActionName(), "Change Items to Open");

    later();
    model->undo().undo();
    settleWidgets();
    EXPECT_EQ(mail.editor().toPlainText(), "");
    section.reset();
    settleWidgets();
    EXPECT_EQ(stored("Work").open->count("com.apple.mail"), 0u);
}

} // namespace
} // namespace quillmere
