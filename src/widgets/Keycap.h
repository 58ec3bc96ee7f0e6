#pragma once

#include <QWidget>

namespace quillmere {

// One rounded key cap with a short text, at least 20 by 20 points; a dimmed cap stands for something not
// bound.
class Keycap : public QWidget {
  public:
    Keycap(const QString& text, bool dimmed, QWidget* parent = nullptr);

    QString text() const { return text_; }
    bool dimmed() const { return dimmed_; }
    static constexpr double dimmedOpacity = 0.4;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    bool dimmed_;
};

// A small capsule with a count ("2 changed").
class Badge : public QWidget {
  public:
    explicit Badge(const QString& text, QWidget* parent = nullptr);

    QString text() const { return text_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
};

} // namespace quillmere
