#pragma once

#include "search/search_engine.h"

#include <QDialog>
#include <array>
#include <filesystem>

class QButtonGroup;
class QLineEdit;

namespace orvel {

class LineListModel;
class TrafficLog;

// Rechercher: finds references in the whole reference file by commune, postal code, activity,
// reference number or canton. Modal; the caller creates a fresh window for every opening.
class Rechercher : public QDialog {
    Q_OBJECT

public:
    // trafficLog, when given, marks the results that it holds as worked.
    explicit Rechercher(std::filesystem::path referenceFile, QWidget* parent = nullptr,
                        TrafficLog* trafficLog = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sets a control's geometry from the window's twips, whatever container holds it.
    void place(QWidget* control, int left, int top, int width, int height);
    void buildTitleFrame();
    void buildCriteria();
    void buildResultList();
    void chainTabOrder();
    void keepTabStopOnSelectedOption();
    [[nodiscard]] QLineEdit* boxOf(SearchCriterion criterion) const;

    bool arrowPressedOn(int option, int key);
    void enterPressedIn(SearchCriterion box);
    void runSearch();

    std::filesystem::path referenceFile_;
    QButtonGroup* Option1 = nullptr;
    std::array<QLineEdit*, 5> boxes_{}; // in criterion order
    QWidget* Liste_Ref = nullptr;
    QWidget* Command1 = nullptr;
    LineListModel* results_ = nullptr;
    TrafficLog* trafficLog_ = nullptr;
};

} // namespace orvel
