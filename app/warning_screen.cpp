#include "app/warning_screen.h"

#include "widgets/window_style.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace orvel {
namespace {

// The notice, one centred line per label from the top; Label8 to Label11 make one sentence.
struct NoticeLine {
    const char* name;
    int top;
    const char* text;
};
constexpr NoticeLine kNotice[] = {
    {"Label3", 1080,
     "Cette base de données a demandé des milliers d'heures de recherche sur deux ans,"},
    {"Label4", 1440, "et bien des heures seront encore nécessaires pour l'affiner."},
    {"Label5", 1800, "Ce logiciel est mis à votre disposition."},
    {"Label8", 2160,
     "Vous pouvez copier librement la base de données, à condition de la transmettre"},
    {"Label9", 2520, "complète et sans aucune modification ;"},
    {"Label10", 2880,
     "en faire circuler d'anciennes copies ne sert à rien, car la base évolue sans cesse"},
    {"Label11", 3240, "et toute version antérieure devient obsolète dès la première mise à jour."},
    {"Label1", 3600, "Un grand merci à Tornim pour son travail de compilation."},
};

constexpr int kLabelLeft = 120;
constexpr int kLabelWidth = 8175;
constexpr int kLineHeight = 255;

} // namespace

Avertissement::Avertissement() : StartupScreen(QStringLiteral("Avertissement"), 8625, 4710) {
    setFont(sansSerifFont(8.25));
    QGroupBox* frame = addFrame(twipRect(120, 0, 8415, 4575));

    addLabel(frame, "Label2", QStringLiteral("AVERTISSEMENT"),
             twipRect(kLabelLeft, 360, kLabelWidth, 375), Qt::AlignHCenter)
        ->setFont(sansSerifFont(13.5, true));
    for (const NoticeLine& line : kNotice) {
        addLabel(frame, line.name, QString::fromUtf8(line.text),
                 twipRect(kLabelLeft, line.top, kLabelWidth, kLineHeight), Qt::AlignHCenter);
    }

    QPushButton* suivant = addSuiteButton("Suivant", twipRect(3840, 3960, 975, 375));
    connect(suivant, &QPushButton::clicked, this, &Avertissement::Suivant_Click);
}

void Avertissement::Suivant_Click() {
    leave();
    emit suiteChosen();
}

} // namespace orvel
