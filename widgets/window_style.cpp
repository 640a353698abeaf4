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

namespace {

// Where a window of that extent starts, on one axis: centred on the screen, the difference halved
// with the fraction dropped; at the start of the available area when it does not fit there, so
// that nothing a user needs lies out of reach.
int startOf(int screenStart, int screenExtent, int availableStart, int availableExtent,
            int extent) {
    return extent > availableExtent ? availableStart : screenStart + (screenExtent - extent) / 2;
}

void placeOnScreen(QWidget* window) {
    const QScreen* screen = window->screen(); // the primary screen until the window has one
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QRect available = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(
        startOf(area.left(), area.width(), available.left(), available.width(), size.width()),
        startOf(area.top(), area.height(), available.top(), available.height(), size.height()));
}

// A window manager puts its frame round a window only once it shows: the window is placed again,
// frame included, at the first event that finds it framed.
class FrameWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* /*event*/) override {
        auto* window = static_cast<QWidget*>(watched);
        if (window->frameGeometry().size() != window->size()) {
            window->removeEventFilter(this);
            deleteLater();
            placeOnScreen(window);
        }
        return false;
    }
};

} // namespace

void centreOnScreen(QWidget* window) {
    placeOnScreen(window);
    window->installEventFilter(new FrameWatch(window));
}

void showMessage(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace orvel
