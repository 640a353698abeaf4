#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>

namespace orvel::testing {

// The window's control of that name and kind; a missing one ends the test run.
template <class Control = QWidget> Control* control(const QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control named %s", name);
    }
    return found;
}

// The lines a list shows, in order; given a width, their first columns, trimmed.
inline QStringList linesShown(const QAbstractItemView& list, int width = -1) {
    QStringList lines;
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        const QString line = list.model()->index(row, 0).data().toString();
        lines << (width < 0 ? line : line.left(width).trimmed());
    }
    return lines;
}

// Fails the test on any warning from Qt but the offscreen platform's own: a control used wrongly,
// a painter that never began, a missing object.
inline void failOnQtWarnings() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
}

// Shows the window and makes it the active one, so that keys reach its focused control.
inline bool showActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// Hands every modal window of the given kind that opens while it lives to an action, once, so
// that a test can look at a modal window and close it.
template <class Window> class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(Window*)> action) : action_(std::move(action)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            if (window != nullptr && window != last_.data()) {
                last_ = window;
                ++seen;
                action_(window);
            }
        });
        timer_.start(10);
    }

    int seen = 0; // the windows handed over

private:
    std::function<void(Window*)> action_;
    QTimer timer_;
    QPointer<Window> last_; // cleared when it is destroyed: a new window may take its address
};

// Records the text of every modal message box that opens while it lives and closes it.
// A box that is not of the program's kind (its title, the text alone, no icon, OK alone), or that
// shows while the busy pointer is still up, is recorded with "!" before its text.
struct MessageCatcher {
    QStringList texts;
    ModalWatcher<QMessageBox> watcher{[this](QMessageBox* box) {
        const bool programBox =
            box->windowTitle() == QStringLiteral("Orvel_Reference") &&
            box->icon() == QMessageBox::NoIcon && box->standardButtons() == QMessageBox::Ok &&
            box->buttons().size() == 1 && QApplication::overrideCursor() == nullptr;
        texts << (programBox ? QString() : QStringLiteral("!")) + box->text();
        box->accept();
    }};
};

} // namespace orvel::testing
