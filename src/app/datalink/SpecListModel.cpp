// The list of saved specifications.
#include "app/datalink/SpecListModel.h"

#include "app/widgets/QtText.h"
#include "importexport/CORVTImportExportSpecListXml.h"

namespace orvanta::app {

void SpecListModel::SetList(const CORVTImportExportSpecListXml* list) {
    beginResetModel();
    m_list = list;
    endResetModel();
}

int SpecListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_list ? 0 : m_list->Count();
}

int SpecListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant SpecListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || !m_list || role != Qt::DisplayRole) return {};
    const CORVTImportExportSpecXml& spec = *m_list->Spec(index.row());
    const bool import = spec.GetKind() == SPEC_KIND_IMPORT;
    switch (index.column()) {
        case NameColumn:
            return ToQt(spec.GetName());
        case TypeColumn:
            return import ? "Import" : "Export";
        default:
            return ToQt(import ? spec.GetImportPath() : spec.GetExportPath());
    }
}

QVariant SpecListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const char* const kHeadings[] = {"Name", "Type", "Data Location"};
    return section >= 0 && section < ColumnCount ? QString(kHeadings[section]) : QVariant();
}

}  // namespace orvanta::app
