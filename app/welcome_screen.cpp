#include "app/welcome_screen.h"

#include "app/information_texts.h"
#include "data/legacy_file.h"
#include "widgets/event_hooks.h"
#include "widgets/qt_text.h"
#include "widgets/window_style.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace orvel {
namespace {

constexpr double kLabelPoints = 13.5;

} // namespace

QLabel* Acceuil::addCallSign(QWidget* frame, const char* name, const QString& text,
                             QRect geometry) {
    auto* label = new QLabel(text, frame);
    placeLabel(label, name, geometry, Qt::AlignLeft);
    label->setFont(sansSerifFont(kLabelPoints, false, true));
    label->setToolTip(QStringLiteral("Cliquez"));
    return label;
}

Acceuil::Acceuil(std::filesystem::path programDirectory, std::chrono::milliseconds timer1Interval)
    : StartupScreen(QStringLiteral("Orvel Reference"), 9120, 3615),
      programDirectory_(std::move(programDirectory)), Timer1(new QTimer(this)) {
    QGroupBox* frame = addFrame(twipRect(120, 0, 8895, 3495));

    const QFont bold = sansSerifFont(kLabelPoints, true);
    const QFont plain = sansSerifFont(kLabelPoints);
    addLabel(frame, "Label2", QStringLiteral("Index des références des diplômes radio Francais"),
             twipRect(120, 480, 8655, 375), Qt::AlignHCenter)
        ->setFont(bold);
    addLabel(frame, "Label3", QStringLiteral("d'après une compilation de"),
             twipRect(1680, 960, 4335, 375), Qt::AlignRight)
        ->setFont(bold);
    QLabel* compiler =
        addCallSign(frame, "Label1", QStringLiteral("Tornim"), twipRect(6120, 960, 1215, 375));
    addLabel(frame, "Label5",
             QStringLiteral("Pour toutes activités se référer au diplome manager du département"),
             twipRect(120, 1920, 8655, 375), Qt::AlignHCenter)
        ->setFont(plain);
    addLabel(frame, "Label4", QStringLiteral("Création du logiciel par"),
             twipRect(120, 2880, 5535, 375), Qt::AlignRight)
        ->setFont(bold);
    QLabel* author =
        addCallSign(frame, "Label6", QStringLiteral("Pelkar"), twipRect(5760, 2880, 1215, 375));

    QPushButton* suite = addSuiteButton("Command1", twipRect(7680, 2880, 1095, 375));
    suite->setFont(sansSerifFont(9.75));

    onClick(compiler, [this] { showCredits(compilerCredits()); });
    onClick(author, [this] { showCredits(authorCredits()); });
    connect(suite, &QPushButton::clicked, this, &Acceuil::Command1_Click);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    // Counted to the millisecond: Qt would otherwise round a timer this long to whole seconds.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(timer1Interval);
    connect(Timer1, &QTimer::timeout, this, &Acceuil::Timer1_Timer);
    Timer1->start();
}

void Acceuil::closeEvent(QCloseEvent* event) {
    Timer1->stop();
    StartupScreen::closeEvent(event);
}

void Acceuil::Timer1_Timer() {
    leave();
    emit timeUp();
}

void Acceuil::Command1_Click() {
    removeLegacyFile(programDirectory_);
    leave();
    emit suiteChosen();
}

void Acceuil::showCredits(const std::string& textUtf8) {
    Timer1->stop();
    showMessage(this, fromUtf8(textUtf8));
    // A full new interval, unless the screen was closed meanwhile.
    if (isVisible()) {
        Timer1->start();
    }
}

} // namespace orvel
