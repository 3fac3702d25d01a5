// The library's two lists as dialogs: CManageCardsDlg (the expansion cards, and deleting one)
// and CSamplesDlg (the sample Tabulons, some of them checked to be installed).
#pragma once

#include <QDialog>

#include <vector>

class CTbBrowser;
class CTbItem;
class QListWidget;

namespace orvanta::app {

class CManageCardsDlg : public QDialog {
    Q_OBJECT
public:
    CManageCardsDlg(CTbBrowser& browser, QWidget* parent = nullptr);
    // Deletes the selected card, asking first when Tabulons live on it.
    void DeleteSelected();
    void done(int result) override;
    QListWidget* Cards() const { return m_cards; }

private:
    void Refill();

    CTbBrowser& m_browser;
    QListWidget* m_cards;
};

class CSamplesDlg : public QDialog {
    Q_OBJECT
public:
    // The browser's sample list must have been scanned.
    CSamplesDlg(CTbBrowser& browser, QWidget* parent = nullptr);
    std::vector<CTbItem*> Chosen() const;
    QListWidget* Samples() const { return m_samples; }

private:
    CTbBrowser& m_browser;
    QListWidget* m_samples;
};

}  // namespace orvanta::app
