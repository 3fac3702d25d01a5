// FieldDesignModel: the field design grid's rows, one per used field, with its name and type;
// names and types are changed through the designer's hooks, which ask and refuse as needed.
#pragma once

#include <QAbstractTableModel>

#include <functional>
#include <vector>

class CTbObjDB;

namespace orvanta::app {

class FieldDesignModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn = 0, TypeColumn = 1 };
    struct Hooks {
        std::function<void(int slot, const QString& name)> rename;
        std::function<void(int slot, int type)> retype;
    };

    explicit FieldDesignModel(Hooks hooks, QObject* parent = nullptr);

    // Shows the Tabulon's fields again (none: empty).
    void Show(CTbObjDB* db);
    int Slot(int row) const;
    int RowOfSlot(int slot) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    Hooks m_hooks;
    CTbObjDB* m_db = nullptr;
    std::vector<int> m_slots;
};

}  // namespace orvanta::app
