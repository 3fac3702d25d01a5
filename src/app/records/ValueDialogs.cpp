// The memo editor and the time picker.
#include "app/records/ValueDialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace orvanta::app {
namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

CMemoEditDlg::CMemoEditDlg(const QString& text, QWidget* parent)
    : QDialog(parent), m_text(new QPlainTextEdit(text, this)) {
    setWindowTitle("Edit Memo");
    m_text->setTabChangesFocus(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(OkCancel(this));
    resize(460, 320);
}

QString CMemoEditDlg::Text() const { return m_text->toPlainText(); }

CTimePickerDlg::CTimePickerDlg(QTime time, QWidget* parent) : QDialog(parent), m_time(new QTimeEdit(this)) {
    setWindowTitle("Choose Time");
    m_time->setDisplayFormat("HH:mm:ss");
    m_time->setTime(time.isValid() ? time : QTime(0, 0));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("&Time:", this);
    label->setBuddy(m_time);
    layout->addWidget(label);
    layout->addWidget(m_time);
    layout->addWidget(OkCancel(this));
}

QTime CTimePickerDlg::Time() const { return m_time->time(); }

}  // namespace orvanta::app
