#pragma once

#include <QWidget>

namespace quillmere {

// The faintly filled rounded box the profile editor's sections sit in.
class SectionBox : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quillmere
