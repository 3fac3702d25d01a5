// FormDesignModel: the form design grid's rows for one tab: the 34 row positions, each with the
// field it places (or "(Label)" for a label row) and its label text, which is edited in place.
#pragma once

#include <QAbstractTableModel>

class CTbObjDB;
class CTbObjTabRow;

namespace orvanta::app {

class FormDesignModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FieldColumn = 0, LabelColumn = 1 };

    explicit FormDesignModel(QObject* parent = nullptr);

    // Shows a tab of the Tabulon again (none: empty).
    void Show(CTbObjDB* db, int tab);
    int Tab() const { return m_tab; }
    CTbObjTabRow* Row(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // A label text was changed.
    void Edited();

private:
    CTbObjDB* m_db = nullptr;
    int m_tab = 0;
};

}  // namespace orvanta::app
