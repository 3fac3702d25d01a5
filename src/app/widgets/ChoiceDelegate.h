// ChoiceDelegate: edits a grid cell with a drop list of the choices its owner gives for that
// cell (each with an optional tip); a choice is stored as soon as it is picked, when it differs.
#pragma once

#include <QStyledItemDelegate>

#include <functional>
#include <vector>

namespace orvanta::app {

struct CellChoice {
    QString text;
    int value = 0;
    QString tip;
};

class ChoiceDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using Choices = std::function<std::vector<CellChoice>(const QModelIndex& cell)>;

    ChoiceDelegate(Choices choices, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    Choices m_choices;
};

}  // namespace orvanta::app
