// ImportMappingModel: the mapping page's grid: one row per column of the file with the columns
// "External Field", "Import As Type" and "Orvanta Field". The last two are edited by choosing
// from their lists; choosing "Add Field..." asks the page for a new field.
#pragma once

#include "app/datalink/ImportMapping.h"

#include <QAbstractTableModel>

#include <utility>
#include <vector>

namespace orvanta::app {

class ImportMappingModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ExternalColumn, TypeColumn, TargetColumn, ColumnCount };
    // The target choice that asks for a new field.
    static constexpr int kAddField = -2;

    explicit ImportMappingModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows the mapping (none: nothing); the model does not own it.
    void SetMapping(ImportMapping* mapping);
    ImportMapping* Mapping() const { return m_mapping; }
    // Tells the views that every row may have changed.
    void Refresh();

    // The texts and values the cell may be set to.
    std::vector<std::pair<QString, int>> Choices(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void AddFieldAsked(int row);
    // A target or type changed.
    void MappingChanged();

private:
    QString TargetText(int row) const;

    ImportMapping* m_mapping = nullptr;
};

}  // namespace orvanta::app
