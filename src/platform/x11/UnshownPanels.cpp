#include "platform/x11/UnshownPanels.h"

#include "platform/LifetimeGuard.h"
#include "platform/Log.h"

#include <chrono>

namespace quillmere {
namespace {

class UnshownPanel final : public Panel {
  public:
    explicit UnshownPanel(MainQueue& queue) : queue_(queue) {}

    void setFrame(const Rect&) override {}
    void order(WindowOrderingMode, WindowId) override {}
    void orderFrontRegardless() override {}
    void orderOut() override {}
    void setAlpha(double) override {}
    void animateAlpha(double, double seconds, std::function<void()> completion) override {
        const auto duration =
            std::chrono::duration_cast<MainQueue::Duration>(std::chrono::duration<double>(seconds));
        queue_.after(duration, lifetime_.guarded([completion = std::move(completion)] {
            if (completion)
                completion();
        }));
    }
    void setContent(std::shared_ptr<const PanelView>) override {}
    void setBackground(Color) override {}

  private:
    MainQueue& queue_;
    LifetimeGuard lifetime_;
};

} // namespace

std::unique_ptr<Panel> UnshownPanels::makePanel(const PanelStyle&) {
    if (!told_) {
        told_ = true;
        log(LogLevel::default_, "panels (focus border, shade, overlay): not drawn on the X11 desktop yet");
    }
    return std::make_unique<UnshownPanel>(queue_);
}

} // namespace quillmere
