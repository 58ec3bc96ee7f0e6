#pragma once

#include "app/WelcomeModel.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <string>

namespace quillmere {

class SetupCheckRow;

// The guide's window: the page of the model, drawn again whenever what it shows changes, with the footer's
// "Skip" and main button. 560 by 460 points, closable but neither resizable nor minimizable.
class WelcomeView final : public QWidget {
  public:
    static constexpr int guideWidth = 560;
    static constexpr int guideHeight = 460;

    // `openSettings` opens a System Settings address for a setup check.
    WelcomeView(WelcomeModel& model, std::function<void(const std::string&)> openSettings);

    // Told when the window closes, however it is closed.
    std::function<void()> onClosed = [] {};

    // Draws the model's page again when what it shows has changed.
    void reload();

    // The page shown; the one it replaced may still wait for deletion beside it.
    QWidget* currentPage() const { return page_; }
    QPushButton* mainButton() const { return main_; }
    // None on the last page.
    QPushButton* skipButton() const { return skip_; }
    const std::vector<SetupCheckRow*>& checkRows() const { return checkRows_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // What a page shows: drawn again only when this changes.
    struct Shown {
        WelcomeModel::Page page;
        bool trusted;
        std::vector<SetupCheck> checks;
        std::optional<std::string> preset;
        Settings::KeyMap keys;
        friend bool operator==(const Shown&, const Shown&) = default;
    };

    Shown shownNow() const;
    void build();
    void addPermissionPage(QVBoxLayout* page);
    void addMacOSPage(QVBoxLayout* page);
    void addPresetsPage(QVBoxLayout* page);
    void addKeysPage(QVBoxLayout* page);
    void addFooter(QVBoxLayout* page);
    QWidget* presetRow(const std::optional<KeyPreset>& preset, const QString& title, const QString& detail);

    WelcomeModel& model_;
    std::function<void(const std::string&)> openSettings_;
    QWidget* page_ = nullptr;
    QPushButton* main_ = nullptr;
    QPushButton* skip_ = nullptr;
    std::vector<SetupCheckRow*> checkRows_;
    std::optional<Shown> shown_;
};

} // namespace quillmere
