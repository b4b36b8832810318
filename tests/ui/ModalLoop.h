#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QWidget>
#include <deque>
#include <functional>

// Drives windows that run in Qt's own modal loop, as the running program shows them. Each
// step waits for the next active modal window of its class and acts on it, as a user
// would. Waiting is done on the event loop and bounded: a window that does not come within
// the time limit fails the test and every open modal window is closed, so that nothing
// hangs. This is the only place where tests wait on the event loop.
class ModalLoop {
public:
    ModalLoop();
    ~ModalLoop();

    template <typename Window>
    ModalLoop& then(std::function<void(Window&)> act) {
        steps_.push_back({Window::staticMetaObject.className(), [act](QWidget& widget) {
                              auto* window = qobject_cast<Window*>(&widget);
                              if (window != nullptr) {
                                  act(*window);
                              }
                              return window != nullptr;
                          }});
        return *this;
    }

    // Runs `start`, which opens the first window and returns when the last has closed, with
    // the steps acting on the windows as they come.
    void run(const std::function<void()>& start);

    bool finished() const { return steps_.empty(); }

private:
    struct Step {
        const char* windowClass;
        std::function<bool(QWidget&)> act;
    };
    void poll();
    void giveUp();

    std::deque<Step> steps_;
    // Owns the queued polls: they go with the loop, and never reach a later test.
    QObject polls_;
    int pollsLeft_ = 0;
    bool running_ = false;
};
