#pragma once

#include "modal_watcher.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <vector>

namespace orvel::testing {

// What the user saw in a message box.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool okOnly = false;
    bool busyPointer = false; // the busy pointer was still up while the box showed

    // The program's own kind of box: its title, the text alone, no icon, OK the only button.
    [[nodiscard]] bool isProgramBox() const {
        return title == QStringLiteral("Orvel_Reference") && icon == QMessageBox::NoIcon &&
               okOnly && buttonCount == 1;
    }
};

// Records every modal message box that opens while it lives and closes it with OK, so that a
// test can drive an action that shows one and then check what it said.
class MessageCatcher {
public:
    [[nodiscard]] const std::vector<SeenMessage>& seen() const { return seen_; }
    [[nodiscard]] QStringList texts() const {
        QStringList texts;
        for (const SeenMessage& message : seen_) {
            texts << message.text;
        }
        return texts;
    }

private:
    std::vector<SeenMessage> seen_;
    ModalWatcher<QMessageBox> watcher_{[this](QMessageBox* box) {
        seen_.push_back(
            {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size()),
             box->standardButtons() == QMessageBox::Ok, QApplication::overrideCursor() != nullptr});
        box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)->click()
                                                : box->reject();
    }};
};

} // namespace orvel::testing
