#include "profiles/ProfileIconPicker.h"
#include "profiles/RenameSheet.h"
#include "profiles/widgets/ProfilesTabFixture.h"
#include "support/WidgetsOfType.h"
#include "support/WindowPicture.h"

#include <QDir>

namespace quillmere {
namespace {

void save(QWidget& window, const QString& name) {
    saveWindowPicture(window, QUILLMERE_PICTURES "/profiles-" + name + ".png");
}

// The Profiles window with two profiles and a file that failed to load, its rename sheet and its icon picker.
TEST_F(ProfilesTabTest, pictures) {
    ASSERT_TRUE(QDir().mkpath(QUILLMERE_PICTURES));
    edit([](Settings& settings) { settings.spaces = {{.space = 2, .label = "Mail"}}; });
    store(Profile{.name = "Studio",
                  .spaces = {{.space = 1,
                              .tree = LayoutSnapshot::split(Axis::horizontal, 0.6,
                                                            LayoutSnapshot::tile({{"com.apple.Safari", 0}}),
                                                            LayoutSnapshot::tile({{"com.apple.mail", 0}})),
                              .floating = {{"com.apple.mail", 1}}},
                             {.space = 2, .tree = LayoutSnapshot::tile({{"com.apple.mail", 2}})}},
                  .fullScreen = std::vector<FullScreenSnapshot>{{{{"com.apple.Safari", 1}}}},
                  .icon = "paintbrush"});
    store(Profile{.name = "Travel", .spaces = {{.space = 1, .tree = LayoutSnapshot::tile()}}, .icon = "airplane"});
    breakFile("Broken.json");
    model->setSelectedProfile("Studio");
    open();
    tab->setWindowTitle("Profiles");
    save(*tab, "window");

    tab->sidebar().rename(*stored("Studio"));
    settle();
    RenameSheet& sheet = *widgetsOfType<RenameSheet>(*tab).front();
    sheet.nameField().setText("Travel");
    save(sheet, "rename");
    sheet.reject();
    settle();

    QTest::mouseClick(&tab->detail()->iconButton(), Qt::LeftButton);
    settle();
    save(*widgetsOfType<ProfileIconPicker>(*tab).front()->window(), "icons");
}

} // namespace
} // namespace quillmere
