// CDataLinkDlg: the frame of the import and export commands: their pages one at a time under
// the buttons "<- Back", "Next ->", "Save", "Save and Run", "Cancel" and "HELP". The commands
// decide what a step does; the dialog ends with what the user chose.
#pragma once

#include "app/widgets/PageServices.h"

#include <QDialog>

class QPushButton;
class QStackedWidget;

namespace orvanta::app {

class COptionsPage;

class CDataLinkDlg : public QDialog {
    Q_OBJECT
public:
    // How the dialog ended (its result code).
    enum Outcome { Cancelled = QDialog::Rejected, Saved = 2, SavedAndRun = 3 };

    CDataLinkDlg(const QString& title, const PageServices& services, QWidget* parent = nullptr);

    int Page() const;
    QPushButton* BackButton() const { return m_back; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* SaveButton() const { return m_save; }
    QPushButton* SaveAndRunButton() const { return m_saveAndRun; }

protected:
    void AddPage(QWidget* page);
    void ShowPage(int page);
    // Enables the buttons for the page shown.
    void UpdateButtons();
    // The step of "Next ->" from the first page; false stays.
    virtual bool Next() = 0;
    virtual void Back() { ShowPage(0); }
    // Whether "Save" and "Save and Run" may be pressed on the last page.
    virtual bool CanSave() const = 0;
    // The checks before the dialog ends with a save; false stays.
    virtual bool Leave() { return true; }
    void Tell(const char* title, const std::string& text, bool error = true);
    // The option page names a specification and a file; false after telling which is missing.
    bool OptionsGiven(const COptionsPage& options);

    PageServices m_services;

private:
    void OpenHelp();

    QStackedWidget* m_pages;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_save;
    QPushButton* m_saveAndRun;
};

}  // namespace orvanta::app
