// The form design grid's rows.
#include "app/designer/FormDesignModel.h"

#include "app/designer/FormDesign.h"
#include "app/widgets/QtText.h"
#include "model/TbObjDB.h"
#include "model/TbObjView.h"

namespace orvanta::app {

FormDesignModel::FormDesignModel(QObject* parent) : QAbstractTableModel(parent) {}

void FormDesignModel::Show(CTbObjDB* db, int tab) {
    beginResetModel();
    m_db = db;
    m_tab = tab;
    endResetModel();
}

CTbObjTabRow* FormDesignModel::Row(int row) const {
    const CTbObjTab* tab = m_db ? m_db->Tab(m_tab) : nullptr;
    return tab ? tab->RowAt(row + 1) : nullptr;
}

int FormDesignModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_db || !m_db->Tab(m_tab) ? 0 : FormDesign::kRowsPerTab;
}

int FormDesignModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant FormDesignModel::data(const QModelIndex& index, int role) const {
    const CTbObjTabRow* row = index.isValid() ? Row(index.row()) : nullptr;
    if (!row || row->IsEmpty() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    if (index.column() == LabelColumn) return ToQt(row->GetLabelText());
    if (row->IsLabelRow()) return "(Label)";
    const CTbObjField* field = m_db->Field(row->GetField());
    return field ? ToQt(field->GetName()) : QVariant();
}

QVariant FormDesignModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section == FieldColumn ? "Field" : "Label";
}

Qt::ItemFlags FormDesignModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const CTbObjTabRow* row = index.isValid() ? Row(index.row()) : nullptr;
    if (row && !row->IsEmpty() && index.column() == LabelColumn) flags |= Qt::ItemIsEditable;
    return flags;
}

bool FormDesignModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    CTbObjTabRow* row = index.isValid() ? Row(index.row()) : nullptr;
    if (!row || row->IsEmpty() || role != Qt::EditRole || index.column() != LabelColumn) return false;
    const std::string text = FromQt(value.toString());
    if (text == row->GetLabelText()) return false;
    row->SetLabelText(text);
    emit dataChanged(index, index);
    emit Edited();
    return true;
}

}  // namespace orvanta::app
