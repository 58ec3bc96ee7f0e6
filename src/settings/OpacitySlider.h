#pragma once

#include "core/Settings.h"

#include <QLabel>
#include <QSlider>
#include <QWidget>
#include <functional>

namespace quillmere {

// A slider over a range of shares with its value as a percentage beside it. The percentage follows the
// knob while it is dragged, but the value is written once, when the drag ends (a key step writes at once),
// so that a drag makes one save and one undo step. A value outside the range shows at the nearest end and
// stays as it is until the user moves the slider.
class OpacitySlider final : public QWidget {
  public:
    // Values are kept to hundredths, the slider's step.
    static constexpr int stepsPerUnit = 100;

    OpacitySlider(const QString& title, Settings::ClosedRange range, QWidget* parent = nullptr);

    std::function<void(double)> onChange = [](double) {};

    void setValue(double value);
    double shownValue() const;
    QString percentage() const { return percentage_->text(); }
    QSlider* slider() { return slider_; }

  private:
    double valueAt(int position) const;
    void showPercentage(int position);

    Settings::ClosedRange range_;
    QSlider* slider_;
    QLabel* percentage_;
};

} // namespace quillmere
