// The record editor's small dialogs for one value: the memo editor ("Edit Memo", the full text)
// and the time picker (hour, minute and second).
#pragma once

#include <QDialog>
#include <QTime>

class QPlainTextEdit;
class QTimeEdit;

namespace orvanta::app {

class CMemoEditDlg : public QDialog {
    Q_OBJECT
public:
    CMemoEditDlg(const QString& text, QWidget* parent);
    QString Text() const;
    QPlainTextEdit* Editor() const { return m_text; }

private:
    QPlainTextEdit* m_text;
};

class CTimePickerDlg : public QDialog {
    Q_OBJECT
public:
    CTimePickerDlg(QTime time, QWidget* parent);
    QTime Time() const;
    QTimeEdit* Editor() const { return m_time; }

private:
    QTimeEdit* m_time;
};

}  // namespace orvanta::app
