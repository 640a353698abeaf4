#include "widgets/event_hooks.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace orvel {
namespace {

// Hands the widget's events to a handler, which says whether it took them.
class EventHook : public QObject {
public:
    EventHook(QWidget* widget, std::function<bool(QEvent*)> handler)
        : QObject(widget), handler_(std::move(handler)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override { return handler_(event); }

private:
    std::function<bool(QEvent*)> handler_;
};

bool isLeftButton(QEvent* event, QEvent::Type type) {
    return event->type() == type && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

} // namespace

void onEnterKey(QWidget* widget, std::function<void()> action) {
    new EventHook(widget, [action = std::move(action)](QEvent* event) {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) {
            return false;
        }
        action();
        return true;
    });
}

void onDoubleClick(QWidget* widget, std::function<void(QPoint)> action) {
    new EventHook(widget, [action = std::move(action)](QEvent* event) {
        if (!isLeftButton(event, QEvent::MouseButtonDblClick)) {
            return false;
        }
        action(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    });
}

void onClick(QWidget* widget, std::function<void()> action) {
    new EventHook(widget, [widget, action = std::move(action)](QEvent* event) {
        if (!isLeftButton(event, QEvent::MouseButtonRelease)) {
            return false;
        }
        if (widget->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            action();
        }
        return true;
    });
}

} // namespace orvel
