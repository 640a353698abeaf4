#pragma once

#include <QLabel>

namespace orvel {

// A label that answers a click, like the call signs that show their owner's credits.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace orvel
