// RecordEditorModel: the record editor's two columns, "Field Name" and "Field Value", one row per
// field of the record edited, in the order the editor's mode gives.
#pragma once

#include <QAbstractTableModel>

#include <vector>

class CTbObjDB;
class CTbObjField;
class CTbObjRecord;

namespace orvanta::app {

class RecordEditorModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn = 0, ValueColumn = 1 };

    explicit RecordEditorModel(QObject* parent = nullptr);

    // The record edited and the slots of its rows; none clears the editor.
    void Show(CTbObjDB* db, CTbObjRecord* record, std::vector<int> fieldSlots);
    CTbObjRecord* Record() const { return m_record; }
    const CTbObjField* Field(int row) const;
    int RowOfSlot(int slot) const;
    // Every value may have changed (an edit recalculated the record's computed fields).
    void ValuesChanged();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Only a check box's state is set here; typed entries go through the editor's rules.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // A check box was ticked or cleared.
    void Toggled(int row);

private:
    QVariant ValueData(const CTbObjField& field, int role) const;

    CTbObjDB* m_db = nullptr;
    CTbObjRecord* m_record = nullptr;
    std::vector<int> m_slots;
};

}  // namespace orvanta::app
