// The list view's look and its stored column widths.
#include "app/shell/CTbListCtrl.h"

#include "app/shell/TbListModel.h"
#include "library/CPvtrPrefs.h"

#include <QHeaderView>

#include <algorithm>

namespace orvanta::app {

CTbListCtrl::CTbListCtrl(TbListModel& model, CPvtrPrefs& prefs, QWidget* parent)
    : QTableView(parent), m_model(model), m_prefs(prefs) {
    setModel(&model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [&prefs](int column, int, int width) {
        prefs.SetColumnWidth(column, static_cast<uint32_t>(width));
    });
}

void CTbListCtrl::RestoreColumnWidths() {
    for (int column = 0; column < CPvtrPrefs::kColumnCount; ++column)
        setColumnWidth(column,
                       static_cast<int>(std::clamp<uint32_t>(m_prefs.GetColumnWidth(column), 20, 2000)));
}

std::vector<CTbItem*> CTbListCtrl::SelectedItems() const {
    std::vector<CTbItem*> items;
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& row : rows)
        if (CTbItem* item = m_model.Item(row.row())) items.push_back(item);
    return items;
}

void CTbListCtrl::SelectItem(const CTbItem* item) {
    int row = m_model.RowOf(item);
    if (row < 0) {
        clearSelection();
        return;
    }
    selectRow(row);
    scrollTo(m_model.index(row, 0));
}

}  // namespace orvanta::app
