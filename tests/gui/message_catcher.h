#pragma once

#include "tests/gui/modal_watcher.h"

#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace orvel::testing {

// Records the text of every modal message box that opens while it lives and closes it with OK.
// A box that is not of the program's kind (its title, the text alone, no icon, OK alone), or that
// shows while the busy pointer is still up, is recorded with "!" before its text.
class MessageCatcher {
public:
    [[nodiscard]] const QStringList& texts() const { return texts_; }

private:
    QStringList texts_;
    ModalWatcher<QMessageBox> watcher_{[this](QMessageBox* box) {
        const bool programBox =
            box->windowTitle() == QStringLiteral("Orvel_Reference") &&
            box->icon() == QMessageBox::NoIcon && box->standardButtons() == QMessageBox::Ok &&
            box->buttons().size() == 1 && QApplication::overrideCursor() == nullptr;
        texts_ << (programBox ? QString() : QStringLiteral("!")) + box->text();
        box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)->click()
                                                : box->reject();
    }};
};

} // namespace orvel::testing
