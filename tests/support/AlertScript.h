#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace quillmere {

// The box's button of that title; none when it has no such button.
inline QAbstractButton* alertButton(QMessageBox& box, const QString& title) {
    for (QAbstractButton* button : box.buttons())
        if (button->text() == title)
            return button;
    return nullptr;
}

// Acts as the user on the modal message boxes the code under test opens: one step per box, in order, run
// from inside that box's own event loop. Fails the test when it goes with steps that found no box.
class AlertScript {
  public:
    using Step = std::function<void(QMessageBox&)>;

    explicit AlertScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(0);
    }
    ~AlertScript() { EXPECT_EQ(next_, steps_.size()) << "fewer alerts opened than expected"; }
    AlertScript(const AlertScript&) = delete;
    AlertScript& operator=(const AlertScript&) = delete;

    // A step that clicks the button of that title.
    static Step click(const QString& title) {
        return [title](QMessageBox& box) {
            QAbstractButton* button = alertButton(box, title);
            ASSERT_TRUE(button) << title.toStdString();
            button->click();
        };
    }

    std::size_t opened() const { return next_; }

  private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == last_ || !box->isVisible() || next_ >= steps_.size())
            return;
        last_ = box;
        steps_[next_++](*box);
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QPointer<QMessageBox> last_;
    QTimer timer_;
};

} // namespace quillmere
