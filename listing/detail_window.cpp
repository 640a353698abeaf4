#include "listing/detail_window.h"

#include "listing/detail_fields.h"
#include "widgets/qt_text.h"
#include "widgets/window_style.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvel {
namespace {

// One row of the field frame: its caption, its box, and where the box lies in the window.
struct Row {
    const char* caption;
    const char* boxName;
    std::string_view DetailFields::*field;
    int top;
    int width;
};

constexpr int kFieldFrameLeft = 120;
constexpr int kFieldFrameTop = 840;
constexpr int kBoxLeft = 2160;

// The boxes of 615 twips were made for MS Sans Serif, narrower than its stand-ins here: they show
// their values in the stand-ins' narrow cut, so that the widest diploma code ("WLOTA") and
// reference number show whole in the same box.
constexpr int kNarrowBoxWidth = 615;
QFont narrowBoxFont(QFont font) {
    font.setFamilies(
        {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
    return font;
}

const Row kRows[] = {
    {"Nom de la Commune", "Commune_N", &DetailFields::commune, 1200, 3255},
    {"Code Postal", "CP_N", &DetailFields::postalCode, 1680, 615},
    {"Nom du Diplôme", "Diplome_N", &DetailFields::diploma, 2160, 615},
    {"Référence de l'activité", "Ref_N", &DetailFields::reference, 2640, 615},
    {"Type de l'activité", "Type_N", &DetailFields::activityType, 3120, 735},
    {"Nom de l'activité", "Nom_N", &DetailFields::activityName, 3600, 3255},
    {"Nom du Canton", "Canton_N", &DetailFields::cantonName, 4080, 3615},
    {"N° du Canton", "Num_Canton", &DetailFields::cantonNumber, 4560, 615},
    {"Observation", "Obs_N", &DetailFields::observation, 5040, 1695},
};

} // namespace

Affichage::Affichage(std::string_view communeLine, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Affichage"));
    setWindowTitle(fromUtf8("Affichage d'une référence"));
    setFont(sansSerifFont(8.25));
    setFixedSize(twips(6135), twips(6135));

    auto* titleFrame = new QGroupBox(this);
    titleFrame->setGeometry(twipRect(120, 0, 5895, 735));
    auto* title = new QLabel(fromUtf8("Affichage d'une référence"), titleFrame);
    title->setGeometry(twipRect(120, 240, 5655, 375));
    title->setFont(sansSerifFont(12, true));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* fieldFrame = new QGroupBox(this);
    fieldFrame->setGeometry(twipRect(kFieldFrameLeft, kFieldFrameTop, 5895, 5175));
    const DetailFields fields = cutCommuneLine(communeLine);
    for (const Row& row : kRows) {
        // Over the field frame, at 120 from its left, but beside its box in the window: only a
        // sibling caption names a box to the screen reader.
        auto* caption = new QLabel(fromUtf8(row.caption), this);
        caption->setGeometry(twipRect(kFieldFrameLeft + 120, row.top, 1635, 255));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

        auto* box = new QLineEdit(fromCp1252(fields.*row.field), this);
        box->setObjectName(QString::fromLatin1(row.boxName));
        box->setGeometry(twipRect(kBoxLeft, row.top, row.width, 285));
        box->setCursorPosition(0);
        if (row.width == kNarrowBoxWidth) {
            box->setFont(narrowBoxFont(font()));
        }
        setPaleYellow(box);
        caption->setBuddy(box);
    }

    auto* quitter = new QPushButton(QStringLiteral("Quitter"), this);
    quitter->setObjectName(QStringLiteral("Quitter"));
    quitter->setGeometry(twipRect(2520, 5520, 1215, 375));
    // Enter in a box is no way out: only this button, the close box and Escape close the window.
    quitter->setAutoDefault(false);
    connect(quitter, &QPushButton::clicked, this, &QDialog::close);

    centreOnScreen(this);
}

} // namespace orvel
