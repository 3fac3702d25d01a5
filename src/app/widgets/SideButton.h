// The buttons in a column beside a list (Add, Edit, Delete, Move...): they run their action and
// never take Enter from the dialog's default button.
#pragma once

#include <QBoxLayout>
#include <QPushButton>

#include <utility>

namespace orvanta::app {

template <typename Action>
QPushButton* SideButton(const char* text, QBoxLayout* column, QWidget* owner, Action&& action) {
    auto* button = new QPushButton(text, owner);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, owner, std::forward<Action>(action));
    column->addWidget(button);
    return button;
}

}  // namespace orvanta::app
