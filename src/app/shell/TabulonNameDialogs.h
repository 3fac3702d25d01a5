// The dialogs that name a Tabulon: CRenameTabulonDlg and CSaveTbAsDlg ("Save Tabulon As"). Each
// refuses, with its message, an empty name, one the naming rules change and a taken one.
#pragma once

#include "library/CTbItem.h"

#include <QDialog>

#include <string>

class CTbBrowser;
class CTbItem;
class QCheckBox;
class QLineEdit;
namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class CRenameTabulonDlg : public QDialog {
    Q_OBJECT
public:
    CRenameTabulonDlg(CTbBrowser& browser, CTbItem& item, QWidget* parent = nullptr);
    void accept() override;
    std::string NewName() const;

private:
    CTbBrowser& m_browser;
    CTbItem& m_item;
    QLineEdit* m_name;
};

class CSaveTbAsDlg : public QDialog {
    Q_OBJECT
public:
    CSaveTbAsDlg(CTbBrowser& browser, QWidget* parent = nullptr);
    void accept() override;
    std::string NewName() const;
    bool CopyRecords() const;

private:
    CTbBrowser& m_browser;
    QLineEdit* m_name;
    QCheckBox* m_copyRecords;
};

}  // namespace orvanta::app
