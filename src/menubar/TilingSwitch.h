#pragma once

#include <QCheckBox>

class QVariantAnimation;

namespace quillmere {

// A small capsule switch, presented to accessibility as the check box "Tiling". A click does not flip it:
// it only reports the click, and the switch shows whatever its owner sets, so that it always follows the
// real state of tiling. The knob glides to its new end.
class TilingSwitch : public QCheckBox {
  public:
    static constexpr int width = 30;
    static constexpr int height = 16;
    static constexpr int glideMilliseconds = 150;

    explicit TilingSwitch(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(width, height); }
    QSize minimumSizeHint() const override { return sizeHint(); }
    // Where the knob is, from 0 at the leading end (off) to 1 at the trailing end (on).
    double knob() const { return knob_; }

  protected:
    void nextCheckState() override {}
    void checkStateSet() override;
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;

  private:
    QVariantAnimation* glide_;
    double knob_ = 0;
};

} // namespace quillmere
