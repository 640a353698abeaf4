#include "app/clickable_label.h"

#include <QMouseEvent>

namespace orvel {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    // A press dragged off the label before release is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace orvel
