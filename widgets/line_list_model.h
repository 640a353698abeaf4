#pragma once

#include "data/line_list.h"

#include <QAbstractListModel>

namespace orvel {

// A list view's rows over a LineList: the lines are converted to text only when a row is drawn,
// so a list of 40,000 lines is filled in one step.
class LineListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(LineList lines);
    [[nodiscard]] const LineList& lines() const { return lines_; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

private:
    LineList lines_;
};

} // namespace orvel
