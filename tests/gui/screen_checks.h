#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace orvel::testing {

// The window's control of that name and kind; a missing one ends the test run.
template <class Control> Control* control(const QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control named %s", name);
    }
    return found;
}

// The lines a list shows, in order.
inline QStringList linesShown(const QAbstractItemView& list) {
    QStringList lines;
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        lines << list.model()->index(row, 0).data().toString();
    }
    return lines;
}

// The text a label, a line edit or a button shows, or the title of a group box.
inline QString textShown(const QWidget& widget) {
    return widget.property("text").toString() + widget.property("title").toString();
}

// Shows the window and makes it the active one, so that keys reach its focused control.
inline bool showActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// Where a window of this size stands once centred on its screen (the halving drops the fraction).
inline QPoint centredPosition(const QWidget& window) {
    const QSize area = window.screen()->geometry().size();
    const QSize size = window.frameGeometry().size();
    return {(area.width() - size.width()) / 2, (area.height() - size.height()) / 2};
}

} // namespace orvel::testing
