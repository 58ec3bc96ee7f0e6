#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

class SimulatedDesktop::SimPanel final : public Panel {
  public:
    SimPanel(SimulatedDesktop& desktop, std::uint64_t id)
        : desktop_(desktop), alive_(desktop.lifetime_.watch()), id_(id) {}

    ~SimPanel() override {
        if (alive_.alive())
            desktop_.panels_.erase(id_);
    }

    void setFrame(const Rect& frame) override {
        if (sim::Panel* shown = record())
            shown->frame = frame;
    }

    void order(WindowOrderingMode mode, WindowId relativeTo) override {
        sim::Panel* shown = record();
        if (!shown)
            return;
        shown->ordering = mode;
        shown->relativeTo = mode == WindowOrderingMode::out ? 0 : relativeTo;
        shown->hiddenByDeactivation = false;
        desktop_.showPanel(id_, mode != WindowOrderingMode::out);
    }

    void orderFrontRegardless() override { order(WindowOrderingMode::above, 0); }
    void orderOut() override { order(WindowOrderingMode::out, 0); }

    void setAlpha(double alpha) override {
        if (sim::Panel* shown = record()) {
            shown->alpha = alpha;
            shown->fade.reset();
        }
    }

    void animateAlpha(double to, double seconds, std::function<void()> completion) override {
        sim::Panel* shown = record();
        if (!shown)
            return;
        const auto duration =
            std::chrono::duration_cast<MainQueue::Duration>(std::chrono::duration<double>(seconds));
        const sim::Fade fade{desktop_.nextFade_++, to};
        shown->fade = fade;
        // Holds nothing of this handle: the panel's owner destroys it together with the completion's context.
        desktop_.queue_.after(duration, [desktop = &desktop_, alive = alive_, id = id_, fade,
                                         completion = std::move(completion)] {
            if (!alive.alive() || !desktop->panels_.contains(id))
                return;
            sim::Panel& faded = desktop->panels_.at(id);
            if (faded.fade && faded.fade->id == fade.id) {
                faded.alpha = fade.to;
                faded.fade.reset();
            }
            completion();
        });
    }

    void setContent(std::shared_ptr<const PanelView> view) override {
        if (sim::Panel* shown = record())
            shown->content = std::move(view);
    }

    void setBackground(Color color) override {
        if (sim::Panel* shown = record())
            shown->style.background = color;
    }

  private:
    sim::Panel* record() {
        if (!alive_.alive())
            return nullptr;
        const auto found = desktop_.panels_.find(id_);
        if (found == desktop_.panels_.end())
            return nullptr;
        // Every caller is about to change the panel.
        desktop_.changed();
        return &found->second;
    }

    SimulatedDesktop& desktop_;
    LifetimeGuard::Watch alive_;
    std::uint64_t id_;
};

std::unique_ptr<Panel> SimulatedDesktop::makePanel(const PanelStyle& style) {
    const std::uint64_t id = nextPanel_++;
    panels_.emplace(id, sim::Panel{.style = style});
    return std::make_unique<SimPanel>(*this, id);
}

// A panel comes on screen at once (an animating one fading in from there) and, when it animates, leaves
// only once the system's animation has taken it off.
void SimulatedDesktop::showPanel(std::uint64_t id, bool shown) {
    sim::Panel& panel = panels_.at(id);
    if (shown) {
        panel.visible = true;
        panel.orderOutAnimation.reset();
        return;
    }
    if (!panel.visible || panel.orderOutAnimation)
        return;
    if (!panel.style.animates) {
        panel.visible = false;
        return;
    }
    const std::uint64_t animation = nextOrderAnimation_++;
    panel.orderOutAnimation = animation;
    queue_.after(panelOrderOutTime, lifetime_.guarded([this, id, animation] {
        if (!panels_.contains(id))
            return;
        sim::Panel& animated = panels_.at(id);
        if (animated.orderOutAnimation != animation)
            return;
        animated.visible = false;
        animated.orderOutAnimation.reset();
    }));
}

// The system takes the panels that hide on deactivation off screen at once, and brings them back when the
// application is active again.
void SimulatedDesktop::ownApplicationActivated(bool active) {
    for (auto& [id, panel] : panels_) {
        if (!panel.style.hidesOnDeactivate)
            continue;
        if (active && panel.hiddenByDeactivation) {
            panel.hiddenByDeactivation = false;
            panel.visible = true;
        } else if (!active && panel.visible && panel.ordering != WindowOrderingMode::out) {
            panel.hiddenByDeactivation = true;
            panel.visible = false;
        }
    }
}

std::vector<const sim::Panel*> SimulatedDesktop::panels() const {
    std::vector<const sim::Panel*> result;
    for (const auto& [id, panel] : panels_)
        result.push_back(&panel);
    return result;
}

} // namespace quillmere
