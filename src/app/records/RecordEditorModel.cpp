// The record editor's rows: a field's name and its value's cell.
#include "app/records/RecordEditorModel.h"

#include "app/records/RecordCell.h"
#include "app/records/ValueEntry.h"
#include "app/widgets/QtText.h"
#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"

#include <algorithm>

namespace orvanta::app {

RecordEditorModel::RecordEditorModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordEditorModel::Show(CTbObjDB* db, CTbObjRecord* record, std::vector<int> fieldSlots) {
    beginResetModel();
    m_db = record ? db : nullptr;
    m_record = m_db ? record : nullptr;
    m_slots = m_record ? std::move(fieldSlots) : std::vector<int>{};
    endResetModel();
}

const CTbObjField* RecordEditorModel::Field(int row) const {
    if (!m_db || row < 0 || row >= static_cast<int>(m_slots.size())) return nullptr;
    return m_db->Field(m_slots[static_cast<size_t>(row)]);
}

int RecordEditorModel::RowOfSlot(int slot) const {
    auto found = std::find(m_slots.begin(), m_slots.end(), slot);
    return found == m_slots.end() ? -1 : static_cast<int>(found - m_slots.begin());
}

void RecordEditorModel::ValuesChanged() {
    if (!m_slots.empty()) emit dataChanged(index(0, ValueColumn), index(rowCount() - 1, ValueColumn));
}

int RecordEditorModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_slots.size());
}

int RecordEditorModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant RecordEditorModel::data(const QModelIndex& index, int role) const {
    const CTbObjField* field = index.isValid() ? Field(index.row()) : nullptr;
    if (!field) return {};
    if (index.column() == NameColumn) return role == Qt::DisplayRole ? ToQt(field->GetName()) : QVariant();
    return ValueData(*field, role);
}

QVariant RecordEditorModel::ValueData(const CTbObjField& field, int role) const {
    const CTbObjRecordValue& value = *m_record->Value(field.GetSlot());
    if (role == Qt::DisplayRole && field.GetType() == IMAGE_T)
        return value.GetData().empty() ? "No Image" : "Image Attached";
    if (role == Qt::EditRole) return CellOf(*m_record, field).text;
    if (role == Qt::ToolTipRole)
        return field.GetType() == MEMO_T ? ToQt(std::string(value.GetText())) : QVariant();
    return CellRoleData(CellOf(*m_record, field), role);
}

QVariant RecordEditorModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return section == NameColumn ? "Field Name" : "Field Value";
}

Qt::ItemFlags RecordEditorModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const CTbObjField* field = index.isValid() ? Field(index.row()) : nullptr;
    if (!field || index.column() != ValueColumn) return flags;
    switch (EditKindOf(field->GetType())) {
        case EditKind::Text:
        case EditKind::List:
            return flags | Qt::ItemIsEditable;
        case EditKind::Check:
            return flags | Qt::ItemIsUserCheckable;
        default:
            return flags;
    }
}

bool RecordEditorModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const CTbObjField* field = index.isValid() ? Field(index.row()) : nullptr;
    if (!field || role != Qt::CheckStateRole || EditKindOf(field->GetType()) != EditKind::Check) return false;
    m_record->Value(field->GetSlot())->SetChecked(value.toInt() == Qt::Checked);
    emit dataChanged(index, index);
    emit Toggled(index.row());
    return true;
}

}  // namespace orvanta::app
