// The drop lists of the mapping grid.
#include "app/datalink/ChoiceDelegate.h"

#include "app/datalink/ImportMappingModel.h"

#include <QComboBox>

namespace orvanta::app {

QWidget* ChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex& index) const {
    auto* model = qobject_cast<const ImportMappingModel*>(index.model());
    if (!model) return nullptr;
    auto* list = new QComboBox(parent);
    for (const auto& [text, value] : model->Choices(index)) list->addItem(text, value);
    connect(list, &QComboBox::activated, this, [this, list] {
        auto* self = const_cast<ChoiceDelegate*>(this);
        emit self->commitData(list);
        emit self->closeEditor(list);
    });
    return list;
}

void ChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* list = qobject_cast<QComboBox*>(editor);
    if (!list) return;
    list->setCurrentIndex(std::max(list->findData(index.data(Qt::EditRole)), 0));
    list->showPopup();
}

void ChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor))
        model->setData(index, list->currentData(), Qt::EditRole);
}

}  // namespace orvanta::app
