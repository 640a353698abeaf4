#include "app/main_window.h"

#include "app/help_viewer.h"
#include "app/information_texts.h"
#include "app/listing_captions.h"
#include "data/catalogue.h"
#include "data/reference_file.h"
#include "data/version.h"
#include "listing/detail_window.h"
#include "listing/print_command.h"
#include "search/search_window.h"
#include "widgets/busy_pointer.h"
#include "widgets/event_hooks.h"
#include "widgets/line_list_model.h"
#include "widgets/qt_text.h"
#include "widgets/user_settings.h"
#include "widgets/window_style.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>

namespace orvel {

Main::Main(std::filesystem::path programDirectory, QWidget* parent)
    : QMainWindow(parent), programDirectory_(std::move(programDirectory)),
      referenceFile_(programDirectory_ / kReferenceFileName) {
    buildControls();
    buildMenus();
    setKeyboardOrder();
    connectEvents();
    setFixedSize(sizeHint());

    centreOnScreen(this);
    for (const Diploma& diploma : kDiplomaCatalogue) {
        Type_Activite->addItem(fromUtf8(diploma.code));
    }
    Type_Activite->setCurrentIndex(0);
    Type_Activite_Click();
    Historique_Versions = fromUtf8(versionHistory());
    Version_Logiciel = kVersionLogiciel;
    setWindowTitle(fromUtf8(mainWindowTitle(Version_Logiciel)));
    writeDirectorySetting();
}

void Main::connectEvents() {
    connect(Type_Activite, &QComboBox::activated, this, &Main::Type_Activite_Click);
    // Enter in the combo box, or leaving it, would otherwise choose the entry that matches the
    // typed text: typing changes neither the banner nor the selection, only choosing from the
    // list does.
    onEnterKey(Type_Activite, [] {});
    QObject::disconnect(Type_Activite->lineEdit(), &QLineEdit::editingFinished, Type_Activite,
                        nullptr);
    onEnterKey(Dpart, [this] { listingButton(ListingOrder::Commune)->setFocus(); });
    for (QPushButton* button : findChildren<QPushButton*>()) {
        onEnterKey(button, [button] { button->click(); });
    }
    for (const ListingOrderRow& row : kListingOrders) {
        connect(listingButton(row.order), &QPushButton::clicked, this,
                [this, order = row.order] { showListing(order); });
    }
    connect(Command1, &QPushButton::clicked, this, &Main::Command1_Click);
    connect(Imprimer, &QPushButton::clicked, this, &Main::Imprimer_Click);
    onDoubleClick(List1->viewport(), [this](QPoint position) { List1_DblClick(position); });
    onClick(Pelkar, [this] { Pelkar_Click(); });
    onClick(Tornim, [this] { Tornim_Click(); });
}

void Main::writeDirectorySetting() const {
    // Nothing reads the setting back, so a store that cannot be written changes nothing.
    const std::unique_ptr<QSettings> settings = userSettings();
    if (!settings) {
        return;
    }
    settings->beginGroup(QStringLiteral("Setup "));
    settings->setValue(QStringLiteral("Chemin Repertoire"),
                       QDir::cleanPath(QString::fromStdString(programDirectory_.string())));
    settings->endGroup();
    settings->sync();
}

void Main::Type_Activite_Click() {
    const QString code = Type_Activite->currentText();
    Nom_Ref->setText(code);
    if (const auto fullName = diplomaFullName(code.toStdString())) {
        Label5->setText(fromUtf8(*fullName));
    }
    describeList();
}

void Main::describeList() {
    QStringList parts{Label1->text() + Nom_Ref->text() + QLatin1Char(' ') + Label6->text(),
                      Label5->text(), Frame2->title(), Label_Contactees->text(), List1->toolTip()};
    parts.removeAll(QString());
    List1->setAccessibleDescription(parts.join(QLatin1Char('\n')));
}

void Main::showListing(ListingOrder order) {
    QStringList notices;
    {
        const BusyPointer busy;
        notices = fillList(order);
    }
    for (const QString& notice : notices) {
        showMessage(this, notice);
    }
}

// The file is read before anything on screen changes, so that a file that cannot be read
// leaves the window as it was before the click. Returns the messages to show afterwards.
QStringList Main::fillList(ListingOrder order) {
    const QString diploma = Type_Activite->currentText();
    Result<Listing> read = buildListing(order, referenceFile_, cp1252Text(diploma),
                                        cp1252Text(Dpart->text()), KeepRecords::Yes);
    if (!read.ok()) {
        return {fromUtf8(failureMessage(read.failure()))};
    }
    Listing& listing = read.value();
    Imprimer->setEnabled(true);
    const ListingCaptions& captions = captionsOf(order);
    Label2->setText(fromUtf8(captions.heading));
    Label6->setText(fromUtf8(captions.orderCaption));
    const bool nothingListed = listing.listedCount == 0;
    listedRecords_ = std::move(listing.records);
    listedReadCount_ = listing.readCount;
    listedDiploma_ = diploma.toStdString();
    QStringList notices;
    listLines_->setLines(std::move(listing.lines), workedFlags(notices));
    Mode_Affichage = rowOf(order).mode;
    enableLogItems();
    showCounts();
    if (nothingListed) {
        notices << fromUtf8(noMatchMessage(listedDiploma_));
    }
    return notices;
}

void Main::List1_DblClick(QPoint position) {
    if (Mode_Affichage != ListingMode::Commune) {
        showMessage(this, QStringLiteral("Vous devez etre en mode 'Affichage par nom de Commune'"));
        return;
    }
    const QModelIndex line = List1->indexAt(position);
    if (!line.isValid()) {
        return;
    }
    Affichage detail(listLines_->lines()[listLines_->lineOfRow(line.row())], this);
    detail.exec();
}

void Main::Command1_Click() {
    Rechercher search(referenceFile_, this, &trafficLog_);
    search.exec();
}

void Main::Imprimer_Click() {
    printDisplayedPage(this, Mode_Affichage, Type_Activite->currentText(),
                       listLines_->shownLines());
}

void Main::Mnu_BdD_Click() {
    const Result<std::string> checked = revision_.check(referenceFile_);
    showMessage(this, fromUtf8(checked.ok() ? checked.value() : failureMessage(checked.failure())));
}

void Main::Mnu_Quitter_Click() {
    close();
    QCoreApplication::quit();
}

void Main::Mnu_Aide_Click() {
    showMessage(this, fromUtf8(recommendations()));
}

void Main::Mnu_Historique_Click() {
    showMessage(this, Historique_Versions);
}

void Main::Mnu_Notice_Click() {
    showHelp(this, programDirectory_ / "Orvel_Reference.hlp");
}

void Main::Mnu_A_Propos_Click() {
    showMessage(this, fromUtf8(aboutText(Version_Logiciel)));
}

void Main::Pelkar_Click() {
    showMessage(this, fromUtf8(authorCredits()));
}

void Main::Tornim_Click() {
    showMessage(this, fromUtf8(compilerCredits()));
}

} // namespace orvel
