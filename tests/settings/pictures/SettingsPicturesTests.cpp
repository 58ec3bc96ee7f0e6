#include "settings/widgets/SettingsWindowFixture.h"
#include "support/WindowPicture.h"

#include <QDir>
#include <QScrollArea>
#include <QScrollBar>

namespace quillmere {
namespace {

// The scroll area that shows the pane's content, when the content is taller than the pane.
QScrollArea* scrolling(QWidget& pane) {
    for (QScrollArea* area : pane.findChildren<QScrollArea*>())
        if (area->isVisibleTo(&pane) && area->verticalScrollBar()->maximum() > 0)
            return area;
    return nullptr;
}

// Each pane of the Settings window as an X server draws it, all of a pane that scrolls, for a look by eye.
// The Profiles window's pictures are those of its own content.
TEST_F(SettingsWindowTest, picturesOfEveryPane) {
    ASSERT_TRUE(QDir().mkpath(QUILLMERE_PICTURES));
    setUp(false);
    edit([](Settings& settings) {
        settings.activeBorder = true;
        settings.borderColor = "#1A2B3C";
        settings.dimInactive = true;
    });
    for (const SettingsPane& pane : settingsPanes) {
        const std::string tag(pane.tag);
        settings->show(tag);
        // Rows some panes build on the next turns of the event loop.
        for (int turn = 0; turn < 5; ++turn)
            QApplication::processEvents();
        const QString file = QUILLMERE_PICTURES "/settings-" + QString::fromStdString(tag).toLower() + ".png";
        if (QScrollArea* area = scrolling(*settings->pane(tag)))
            saveScrolledWindowPicture(window(), *area, file);
        else
            saveWindowPicture(window(), file);
    }

    writeConfigByHand("{ \"gap\": ");
    theModel().refresh();
    settings->show("Keys");
    QApplication::processEvents();
    saveWindowPicture(window(), QUILLMERE_PICTURES "/settings-error.png");
}

} // namespace
} // namespace quillmere
