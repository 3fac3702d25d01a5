// The designer's tips window.
#include "app/designer/DesignTips.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace orvanta::app {

CDesignTipsDlg::CDesignTipsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Orvanta Design Tips");
    auto* text = new QLabel(kDesignTips, this);
    text->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

}  // namespace orvanta::app
