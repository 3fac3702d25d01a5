// Filling the list of Tabulons from the library and the text of each cell.
#include "app/shell/TbListModel.h"

#include "app/widgets/QtText.h"
#include "library/CTbBrowser.h"
#include "model/IProgressIndicator.h"

#include <algorithm>
#include <filesystem>

namespace orvanta::app {

TbListModel::TbListModel(CTbBrowser& browser, QObject* parent)
    : QAbstractTableModel(parent), m_browser(browser) {}

void TbListModel::Fill(uint16_t categoryId, IProgressIndicator* progress) {
    beginResetModel();
    m_rows.clear();
    const auto& items = m_browser.Items();
    {
        ProgressShown shown(progress);
        if (progress) {
            progress->SetText("Loading Tabulons...");
            progress->SetRange(static_cast<int>(items.size()));
        }
        for (const auto& item : items) {
            item->Load(true);
            if (categoryId == kAllCategories || item->Db().GetDbCategory() == categoryId)
                m_rows.push_back(item.get());
            if (progress) progress->Step(1);
        }
    }
    endResetModel();
}

void TbListModel::Clear() {
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void TbListModel::RowChanged(const CTbItem* item) {
    int row = RowOf(item);
    if (row >= 0) emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

CTbItem* TbListModel::Item(int row) const {
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? m_rows[static_cast<size_t>(row)] : nullptr;
}

int TbListModel::RowOf(const CTbItem* item) const {
    auto found = std::find(m_rows.begin(), m_rows.end(), item);
    return found == m_rows.end() ? -1 : static_cast<int>(found - m_rows.begin());
}

double TbListModel::TotalKilobytes() const {
    double total = 0;
    for (CTbItem* item : m_rows) {
        std::error_code ec;
        auto size = std::filesystem::file_size(item->FullPath(), ec);
        if (!ec) total += static_cast<double>(size) / 1024.0;
    }
    return total;
}

int TbListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TbListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TbListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    CTbItem* item = Item(index.row());
    if (role == Qt::DisplayRole) return Text(*item, index.column());
    if (role == Qt::TextAlignmentRole && (index.column() == Records || index.column() == Size))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TbListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kTitles[ColumnCount] = {"Name",   "Sync With", "Records",
                                                     "Status", "Category",  "Size"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return QString(kTitles[section]);
}

QString TbListModel::Text(CTbItem& item, int column) const {
    const CTbObjDB& db = item.Db();
    switch (column) {
        case Name:
            return ToQt(item.DisplayName());
        case SyncWith:
            return ToQt(item.SyncWithText());
        case Records:
            return db.GetLoadState() > 0 ? QString::number(db.RecordCount()) : QString();
        case Status:
            return StatusText(item.GetStatus());
        case Category:
            return db.GetDbCategory() == 0 ? QString("Unfiled")
                                           : ToQt(m_browser.CategoryName(db.GetDbCategory()));
        default:
            return ToQt(item.SizeText());
    }
}

}  // namespace orvanta::app
