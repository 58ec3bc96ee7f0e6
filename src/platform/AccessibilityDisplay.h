#pragma once

namespace quillmere {

// How the user asked the system to show things on screen.
class AccessibilityDisplay {
  public:
    virtual ~AccessibilityDisplay() = default;

    // Movement on screen, such as windows gliding to new frames, should be left out.
    virtual bool shouldReduceMotion() = 0;
};

} // namespace quillmere
