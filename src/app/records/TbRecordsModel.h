// TbRecordsModel: the record grid's rows (the records of the current view, filter and category,
// in their order) and columns (the fields shown). A cell is made only when the view asks for it,
// so the largest Tabulon shows its first rows without converting the rest.
#pragma once

#include <QAbstractTableModel>

#include <vector>

class CTbObjDB;
class CTbObjField;
class CTbObjRecord;

namespace orvanta::app {

class TbRecordsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The kind of a cell (RecordCell::Kind), for the delegate.
    static constexpr int CellKindRole = Qt::UserRole + 1;

    explicit TbRecordsModel(QObject* parent = nullptr);

    // The Tabulon and the field slots of its columns; none clears the grid.
    void Show(CTbObjDB* db, std::vector<int> fieldSlots);
    // After the record list changed (sorted, filtered, records added or deleted).
    void Reload();
    CTbObjRecord* Record(int row) const;
    const CTbObjField* Field(int column) const;
    int Slot(int column) const { return m_slots[static_cast<size_t>(column)]; }
    int RowOf(const CTbObjRecord* record) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CTbObjDB* m_db = nullptr;
    std::vector<int> m_slots;
};

}  // namespace orvanta::app
