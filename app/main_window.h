#pragma once

#include "app/file_questions.h"
#include "data/revision.h"
#include "listing/listing.h"
#include "widgets/traffic_log.h"

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <optional>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;

namespace orvel {

class LineListModel;

// Main: the program's one long-lived window. Its controls carry their names as object names.
class Main : public QMainWindow {
    Q_OBJECT

public:
    // programDirectory holds the reference file, the help and the legacy file.
    explicit Main(std::filesystem::path programDirectory, QWidget* parent = nullptr);

    // How the window asks the user for a file: the system's dialogs unless a caller sets others.
    void setFileQuestions(FileQuestions questions) { fileQuestions_ = std::move(questions); }

private slots:
    void Type_Activite_Click();
    void Command1_Click(); // opens the search window
    void Imprimer_Click(); // prints the displayed page
    void Mnu_BdD_Click();
    void Mnu_Quitter_Click();
    void Mnu_Aide_Click();
    void Mnu_Historique_Click();
    void Mnu_Notice_Click(); // opens the help file
    void Mnu_A_Propos_Click();
    void Pelkar_Click();
    void Tornim_Click();
    void Mnu_Journal_Click();      // chooses the traffic log
    void Mnu_Sans_Journal_Click(); // stops using it
    void Mnu_Masquer_Click(bool hide);
    void Mnu_Exporter_Click(); // saves the list shown as CSV

private:
    // Built in main_window_layout.cpp.
    void buildControls();
    void buildMenus();
    void setKeyboardOrder();

    void connectEvents();
    void writeDirectorySetting() const;

    [[nodiscard]] QPushButton* listingButton(ListingOrder order) const {
        return listingButtons_.at(static_cast<std::size_t>(order));
    }
    // The listing of a button: shows the busy pointer while it reads the file.
    void showListing(ListingOrder order);
    // Reads the file and, when it could, puts the listing on screen; returns the messages to show
    // once the busy pointer is gone.
    QStringList fillList(ListingOrder order);

    void List1_DblClick(QPoint position);
    // Gives the screen reader the banner and the count line with the list, as they change.
    void describeList();

    // The traffic log's part, in main_window_log.cpp: its menu items and the worked count.
    void buildLogControls(QMenu* fichier);
    void enableLogItems();
    // Which listed records are worked, after the log as it is now (none without a readable log);
    // adds the messages about the log to show once the busy pointer is gone.
    std::vector<bool> workedFlags(QStringList& notices);
    // The count caption of the lines shown and, with a log, how many of the listed are worked.
    void showCounts();

    std::filesystem::path programDirectory_;
    std::filesystem::path referenceFile_;

    std::string Version_Logiciel;
    QString Historique_Versions;
    ListingMode Mode_Affichage = ListingMode::None;
    DatabaseRevision revision_;
    FileQuestions fileQuestions_ = systemFileQuestions();
    TrafficLog trafficLog_;
    // Of the listing shown: the record behind each of its lines (empty behind the header line),
    // the lines read and the diploma text it was made for.
    LineList listedRecords_;
    std::uint64_t listedReadCount_ = 0;
    std::string listedDiploma_;
    bool listMarked_ = false; // after a log that could be read

    QLabel* Pelkar = nullptr;
    QLabel* Tornim = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Nom_Ref = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QListView* List1 = nullptr;
    LineListModel* listLines_ = nullptr;
    QComboBox* Type_Activite = nullptr;
    QLineEdit* Dpart = nullptr;
    // Aff_Commune, Aff_Reference, Aff_Canton, Aff_CP: one per listing order, in its order.
    std::array<QPushButton*, kListingOrders.size()> listingButtons_{};
    QPushButton* Command1 = nullptr;
    QPushButton* Imprimer = nullptr;
    QLabel* Label_Contactees = nullptr; // "dont N contactées", next to the count caption
    QAction* Mnu_Sans_Journal = nullptr;
    QAction* Mnu_Masquer = nullptr;
    QAction* Mnu_Exporter = nullptr;
};

} // namespace orvel
