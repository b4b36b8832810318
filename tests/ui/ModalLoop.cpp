#include "ModalLoop.h"

#include <QDialog>
#include <QTimer>

namespace {

constexpr int kPollMs = 5;
constexpr int kLimitMs = 10000;

}  // namespace

ModalLoop::ModalLoop() = default;

ModalLoop::~ModalLoop() {
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " windows never came, the first "
                                << (steps_.empty() ? "" : steps_.front().windowClass);
}

void ModalLoop::run(const std::function<void()>& start) {
    running_ = true;
    pollsLeft_ = kLimitMs / kPollMs;
    QTimer::singleShot(kPollMs, &polls_, [this] { poll(); });
    start();
    running_ = false;
}

void ModalLoop::poll() {
    if (!running_ || steps_.empty()) {
        return;
    }
    // The next poll is queued first: the step may open a window of its own, whose loop
    // must still see the steps after it.
    if (--pollsLeft_ <= 0) {
        giveUp();
        return;
    }
    QTimer::singleShot(kPollMs, &polls_, [this] { poll(); });
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || !window->isVisible()) {
        return;
    }
    Step step = steps_.front();
    if (window->inherits(step.windowClass)) {
        steps_.pop_front();
        pollsLeft_ = kLimitMs / kPollMs;
        step.act(*window);
    }
}

void ModalLoop::giveUp() {
    const QWidget* active = QApplication::activeModalWidget();
    ADD_FAILURE() << "the window " << steps_.front().windowClass << " did not come; "
                  << (active ? active->metaObject()->className() : "no window") << " was open";
    steps_.clear();
    while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialog->QDialog::done(QDialog::Rejected);
    }
}
