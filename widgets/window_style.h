#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace orvel {

// The windows are laid out in twips: 15 twips make one pixel at 96 dots per inch.
constexpr int twips(int value) {
    return value / 15;
}
inline QRect twipRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

// Pale yellow of the text boxes, the combo box and the lists.
inline const QColor kPaleYellow{255, 255, 192};
void setPaleYellow(QWidget* widget);

// The window fonts. Windows fonts are absent here: each asks for its family first, then for
// metric-compatible ones.
QFont sansSerifFont(double points, bool bold = false, bool underline = false); // MS Sans Serif
QFont listFont();               // Lucida Console 8.25 pt
QFont printFont(double points); // Courier New

// Keeps the window's size and puts it in the middle of its screen, frame included once a window
// manager has framed it: each difference halved, the fraction dropped. On an axis where the
// window does not fit the screen's available area, it starts where that area starts.
void centreOnScreen(QWidget* window);

// The program's title, carried by every message box that is given no other.
inline const QString kProgramName = QStringLiteral("Orvel_Reference");

// A modal message box with the text alone, an OK button and no icon.
void showMessage(QWidget* parent, const QString& text, const QString& title = kProgramName);

} // namespace orvel
