// Cell texts for copying and printing.
#include "app/widgets/GridText.h"

#include <QAbstractItemModel>

#include <algorithm>

namespace orvanta::app {

QString CellText(const QModelIndex& cell) {
    const QVariant check = cell.data(Qt::CheckStateRole);
    if (check.isValid()) return check.toInt() == Qt::Checked ? "Yes" : "No";
    QString text = cell.data(Qt::DisplayRole).toString();
    text.replace('\t', ' ').replace('\n', ' ').replace('\r', ' ');
    return text;
}

QString CellsAsTsv(QModelIndexList cells) {
    std::sort(cells.begin(), cells.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });
    QString text;
    for (int i = 0; i < cells.size(); ++i) {
        if (i > 0) text += cells[i].row() == cells[i - 1].row() ? '\t' : '\n';
        text += CellText(cells[i]);
    }
    return cells.isEmpty() ? text : text + '\n';
}

}  // namespace orvanta::app
