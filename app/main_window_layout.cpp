// The main window's controls and menus, placed at their fixed positions in twips.
#include "app/listing_captions.h"
#include "app/main_window.h"
#include "widgets/accessible_roles.h"
#include "widgets/line_list_model.h"
#include "widgets/qt_text.h"
#include "widgets/window_style.h"
#include "widgets/wrapping_button.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>

namespace orvel {
namespace {

// The client area, under the menu bar.
constexpr int kClientWidth = 13350;
constexpr int kClientHeight = 8865;
// The listing buttons stand side by side from the left.
constexpr int kFirstListingButtonLeft = 2400;
constexpr int kButtonPitch = 1680;

template <class Widget>
Widget* place(Widget* widget, std::string_view name, const QRect& geometry) {
    widget->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    widget->setGeometry(geometry);
    return widget;
}

QGroupBox* frame(QWidget* parent, const char* name, const QRect& geometry) {
    return place(new QGroupBox(parent), name, geometry);
}

QLabel* label(QWidget* parent, const char* name, const char* text, const QRect& geometry,
              const QFont& font, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* created = place(new QLabel(fromUtf8(text), parent), name, geometry);
    created->setFont(font);
    created->setAlignment(alignment | Qt::AlignTop);
    return created;
}

QPushButton* button(QWidget* parent, std::string_view name, std::string_view caption, int left) {
    auto* created =
        place(new WrappingButton(fromUtf8(caption), parent), name, twipRect(left, 8160, 1455, 495));
    created->setFont(sansSerifFont(8.25));
    return created;
}

} // namespace

void Main::buildControls() {
    installAccessibleRoles(); // the combo box named by its caption
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips(kClientWidth), twips(kClientHeight));
    client->setFont(sansSerifFont(9.75, true));
    setCentralWidget(client);

    auto* line1 = place(new QFrame(client), "Line1", QRect(twips(120), 0, twips(13080), 2));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);

    const QFont banner = sansSerifFont(18, true);
    const QFont small = sansSerifFont(8.25);
    const QFont smallBold = sansSerifFont(8.25, true);

    QGroupBox* frame5 = frame(client, "Frame5", twipRect(120, 120, 1455, 855));
    Pelkar = label(frame5, "Pelkar", "Pelkar", twipRect(120, 240, 1215, 495), sansSerifFont(18),
                   Qt::AlignHCenter);
    Pelkar->setToolTip(QStringLiteral("Cliquez"));

    QGroupBox* frame1 = frame(client, "Frame1", twipRect(1680, 120, 9975, 975));
    Label1 = label(frame1, "Label1", "Index des références ", twipRect(240, 120, 3855, 495), banner,
                   Qt::AlignRight);
    Nom_Ref =
        label(frame1, "Nom_Ref", "", twipRect(4080, 120, 1335, 495), banner, Qt::AlignHCenter);
    Label6 = label(frame1, "Label6", "affiché par ...", twipRect(5520, 120, 4215, 495), banner);
    Label5 = label(frame1, "Label5", "", twipRect(120, 600, 9495, 255), client->font(),
                   Qt::AlignHCenter);

    QGroupBox* frame4 = frame(client, "Frame4", twipRect(11760, 120, 1455, 855));
    Tornim = label(frame4, "Tornim", "Tornim", twipRect(120, 240, 1215, 495), sansSerifFont(18),
                   Qt::AlignHCenter);
    Tornim->setToolTip(QStringLiteral("Cliquez"));

    Frame2 = frame(client, "Frame2", twipRect(120, 1200, 13095, 6735));
    Frame2->setFont(small);
    Label2 = label(Frame2, "Label2", "", twipRect(120, 240, 12615, 255), small);

    // Over Frame2, as the list lies inside the frame on screen.
    List1 = place(new QListView(client), "List1", twipRect(360, 1680, 12615, 6000));
    listLines_ = new LineListModel(List1);
    List1->setModel(listLines_);
    List1->setUniformItemSizes(true);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setFont(listFont());
    List1->setToolTip(fromUtf8("Double cliquez sur une ligne pour plus de detail"));
    List1->setAccessibleName(fromUtf8("Liste des références"));
    setPaleYellow(List1);

    frame(client, "Frame3", twipRect(120, 7920, 13095, 855));
    // The two captions stand over Frame3 at (360, 120) and (1680, 120), but share the container
    // of the controls they name: only a sibling caption names a control to the screen reader.
    QLabel* label4 = label(client, "Label4", "Diplôme", twipRect(480, 8040, 855, 255), smallBold,
                           Qt::AlignHCenter);
    QLabel* label3 =
        label(client, "Label3", "Dpt", twipRect(1800, 8040, 375, 255), smallBold, Qt::AlignHCenter);

    Type_Activite = place(new QComboBox(client), "Type_Activite", twipRect(480, 8280, 1095, 360));
    Type_Activite->setEditable(true);
    // Typed text is the filter as typed: nothing completes it, corrects its case or adds it.
    Type_Activite->setCompleter(nullptr);
    Type_Activite->setInsertPolicy(QComboBox::NoInsert);
    Type_Activite->setFont(sansSerifFont(9.75));
    Type_Activite->setToolTip(fromUtf8("Selectionnez un diplôme"));
    setPaleYellow(Type_Activite);
    label4->setBuddy(Type_Activite);
    Type_Activite->lineEdit()->setAccessibleName(label4->text());
    Type_Activite->view()->setAccessibleName(fromUtf8("Liste des diplômes"));

    Dpart =
        place(new QLineEdit(QStringLiteral("01"), client), "Dpart", twipRect(1800, 8280, 375, 345));
    Dpart->setFont(sansSerifFont(9.75));
    Dpart->setToolTip(fromUtf8("Entrez un numero du département ou 00 pour tous les départements"));
    setPaleYellow(Dpart);
    label3->setBuddy(Dpart);
    // The short caption said in full, on the box and on its caption alike.
    Dpart->setAccessibleName(QStringLiteral("Département"));
    label3->setAccessibleName(Dpart->accessibleName());

    for (const ListingCaptions& row : kListingCaptions) {
        listingButtons_.at(static_cast<std::size_t>(row.order)) =
            button(client, row.buttonName, row.buttonCaption,
                   kFirstListingButtonLeft + static_cast<int>(row.order) * kButtonPitch);
    }
    Command1 = button(client, "Command1", " Rechercher une    référence par ...", 9720);
    Imprimer = button(client, "Imprimer", "Imprimer  la page affichée", 11400);
    Imprimer->setEnabled(false);
}

void Main::buildMenus() {
    auto addItem = [this](QWidget* menu, const char* name, const char* text, auto slot) {
        auto* item = new QAction(fromUtf8(text), menu);
        item->setObjectName(QString::fromLatin1(name));
        menu->addAction(item);
        connect(item, &QAction::triggered, this, slot);
    };

    QMenu* fichier = menuBar()->addMenu(QStringLiteral("Fichiers"));
    fichier->setObjectName(QStringLiteral("Mnu_Fichier"));
    addItem(fichier, "Mnu_BdD", "Révision de la base de données", &Main::Mnu_BdD_Click);
    buildLogControls(fichier);
    addItem(fichier, "Mnu_Quitter", "Quitter Orvel_Référence", &Main::Mnu_Quitter_Click);

    addItem(menuBar(), "Mnu_Aide", "Recommandations", &Main::Mnu_Aide_Click);

    QMenu* aide = menuBar()->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("Mnu_Help"));
    addItem(aide, "Mnu_Historique", "Historique", &Main::Mnu_Historique_Click);
    addItem(aide, "Mnu_Notice", "Notice d'utilisation", &Main::Mnu_Notice_Click);
    addItem(aide, "Mnu_A_Propos", "A Propos", &Main::Mnu_A_Propos_Click);
}

void Main::setKeyboardOrder() {
    QWidget* const order[] = {listingButton(ListingOrder::Commune),
                              Type_Activite,
                              List1,
                              listingButton(ListingOrder::Reference),
                              listingButton(ListingOrder::Canton),
                              Dpart,
                              Imprimer,
                              Command1,
                              listingButton(ListingOrder::PostalCode)};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    listingButton(ListingOrder::Commune)->setFocus();
}

} // namespace orvel
