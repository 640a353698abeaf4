#include "widgets/line_list_model.h"

#include "widgets/qt_text.h"

#include <QFont>
#include <algorithm>

namespace orvel {

void LineListModel::setLines(LineList lines, std::vector<bool> worked) {
    beginResetModel();
    lines_ = std::move(lines);
    worked_ = std::move(worked);
    chooseRows();
    endResetModel();
}

void LineListModel::setWorked(std::vector<bool> worked) {
    beginResetModel();
    worked_ = std::move(worked);
    chooseRows();
    endResetModel();
}

void LineListModel::setHideWorked(bool hide) {
    beginResetModel();
    hideWorked_ = hide;
    chooseRows();
    endResetModel();
}

void LineListModel::chooseRows() {
    rows_.clear();
    rows_.reserve(lines_.size());
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        if (!hideWorked_ || !worked(line)) {
            rows_.push_back(line);
        }
    }
}

std::size_t LineListModel::lineOfRow(int row) const {
    return rows_.at(static_cast<std::size_t>(row));
}

LineList LineListModel::shownLines() const {
    LineList shown;
    for (const std::size_t line : rows_) {
        shown.append(lines_[line]);
    }
    return shown;
}

std::size_t LineListModel::workedCount() const {
    return static_cast<std::size_t>(std::count(worked_.begin(), worked_.end(), true));
}

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= rows_.size()) {
        return {};
    }
    const std::size_t line = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return fromCp1252(lines_[line]);
    case Qt::AccessibleTextRole:
        if (worked(line)) {
            return fromCp1252(lines_[line]).trimmed() + QStringLiteral(", contactée");
        }
        break;
    case Qt::FontRole:
        if (worked(line)) {
            // Only the strike-out: the rest comes from the list's own font.
            QFont struck;
            struck.setStrikeOut(true);
            return struck;
        }
        break;
    default:
        break;
    }
    return {};
}

} // namespace orvel
