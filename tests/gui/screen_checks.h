#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace orvel::testing {

// A rectangle of the screen layouts, given in twips: 15 twips are one pixel.
inline QRect pixelsOfTwips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

// Where a window of this size stands once centred on its screen (the halving drops the fraction).
inline QPoint centredPosition(const QWidget& window) {
    const QSize area = window.screen()->geometry().size();
    const QSize size = window.frameGeometry().size();
    return {(area.width() - size.width()) / 2, (area.height() - size.height()) / 2};
}

// The names of the controls of the window that can take the keyboard focus.
inline QStringList focusableControls(const QWidget& window) {
    QStringList names;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (child->focusPolicy() != Qt::NoFocus) {
            names << child->objectName();
        }
    }
    return names;
}

// Whether the label shows its whole text on its one line.
inline bool showsWholeText(const QLabel& label) {
    return label.fontMetrics().horizontalAdvance(label.text()) <= label.width();
}

// Shows the window and makes it the active one, so that keys reach its focused control.
inline bool showActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

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

// Writes a small file at the path, for a test about the files the program finds or removes.
inline void writeFile(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("DFCF\r\n");
}

} // namespace orvel::testing
