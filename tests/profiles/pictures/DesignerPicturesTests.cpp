#include "profiles/TileMenu.h"
#include "profiles/WhenAppliedSection.h"
#include "profiles/widgets/DesignerFixture.h"
#include "support/Snapshots.h"
#include "support/WindowPicture.h"

#include <QDir>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>

namespace quillmere {
namespace {

using namespace snapshots;

// A desktop picture: a dusk gradient, as a display might show.
std::shared_ptr<const Image> dusk(int hue) {
    auto image = std::make_shared<Image>();
    image->width = 320;
    image->height = 200;
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            const QColor colour = QColor::fromHsv((hue + x / 8) % 360, 120, 255 - y / 2);
            image->rgba.insert(image->rgba.end(), {static_cast<std::uint8_t>(colour.red()),
                                                   static_cast<std::uint8_t>(colour.green()),
                                                   static_cast<std::uint8_t>(colour.blue()), 255});
        }
    return image;
}

DisplaySpaces display(std::string id, std::string name, Rect frame, int desktops) {
    std::vector<SpaceId> spaces;
    for (int n = 1; n <= desktops; ++n)
        spaces.push_back(static_cast<SpaceId>(std::stoi(id) * 100 + n));
    return {std::move(id), {.name = std::move(name)}, frame, spaces, spaces.front()};
}

const Rect studio{0, 0, 2560, 1440};
const Rect laptop{2560, 400, 1512, 982};

class DesignerPictures : public DesignerTest {
  protected:
    DesignerPictures() {
        services.wallpaper = [](const std::optional<std::string>& display) {
            return dusk(display == "Studio Display" ? 200 : 20);
        };
        services.desktops = [] {
            return Desktops({display("1", "Studio Display", studio, 2), display("2", "Built-in Retina Display", laptop, 3)});
        };
        services.unlistedApps = [](const Profile&) {
            std::vector<RunningApplication> running;
            for (const char* name : {"Photos", "Music", "Zoom"})
                running.push_back({.processIdentifier = static_cast<std::int32_t>(running.size() + 1),
                                   .localizedName = name});
            return running;
        };
        const auto refs = [](std::vector<std::string> apps) { return SpaceDesign::newRefs(apps); };
        store({.name = "Work",
               .spansDisplays = true,
               .displays = std::vector<ProfileDisplay>{{.identity = {.name = "Studio Display"}, .frame = studio, .desktops = 4},
                                                       {.identity = {.name = "Built-in Retina Display"},
                                                        .frame = laptop,
                                                        .desktops = 3}},
               .spaces = {{.space = 1,
                           .tree = h(0.62, tile(refs({"com.apple.Safari"})),
                                     v(0.5, tile(refs({"com.apple.mail", "com.apple.Notes"})), tile())),
                           .floating = refs({"com.apple.Notes"}),
                           .display = "Studio Display"},
                          {.space = 1, .tree = tile(refs({"com.apple.mail"})), .display = "Built-in Retina Display"},
                          {.space = 4, .tree = tile(), .display = "Studio Display"}},
               .hideUnlisted = true,
               .open = std::map<std::string, std::vector<std::string>>{{"com.apple.Safari", {"https://example.com/board"}},
                                                                       {"com.apple.mail", {"$ fetchmail"}}}});
    }

    static QString file(const QString& name) { return QUILLMERE_PICTURES "/profiles-" + name + ".png"; }

    SpaceDesigner& spanning() {
        const Profile& profile = stored("Work");
        SpaceDesigner& view = designer("Work",
                                       {part("Studio Display", "Studio Display", studio, profile, 1),
                                        part("Built-in Retina Display", "Built-in Retina Display", laptop, profile, 1)},
                                       "Studio Display");
        view.move(40, 40);
        view.resize(780, view.heightForWidth(780));
        settleWidgets();
        return view;
    }
};

TEST_F(DesignerPictures, designerOverTwoDisplaysWithATileMenuAndWhenApplied) {
    ASSERT_TRUE(QDir().mkpath(QUILLMERE_PICTURES));
    SpaceDesigner& view = spanning();
    saveWindowPicture(view, file("designer"));

    LayoutCanvas& canvas = *view.canvases().front();
    const auto tile = canvas.tileRect({true, false});
    ASSERT_TRUE(tile);
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, tile->center());
    ASSERT_NE(canvas.menu(), nullptr);
    // The menu is a window of its own: the picture takes the part of the screen both cover.
    for (int turn = 0; turn < 20; ++turn)
        QTest::qWait(10);
    const QRect both = view.frameGeometry().united(canvas.menu()->frameGeometry());
    const QPixmap picture = view.screen()->grabWindow(0, both.x(), both.y(), both.width(), both.height());
    EXPECT_TRUE(picture.save(file("designer-tile-menu")));
    canvas.menu()->close();

    QWidget page;
    auto* column = new QVBoxLayout(&page);
    column->setContentsMargins(20, 20, 20, 20);
    auto* section = new WhenAppliedSection(*model, services, stored("Work"), &page);
    section->openOnLaunch().setExpanded(true);
    column->addWidget(section);
    column->addStretch();
    page.move(40, 40);
    page.show();
    page.resize(700, 600);
    settleWidgets();
    saveWindowPicture(page, file("when-applied"));
}

} // namespace
} // namespace quillmere
