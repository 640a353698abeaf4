#pragma once

#include <QPushButton>

namespace orvel {

// A push button whose caption wraps at blanks onto several centred lines, as the window's
// captions are written for; text() keeps the caption unchanged, blanks included.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    WrappingButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orvel
