#pragma once

#include <QPoint>
#include <functional>

class QWidget;

namespace orvel {

// Small behaviours added to a widget without subclassing it. Each hook lives as long as the
// widget and takes the event it handles: the widget itself never sees it.

// Return or the keypad's Enter pressed while the widget has the focus.
void onEnterKey(QWidget* widget, std::function<void()> action);

// A double-click of the left button, at a position in the widget's coordinates.
void onDoubleClick(QWidget* widget, std::function<void(QPoint)> action);

// A click of the left button: released over the widget after being pressed on it.
void onClick(QWidget* widget, std::function<void()> action);

} // namespace orvel
