#include "widgets/line_list_model.h"

#include "widgets/qt_text.h"

namespace orvel {

void LineListModel::setLines(LineList lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() ||
        static_cast<std::size_t>(index.row()) >= lines_.size()) {
        return {};
    }
    return fromCp1252(lines_[static_cast<std::size_t>(index.row())]);
}

} // namespace orvel
