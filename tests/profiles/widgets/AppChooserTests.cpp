#include "profiles/AppList.h"
#include "profiles/AppMenu.h"
#include "profiles/widgets/ProfilesTabFixture.h"

#include <QMenu>

namespace quillmere {
namespace {

// The menu's lines as it opens: a section as "[title]", an entry as its text.
std::vector<std::string> menuLines(QMenu& menu) {
    Q_EMIT menu.aboutToShow();
    std::vector<std::string> lines;
    for (const QAction* action : menu.actions())
        lines.push_back(action->isSeparator() ? "[" + action->text().toStdString() + "]"
                                              : action->text().toStdString());
    return lines;
}

QAction& entry(QMenu& menu, const QString& text) {
    const auto actions = menu.actions();
    return **std::ranges::find_if(actions, [&](QAction* action) { return action->text() == text; });
}

// Safari runs and is installed, Terminal runs without being installed, a helper runs without an identifier,
// and Mail is installed only.
class AppChooserTest : public ProfilesTabTest {
  protected:
    AppChooserTest() {
        managed.desktop.launch({.bundleIdentifier = "com.apple.Safari", .name = "Safari"});
        managed.desktop.launch({.bundleIdentifier = "com.example.terminal", .name = "Terminal"});
        managed.desktop.launch({.name = "Helper"});
    }
};

TEST_F(AppChooserTest, aMenuOffersRunningAppsThenTheOthersInstalled) {
    std::vector<std::string> chosen;
    AppMenu menu(apps, icons, "Add", [&](const std::string& bundleID) { chosen.push_back(bundleID); });
    EXPECT_EQ(menuLines(*menu.menu()),
              (std::vector<std::string>{"[Running]", "Safari", "Terminal", "[All Applications]", "Mail"}));
    entry(*menu.menu(), "Terminal").trigger();
    entry(*menu.menu(), "Mail").trigger();
    EXPECT_EQ(chosen, (std::vector<std::string>{"com.example.terminal", "com.apple.mail"}));
}

TEST_F(AppChooserTest, aListRemovesByPositionAndAddsEvenWhatItHolds) {
    std::vector<std::vector<std::string>> changes;
    AppList list(apps, icons, "Floating", "Never tiled", {"com.apple.mail", "com.apple.mail", "com.example.gone"},
                 [&](std::vector<std::string> edited) { changes.push_back(std::move(edited)); });
    ASSERT_EQ(list.removeButtons().size(), 3u);
    EXPECT_EQ(list.removeButtons()[0]->toolTip(), "Remove Mail");
    EXPECT_EQ(list.removeButtons()[2]->toolTip(), "Remove com.example.gone");
    list.removeButtons()[1]->click();
    EXPECT_EQ(menuLines(*list.addButton().menu()), (std::vector<std::string>{"Mail", "Safari"}));
    entry(*list.addButton().menu(), "Mail").trigger();
    EXPECT_EQ(changes, (std::vector<std::vector<std::string>>{
                           {"com.apple.mail", "com.example.gone"},
                           {"com.apple.mail", "com.apple.mail", "com.example.gone", "com.apple.mail"}}));
}

TEST_F(AppChooserTest, anEmptyListShowsOnlyItsAddMenu) {
    AppList list(apps, icons, "Others", "On this Desktop", {}, [](std::vector<std::string>) {});
    EXPECT_TRUE(list.removeButtons().empty());
    EXPECT_EQ(list.addButton().toolTip(), "Add an app");
}

} // namespace
} // namespace quillmere
