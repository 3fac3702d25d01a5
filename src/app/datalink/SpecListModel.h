// SpecListModel: the Data Link tab's list of a Tabulon's saved specifications with the columns
// "Name", "Type" ("Import" or "Export") and "Data Location" (the file).
#pragma once

#include <QAbstractTableModel>

class CORVTImportExportSpecListXml;

namespace orvanta::app {

class SpecListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, TypeColumn, LocationColumn, ColumnCount };

    explicit SpecListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows the list (none: nothing), read again; the model does not own it.
    void SetList(const CORVTImportExportSpecListXml* list);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const CORVTImportExportSpecListXml* m_list = nullptr;
};

}  // namespace orvanta::app
