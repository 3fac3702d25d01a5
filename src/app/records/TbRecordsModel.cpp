// The record grid's cells, converted when drawn.
#include "app/records/TbRecordsModel.h"

#include "app/records/RecordCell.h"
#include "app/widgets/QtText.h"
#include "model/TbObjDB.h"

namespace orvanta::app {

TbRecordsModel::TbRecordsModel(QObject* parent) : QAbstractTableModel(parent) {}

void TbRecordsModel::Show(CTbObjDB* db, std::vector<int> fieldSlots) {
    beginResetModel();
    m_db = db;
    m_slots = db ? std::move(fieldSlots) : std::vector<int>();
    endResetModel();
}

void TbRecordsModel::Reload() {
    beginResetModel();
    endResetModel();
}

CTbObjRecord* TbRecordsModel::Record(int row) const { return m_db ? m_db->Records().Record(row) : nullptr; }

const CTbObjField* TbRecordsModel::Field(int column) const {
    return m_db && column >= 0 && column < columnCount() ? m_db->Field(Slot(column)) : nullptr;
}

int TbRecordsModel::RowOf(const CTbObjRecord* record) const {
    for (int row = 0; row < rowCount(); ++row)
        if (Record(row) == record) return row;
    return -1;
}

int TbRecordsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_db ? 0 : m_db->Records().Count();
}

int TbRecordsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_slots.size());
}

QVariant TbRecordsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (role == Qt::ToolTipRole) return QString("Col:%1 Row:%2").arg(index.column()).arg(index.row());
    const CTbObjRecord* record = Record(index.row());
    const CTbObjField* field = Field(index.column());
    if (!record || !field) return {};
    if (role != Qt::DisplayRole && role != Qt::CheckStateRole && role != Qt::ForegroundRole &&
        role != Qt::TextAlignmentRole && role != CellKindRole)
        return {};
    RecordCell cell = CellOf(*record, *field);
    return role == CellKindRole ? QVariant(static_cast<int>(cell.kind)) : CellRoleData(cell, role);
}

QVariant TbRecordsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    const CTbObjField* field = Field(section);
    if (role != Qt::DisplayRole || !field) return {};
    return ToQt(field->GetName());
}

}  // namespace orvanta::app
