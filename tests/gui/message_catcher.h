#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <vector>

namespace orvel::testing {

// What the user saw in a message box.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool okOnly = false;

    // The program's own kind of box: its title, the text alone, no icon, OK the only button.
    [[nodiscard]] bool isProgramBox() const {
        return title == QStringLiteral("Orvel_Reference") && icon == QMessageBox::NoIcon &&
               okOnly && buttonCount == 1;
    }
};

// Watches for modal message boxes while it lives, records each and closes it with OK, so that a
// test can drive an action that shows one and then check what it said.
class MessageCatcher {
public:
    MessageCatcher() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { closeOpenBox(); });
        timer_.start();
    }

    [[nodiscard]] const std::vector<SeenMessage>& seen() const { return seen_; }
    [[nodiscard]] QStringList texts() const {
        QStringList texts;
        for (const SeenMessage& message : seen_) {
            texts << message.text;
        }
        return texts;
    }

private:
    void closeOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        SeenMessage message{box->windowTitle(), box->text(), box->icon(),
                            static_cast<int>(box->buttons().size()),
                            box->standardButtons() == QMessageBox::Ok};
        seen_.push_back(message);
        box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)->click()
                                                : box->reject();
    }

    QTimer timer_;
    std::vector<SeenMessage> seen_;
};

} // namespace orvel::testing
