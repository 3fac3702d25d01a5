// The mapping grid's model.
#include "app/datalink/ImportMappingModel.h"

#include "app/widgets/QtText.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"

namespace orvanta::app {
namespace {

QString TypeText(int type) {
    std::string_view label = FieldTypeLabel(type);
    return QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
}

}  // namespace

void ImportMappingModel::SetMapping(ImportMapping* mapping) {
    beginResetModel();
    m_mapping = mapping;
    endResetModel();
}

void ImportMappingModel::Refresh() {
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int ImportMappingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_mapping ? 0 : m_mapping->RowCount();
}

int ImportMappingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString ImportMappingModel::TargetText(int row) const {
    const uint16_t target = m_mapping->Row(row).target;
    const CTbObjField* field = target == kNotMapped ? nullptr : m_mapping->Db().Field(target);
    return field ? ToQt(field->GetName()) : QString("Not Mapped");
}

QVariant ImportMappingModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || !m_mapping) return {};
    const MappingRow& row = m_mapping->Row(index.row());
    if (role == Qt::DisplayRole) {
        if (index.column() == ExternalColumn) return ToQt(row.name);
        if (index.column() == TypeColumn) return TypeText(row.importAs);
        return TargetText(index.row());
    }
    if (role == Qt::EditRole) {
        if (index.column() == TypeColumn) return row.importAs;
        if (index.column() == TargetColumn) return static_cast<int>(row.target);
        return ToQt(row.name);
    }
    return {};
}

QVariant ImportMappingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    static const char* const kHeadings[] = {"External Field", "Import As Type", "Orvanta Field"};
    return section >= 0 && section < ColumnCount ? QString(kHeadings[section]) : QVariant();
}

Qt::ItemFlags ImportMappingModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == ExternalColumn ? flags : flags | Qt::ItemIsEditable;
}

std::vector<std::pair<QString, int>> ImportMappingModel::Choices(const QModelIndex& index) const {
    std::vector<std::pair<QString, int>> choices;
    if (!m_mapping || !index.isValid()) return choices;
    if (index.column() == TypeColumn) {
        for (int32_t type : m_mapping->ImportTypes(index.row())) choices.emplace_back(TypeText(type), type);
    } else if (index.column() == TargetColumn) {
        choices.emplace_back("Not Mapped", kNotMapped);
        for (int slot : m_mapping->TargetChoices(index.row()))
            choices.emplace_back(ToQt(m_mapping->Db().Field(slot)->GetName()), slot);
        choices.emplace_back("Add Field...", kAddField);
    }
    return choices;
}

bool ImportMappingModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !m_mapping || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    const int chosen = value.toInt();
    bool offered = false;
    for (const auto& choice : Choices(index)) offered = offered || choice.second == chosen;
    if (!offered) return false;
    if (index.column() == TargetColumn && chosen == kAddField) {
        emit AddFieldAsked(index.row());
        return true;
    }
    if (index.column() == TypeColumn)
        m_mapping->SetImportType(index.row(), chosen);
    else
        m_mapping->SetTarget(index.row(), static_cast<uint16_t>(chosen));
    emit dataChanged(this->index(index.row(), TypeColumn), this->index(index.row(), TargetColumn));
    emit MappingChanged();
    return true;
}

}  // namespace orvanta::app
