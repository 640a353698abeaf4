#pragma once

#include "data/line_list.h"

#include <QAbstractListModel>
#include <vector>

namespace orvel {

// A list view's rows over a LineList: the lines are converted to text only when a row is drawn,
// so a list of 40,000 lines is filled in one step. Lines of worked references (from the traffic
// log) are struck through and told as such to the screen reader, or left out when hidden.
class LineListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // worked: one flag per line, or none at all when no log is used.
    void setLines(LineList lines, std::vector<bool> worked = {});
    // New flags for the same lines, from another reading of the log.
    void setWorked(std::vector<bool> worked);
    void setHideWorked(bool hide);

    // Every line, shown or hidden.
    [[nodiscard]] const LineList& lines() const { return lines_; }
    // The line index of a row shown.
    [[nodiscard]] std::size_t lineOfRow(int row) const;
    // The lines shown, in their order.
    [[nodiscard]] LineList shownLines() const;
    // The worked lines, shown or hidden.
    [[nodiscard]] std::size_t workedCount() const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

private:
    [[nodiscard]] bool worked(std::size_t line) const {
        return line < worked_.size() && worked_[line];
    }
    void chooseRows();

    LineList lines_;
    std::vector<bool> worked_;
    bool hideWorked_ = false;
    std::vector<std::size_t> rows_; // the line of each row shown
};

} // namespace orvel
