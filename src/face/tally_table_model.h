// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tally/permanence_tally.h"

#include <QAbstractTableModel>

#include <vector>

namespace ravelin {

// The files of a tally for a QTableView: one row a file, as the core words it.
class TallyTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TallyTableModel(QObject* parent = nullptr);

    void showRows(std::vector<TallyRow> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<TallyRow> rows_;
};

} // namespace ravelin
