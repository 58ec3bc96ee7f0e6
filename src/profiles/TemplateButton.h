#pragma once

#include "core/LayoutSnapshot.h"

#include <QAbstractButton>
#include <functional>

namespace quillmere {

// One layout template as a thumbnail with its name below; a click applies it. Disabled while the Desktop is
// not tiled, when it fades and explains why.
class TemplateButton : public QAbstractButton {
  public:
    static constexpr double disabledOpacity = 0.35;

    TemplateButton(LayoutSnapshot layout, QString name, QWidget* parent = nullptr);

    std::function<void()> apply = [] {};

    bool hovering() const { return hovering_; }
    // The name's share of its full size, down to 0.8 when it does not fit.
    double nameScale() const;
    // How wide the name is drawn; the button widens past its usual frame for a name that even at 0.8 of its
    // size does not fit, so that no name is cut.
    double nameWidth() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void updateToolTip();
    QFont nameFont(double scale) const;

    LayoutSnapshot layout_;
    QString name_;
    bool hovering_ = false;
};

} // namespace quillmere
