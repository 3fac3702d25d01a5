// The list-items editor of a List field (CListEditorDlg) and its one-item entry dialog
// (CListItemEditDlg). The editor works on a ListItemsDraft that its caller stores on OK.
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class ListItemsDraft;

class CListItemEditDlg : public QDialog {
    Q_OBJECT
public:
    CListItemEditDlg(const QString& title, const QString& text, QWidget* parent);
    QString Text() const;
    QLineEdit* Entry() const { return m_entry; }

private:
    QLineEdit* m_entry;
};

class CListEditorDlg : public QDialog {
    Q_OBJECT
public:
    CListEditorDlg(ListItemsDraft& draft, platform::IPrompt* prompt, QWidget* parent);

    void AddItem();
    void EditItem();
    void DeleteItem();
    void MoveItem(int delta);
    QListWidget* Items() const { return m_list; }

private:
    void Refill(int selected);
    // The entry dialog's text, or none when cancelled.
    bool AskText(const QString& title, QString* text);
    void Tell(const char* title, const char* text);

    ListItemsDraft& m_draft;
    platform::IPrompt* m_prompt;
    QListWidget* m_list;
};

}  // namespace orvanta::app
