#include "widgets/window_style.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace orvel {

void setPaleYellow(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, kPaleYellow);
    // What is drawn on the yellow goes with it: under a dark colour scheme, the scheme's pale
    // text would be unreadable on it.
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(80, 80, 80));
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

namespace {

QFont fontOf(const QStringList& families, double points) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    return font;
}

} // namespace

QFont sansSerifFont(double points, bool bold, bool underline) {
    QFont font = fontOf({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("DejaVu Sans")},
                        points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont listFont() {
    QFont font = fontOf({QStringLiteral("Lucida Console"), QStringLiteral("Liberation Mono"),
                         QStringLiteral("DejaVu Sans Mono")},
                        8.25);
    font.setBold(false); // not the bold of the window around the list
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

QFont printFont(double points) {
    QFont font = fontOf({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                         QStringLiteral("DejaVu Sans Mono")},
                        points);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen =
        window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QSize area = screen->geometry().size();
    const QSize size = window->frameGeometry().size();
    window->move((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
}

void showMessage(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace orvel
