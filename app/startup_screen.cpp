#include "app/startup_screen.h"

#include "widgets/accessible_roles.h"
#include "widgets/window_style.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace orvel {

StartupScreen::StartupScreen(const QString& title, int widthTwips, int heightTwips)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    installAccessibleRoles(); // a window, not a filler
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setFixedSize(twips(widthTwips), twips(heightTwips));
    centreOnScreen(this);
}

void StartupScreen::leave() {
    leaving_ = true;
    close();
}

void StartupScreen::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (!leaving_) {
        emit closedByUser();
    }
}

QGroupBox* StartupScreen::addFrame(QRect geometry) {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(geometry);
    return frame;
}

void StartupScreen::placeLabel(QLabel* label, const char* name, QRect geometry,
                               Qt::Alignment horizontalAlignment) {
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(horizontalAlignment | Qt::AlignTop);
}

QLabel* StartupScreen::addLabel(QWidget* container, const char* name, const QString& text,
                                QRect geometry, Qt::Alignment horizontalAlignment) {
    auto* label = new QLabel(text, container);
    placeLabel(label, name, geometry, horizontalAlignment);
    return label;
}

QPushButton* StartupScreen::addSuiteButton(const char* name, QRect geometry) {
    auto* button = new QPushButton(QStringLiteral("Suite"), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Outside a dialog a button answers Enter only when asked to.
    button->setAutoDefault(true);
    button->setFocus();
    return button;
}

} // namespace orvel
