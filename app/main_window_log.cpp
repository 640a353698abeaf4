// The main window's traffic log: the items of the Fichiers menu that choose it, hide the worked
// references and export the list shown, and the marks and counts of the worked references.
#include "app/main_window.h"
#include "app/whole_file_writer.h"
#include "listing/record_csv.h"
#include "widgets/busy_pointer.h"
#include "widgets/line_list_model.h"
#include "widgets/qt_text.h"
#include "widgets/window_style.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace orvel {
namespace {

// "contactée" agrees with the count: plural from two on.
QString worked(std::size_t count) {
    return QStringLiteral("%1 contactée%2").arg(count).arg(count > 1 ? "s" : "");
}

} // namespace

void Main::buildLogControls(QMenu* fichier) {
    const auto addItem = [this, fichier](const char* name, const char* text, auto slot) {
        auto* item = new QAction(fromUtf8(text), fichier);
        item->setObjectName(QString::fromLatin1(name));
        fichier->addAction(item);
        connect(item, &QAction::triggered, this, slot);
        return item;
    };
    fichier->addSeparator();
    addItem("Mnu_Journal", "Journal de trafic…", &Main::Mnu_Journal_Click);
    Mnu_Sans_Journal =
        addItem("Mnu_Sans_Journal", "Sans journal de trafic", &Main::Mnu_Sans_Journal_Click);
    Mnu_Masquer = new QAction(QStringLiteral("Masquer les références contactées"), fichier);
    Mnu_Masquer->setObjectName(QStringLiteral("Mnu_Masquer"));
    Mnu_Masquer->setCheckable(true);
    fichier->addAction(Mnu_Masquer);
    connect(Mnu_Masquer, &QAction::toggled, this, &Main::Mnu_Masquer_Click);
    Mnu_Exporter =
        addItem("Mnu_Exporter", "Exporter la liste affichée…", &Main::Mnu_Exporter_Click);
    fichier->addSeparator();

    Label_Contactees = new QLabel(Frame2);
    Label_Contactees->setObjectName(QStringLiteral("Label_Contactees"));
    Label_Contactees->hide();
    enableLogItems();
}

void Main::enableLogItems() {
    Mnu_Sans_Journal->setEnabled(trafficLog_.chosen());
    Mnu_Masquer->setEnabled(trafficLog_.chosen());
    Mnu_Exporter->setEnabled(Mode_Affichage != ListingMode::None);
}

std::vector<bool> Main::workedFlags(QStringList& notices) {
    const TrafficLog::Reading log = trafficLog_.read(referenceFile_);
    notices << log.notices;
    listMarked_ = log.worked != nullptr;
    std::vector<bool> flags;
    if (listMarked_) {
        flags.reserve(listedRecords_.size());
        for (std::size_t line = 0; line < listedRecords_.size(); ++line) {
            const std::string_view record = listedRecords_[line];
            flags.push_back(!record.empty() && log.worked->contains(record));
        }
    }
    return flags;
}

void Main::showCounts() {
    if (Mode_Affichage == ListingMode::None) {
        return; // nothing listed yet: no caption
    }
    Listing shown;
    shown.listedCount = static_cast<std::uint64_t>(listLines_->rowCount());
    shown.readCount = listedReadCount_;
    Frame2->setTitle(fromUtf8(countCaption(shown, listedDiploma_)));

    const std::size_t count = listLines_->workedCount();
    QString text;
    if (listMarked_) {
        text = trafficLog_.hideWorked ? worked(count) + QStringLiteral(" masquées")
                                      : QStringLiteral("dont ") + worked(count);
    }
    Label_Contactees->setText(text);
    Label_Contactees->setVisible(!text.isEmpty());
    // Just after the caption, on its line.
    QStyleOptionGroupBox option;
    option.initFrom(Frame2);
    option.text = Frame2->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect caption = Frame2->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                          QStyle::SC_GroupBoxLabel, Frame2);
    Label_Contactees->adjustSize();
    Label_Contactees->move(caption.right() + twips(120), caption.top());
    describeList();
}

void Main::Mnu_Journal_Click() {
    const QString file = fileQuestions_.logToRead(this);
    if (file.isEmpty()) {
        return;
    }
    trafficLog_.choose(QFile::encodeName(file).toStdString());
    enableLogItems();
    QStringList notices;
    {
        const BusyPointer busy;
        listLines_->setWorked(workedFlags(notices));
        showCounts();
    }
    for (const QString& notice : notices) {
        showMessage(this, notice);
    }
}

void Main::Mnu_Sans_Journal_Click() {
    trafficLog_.forget();
    enableLogItems();
    listMarked_ = false;
    listLines_->setWorked({});
    showCounts();
}

void Main::Mnu_Masquer_Click(bool hide) {
    trafficLog_.hideWorked = hide;
    listLines_->setHideWorked(hide);
    showCounts();
}

void Main::Mnu_Exporter_Click() {
    const QString file = fileQuestions_.csvToWrite(this);
    if (file.isEmpty()) {
        return;
    }
    std::string csv = recordCsvHeader();
    for (int row = 0; row < listLines_->rowCount(); ++row) {
        // The header line has no record behind it: orvel-query leaves it out of CSV too.
        const std::string_view record = listedRecords_[listLines_->lineOfRow(row)];
        if (!record.empty()) {
            csv += recordCsvRow(record);
        }
    }
    if (const std::optional<QString> failure = writeWholeFile(file, csv)) {
        showMessage(this, *failure);
    }
}

} // namespace orvel
