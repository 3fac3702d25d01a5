// The field design grid's rows and its type drop-down.
#include "app/designer/FieldDesignModel.h"

#include "app/designer/FieldTypeChange.h"
#include "app/widgets/FieldSlots.h"
#include "app/widgets/QtText.h"
#include "model/TbObjDB.h"

#include <algorithm>

namespace orvanta::app {

FieldDesignModel::FieldDesignModel(Hooks hooks, QObject* parent)
    : QAbstractTableModel(parent), m_hooks(std::move(hooks)) {}

void FieldDesignModel::Show(CTbObjDB* db) {
    beginResetModel();
    m_db = db;
    m_slots = db ? UserFieldSlots(*db) : std::vector<int>{};
    endResetModel();
}

int FieldDesignModel::Slot(int row) const {
    return row >= 0 && row < static_cast<int>(m_slots.size()) ? m_slots[static_cast<size_t>(row)] : -1;
}

int FieldDesignModel::RowOfSlot(int slot) const {
    auto found = std::find(m_slots.begin(), m_slots.end(), slot);
    return found == m_slots.end() ? -1 : static_cast<int>(found - m_slots.begin());
}

int FieldDesignModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_slots.size());
}

int FieldDesignModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant FieldDesignModel::data(const QModelIndex& index, int role) const {
    const CTbObjField* field = m_db && index.isValid() ? m_db->Field(Slot(index.row())) : nullptr;
    if (!field) return {};
    const bool name = index.column() == NameColumn;
    switch (role) {
        case Qt::DisplayRole:
            return name ? ToQt(field->GetName())
                        : QString::fromLatin1(FieldTypeLabel(field->GetType()).data());
        case Qt::EditRole:
            return name ? QVariant(ToQt(field->GetName())) : QVariant(static_cast<int>(field->GetType()));
        case Qt::ToolTipRole:
            return name ? QVariant() : QVariant(FieldTypeDescription(field->GetType()));
        default:
            return {};
    }
}

QVariant FieldDesignModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return section == NameColumn ? "Field Name" : "Field Type";
}

Qt::ItemFlags FieldDesignModel::flags(const QModelIndex& index) const {
    return index.isValid() ? QAbstractTableModel::flags(index) | Qt::ItemIsEditable : Qt::NoItemFlags;
}

bool FieldDesignModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int slot = Slot(index.row());
    if (role != Qt::EditRole || slot < 0) return false;
    if (index.column() == NameColumn && m_hooks.rename) m_hooks.rename(slot, value.toString());
    if (index.column() == TypeColumn && m_hooks.retype) m_hooks.retype(slot, value.toInt());
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), 1));
    return true;
}

}  // namespace orvanta::app
