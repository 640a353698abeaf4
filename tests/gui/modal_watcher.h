#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace orvel::testing {

// Hands every modal window of the given kind that opens while it lives to an action, once, so
// that a test can look at a modal window and close it.
template <class Window> class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(Window*)> action) : action_(std::move(action)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }

    [[nodiscard]] int seen() const { return seen_; }

private:
    void look() {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (window == nullptr || window == last_.data()) {
            return;
        }
        last_ = window;
        ++seen_;
        action_(window);
    }

    std::function<void(Window*)> action_;
    QTimer timer_;
    QPointer<Window> last_; // cleared when it is destroyed: a new window may take its address
    int seen_ = 0;
};

} // namespace orvel::testing
