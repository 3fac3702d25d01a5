// TbListModel: the rows of the list of Tabulons: the library's items of the chosen category, with
// the six columns Name, Sync With, Records, Status, Category and Size.
#pragma once

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

class CTbBrowser;
class CTbItem;
class IProgressIndicator;

namespace orvanta::app {

class TbListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr uint16_t kAllCategories = 65535;
    enum Column { Name, SyncWith, Records, Status, Category, Size, ColumnCount };

    explicit TbListModel(CTbBrowser& browser, QObject* parent = nullptr);

    // Reads every item's header, showing progress, and keeps those of the category.
    void Fill(uint16_t categoryId, IProgressIndicator* progress);
    void Clear();
    // Redraws the item's row (after a change of status or name).
    void RowChanged(const CTbItem* item);

    CTbItem* Item(int row) const;
    int RowOf(const CTbItem* item) const;
    // The listed Tabulons' total size in KB.
    double TotalKilobytes() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(CTbItem& item, int column) const;

    CTbBrowser& m_browser;
    std::vector<CTbItem*> m_rows;
};

}  // namespace orvanta::app
