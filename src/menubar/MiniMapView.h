#pragma once

#include "menubar/MenuRow.h"
#include "menubar/MiniMapModel.h"
#include "menubar/SpacesMapView.h"
#include "menubar/TilingSwitch.h"
#include "platform/MainQueue.h"
#include "platform/qt/Symbols.h"

#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace quillmere {

// What the mini map's content acts through, besides its model.
struct MiniMapViewServices {
    SpacesMapServices map;
    MainQueue& queue;
    std::filesystem::path configFile;
    // Ends the application.
    std::function<void()> quit;
};

// The mini map's content, 440 wide: a header with the status line, the Tiling switch and notices; the map
// of every display's Spaces; a footer with the profiles and the usual menu actions. It follows the model.
// Every action but the Tiling switch and Quit first calls `close`; most then run on a later turn of the
// main queue, when the panel has gone.
class MiniMapView : public QWidget {
  public:
    static constexpr int width = 440;
    static constexpr double cardHeight = 51;
    static constexpr double pausedMapOpacity = 0.5;

    MiniMapView(MiniMapModel& model, MiniMapViewServices services, std::function<void()> close,
                QWidget* parent = nullptr);
    ~MiniMapView() override;

    // Lays the view out at most that high: the map scrolls within what header and footer leave.
    void fitHeight(int maximum);

    QLabel* statusLine() const { return status_; }
    TilingSwitch* tilingSwitch() const { return switch_; }
    SpacesMapView* map() const { return map_; }
    QWidget* mapSection() const { return mapSection_; }
    QScrollArea* mapScroll() const { return mapScroll_; }
    // The rows shown, top to bottom, by title.
    MenuRow* row(const std::string& title) const;

  private:
    QWidget* header();
    QWidget* mapPart();
    QWidget* footer();
    MenuRow* actionRow(MenuRowLabel label, const std::string& help, std::function<void()> action);
    // Closes the panel, then runs the action once the queue next turns.
    std::function<void()> closingFirst(std::function<void()> action);
    void modelChanged();
    void showNotices();
    void showProfiles();
    void layOutNow();

    MiniMapModel& model_;
    MiniMapViewServices services_;
    std::function<void()> close_;
    DrawnSymbolImages symbols_;
    QLabel* status_ = nullptr;
    TilingSwitch* switch_ = nullptr;
    MenuRow* grantRow_ = nullptr;
    MenuRow* configRow_ = nullptr;
    QVBoxLayout* notices_ = nullptr;
    QWidget* mapSection_ = nullptr;
    QScrollArea* mapScroll_ = nullptr;
    SpacesMapView* map_ = nullptr;
    QVBoxLayout* profileRows_ = nullptr;
    // What the profile rows were built from, so that they are built again only when it changes.
    std::vector<std::string> profileRowsShown_;
    MiniMapModel::ObserverId observer_;
};

} // namespace quillmere
