#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

namespace orvel {

// A screen of the start-up sequence: a fixed-size window centred on the screen whose one
// focusable control is its "Suite" button. It either leads on to the next window or is closed
// through the window system, which ends the program.
class StartupScreen : public QWidget {
    Q_OBJECT

public:
    // The client area is given in twips. The screen deletes itself once closed.
    StartupScreen(const QString& title, int widthTwips, int heightTwips);

signals:
    // Closed otherwise than by leave(): no window follows.
    void closedByUser();

protected:
    // Closes the screen on the way to the next window.
    void leave();

    void closeEvent(QCloseEvent* event) override;

    // The screen's parts, placed within their container. Frame1 holds the labels.
    QGroupBox* addFrame(QRect geometry);
    // Names and places a one-line label, its text at the top as the screens were drawn.
    static void placeLabel(QLabel* label, const char* name, QRect geometry,
                           Qt::Alignment horizontalAlignment);
    static QLabel* addLabel(QWidget* container, const char* name, const QString& text,
                            QRect geometry, Qt::Alignment horizontalAlignment);
    // The "Suite" button: it has the focus and the Enter key presses it.
    QPushButton* addSuiteButton(const char* name, QRect geometry);

private:
    bool leaving_ = false;
};

} // namespace orvel
