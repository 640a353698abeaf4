#include "widgets/accessible_roles.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QTextBrowser>

namespace orvel {
namespace {

// An editable combo box: its value is its text, its name its caption (the label whose buddy it
// is, or its accessible name); its children are its text field and its list.
class CaptionedComboBox : public QAccessibleWidget {
public:
    explicit CaptionedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? box()->currentText() : QAccessibleWidget::text(kind);
    }
    [[nodiscard]] int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        return index == QAccessibleWidget::childCount()
                   ? QAccessible::queryAccessibleInterface(box()->view())
                   : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child->object() == box()->view() ? QAccessibleWidget::childCount()
                                                : QAccessibleWidget::indexOfChild(child);
    }
    [[nodiscard]] QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            box()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    [[nodiscard]] QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// A read-only text browser as a document: its text, caret and selection, offsets counted as
// QTextDocument counts positions.
class ReadOnlyDocument : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyDocument(QTextBrowser* browser)
        : QAccessibleWidget(browser, QAccessible::Document) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override {
        const QTextCursor cursor = browser()->textCursor();
        const bool selected = index == 0 && cursor.hasSelection();
        *start = selected ? cursor.selectionStart() : 0;
        *end = selected ? cursor.selectionEnd() : 0;
    }
    [[nodiscard]] int selectionCount() const override {
        return browser()->textCursor().hasSelection() ? 1 : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int /*index*/) override { setCursorPosition(cursorPosition()); }
    void setSelection(int /*index*/, int start, int end) override {
        browser()->setTextCursor(cursorOver(start, end));
    }
    [[nodiscard]] int cursorPosition() const override { return browser()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    // The text as the viewer shows it, one character per position: line ends and the marks of
    // tables and frames as line breaks, no-break spaces as spaces.
    [[nodiscard]] QString text(int start, int end) const override {
        const QTextCursor range = cursorOver(start, end);
        return browser()->toPlainText().mid(range.selectionStart(),
                                            range.selectionEnd() - range.selectionStart());
    }
    [[nodiscard]] int characterCount() const override {
        return browser()->document()->characterCount() - 1;
    }
    [[nodiscard]] QRect characterRect(int offset) const override {
        const QTextCursor cursor = cursorOver(offset, offset + 1);
        const QRect caret = browser()->cursorRect(cursorOver(offset, offset));
        const int width =
            QFontMetrics(cursor.charFormat().font()).horizontalAdvance(cursor.selectedText());
        return {browser()->viewport()->mapToGlobal(caret.topLeft()), QSize(width, caret.height())};
    }
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
        return browser()->cursorForPosition(browser()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int end) override {
        setSelection(0, start, end);
        browser()->ensureCursorVisible();
    }
    // No attribute runs: the whole text is one.
    QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    [[nodiscard]] QTextBrowser* browser() const { return static_cast<QTextBrowser*>(widget()); }
    [[nodiscard]] QTextCursor cursorOver(int start, int end) const {
        const int last = characterCount();
        QTextCursor cursor(browser()->document());
        cursor.setPosition(std::clamp(start, 0, last));
        cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
        return cursor;
    }
};

// Asked for each class of the object from its own up to QObject, before Qt's own interfaces.
QAccessibleInterface* accessibleInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (className == QLatin1String("QComboBox")) {
        return new CaptionedComboBox(static_cast<QComboBox*>(widget));
    }
    if (className == QLatin1String("QTextBrowser")) {
        return new ReadOnlyDocument(static_cast<QTextBrowser*>(widget));
    }
    if (className == QLatin1String("QWidget") && widget->isWindow()) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void installAccessibleRoles() {
    QAccessible::installFactory(accessibleInterface);
}

} // namespace orvel
