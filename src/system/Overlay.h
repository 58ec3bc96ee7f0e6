#pragma once

#include "core/Direction.h"
#include "core/Geometry.h"
#include "platform/Color.h"
#include "platform/Displays.h"
#include "platform/HeldWork.h"
#include "platform/MainQueue.h"
#include "platform/Panels.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace quillmere {

class OverlayView;

// A click-through floating panel that marks a rectangle of the screen with a tinted rounded shape and a
// short label: what a drop would do, a brief notice, or where the next window goes. Main thread only.
class Overlay {
  public:
    // What the overlay says.
    class Kind {
      public:
        static Kind swap(std::string with) { return Kind(Swap{std::move(with)}); }
        static Kind insert(Direction side, std::string beside) {
            return Kind(Insert{side, std::move(beside)});
        }
        static Kind send(int toSpace) { return Kind(Send{toSpace}); }
        static Kind moveToDisplay(std::string name) { return Kind(MoveToDisplay{std::move(name)}); }
        static Kind refused(std::string text) { return Kind(Refused{std::move(text)}); }
        static Kind hint(std::string text) { return Kind(Hint{std::move(text)}); }
        static Kind fillHole() { return Kind(FillHole{}); }
        static Kind preselect() { return Kind(Preselect{}); }

        std::string label() const;
        // The name of a system symbol image.
        std::string symbol() const;
        SystemColor tint() const;

        friend bool operator==(const Kind&, const Kind&) = default;

      private:
        struct Swap {
            std::string with;
            friend bool operator==(const Swap&, const Swap&) = default;
        };
        struct Insert {
            Direction side;
            std::string beside;
            friend bool operator==(const Insert&, const Insert&) = default;
        };
        struct Send {
            int toSpace;
            friend bool operator==(const Send&, const Send&) = default;
        };
        struct MoveToDisplay {
            std::string name;
            friend bool operator==(const MoveToDisplay&, const MoveToDisplay&) = default;
        };
        struct Refused {
            std::string text;
            friend bool operator==(const Refused&, const Refused&) = default;
        };
        struct Hint {
            std::string text;
            friend bool operator==(const Hint&, const Hint&) = default;
        };
        struct FillHole {
            friend bool operator==(const FillHole&, const FillHole&) = default;
        };
        struct Preselect {
            friend bool operator==(const Preselect&, const Preselect&) = default;
        };
        using Value = std::variant<Swap, Insert, Send, MoveToDisplay, Refused, Hint, FillHole, Preselect>;

        explicit Kind(Value value) : value_(std::move(value)) {}

        Value value_;
    };

    Overlay(Panels& panels, Displays& displays, MainQueue& queue);
    ~Overlay();
    Overlay(const Overlay&) = delete;
    Overlay& operator=(const Overlay&) = delete;

    // Over the rectangle (global, origin top left) with that content. Does not stop a fade under way.
    void show(const Rect& rect, const Kind& kind);
    // Shows, then fades out after the duration.
    void flash(const Rect& rect, const Kind& kind, double seconds);
    // At once; a fade under way still runs its course.
    void hide();

    static constexpr double fadeSeconds = 0.3;

  private:
    Panel& panel();

    Panels& panels_;
    Displays& displays_;
    MainQueue& queue_;
    std::shared_ptr<const OverlayView> root_;
    HeldWork hideWork_{queue_};
    // Tells a fade's end whether a newer flash has come since the fade began.
    std::uint64_t flashes_ = 0;
    std::unique_ptr<Panel> panel_;
};

// The drawing of an overlay: the shape filled and stroked in the kind's tint, and the label with its
// symbol on a capsule in the middle.
class OverlayView final : public PanelView {
  public:
    static constexpr double cornerRadius = 16;
    static constexpr double strokeWidth = 2;

    explicit OverlayView(Overlay::Kind kind) : kind(std::move(kind)) {}

    // Stronger when the user asked for less transparency.
    static double fillOpacity(bool reduceTransparency) { return reduceTransparency ? 0.4 : 0.22; }

    const Overlay::Kind kind;
};

} // namespace quillmere
