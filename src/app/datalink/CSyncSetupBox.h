// CSyncSetupBox: the Data Link tab's synchronisation set-up: whether the Tabulon syncs with
// Microsoft Access, and the set-up, edit and removal of its configuration through the
// sync-configuration library (which keeps the configuration; no database sync is done here).
#pragma once

#include <QGroupBox>

class CTbBrowser;
class CTbItem;
class QLabel;
class QPushButton;
namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class CSyncSetupBox : public QGroupBox {
    Q_OBJECT
public:
    CSyncSetupBox(CTbBrowser* library, platform::IPrompt* prompt, QWidget* parent = nullptr);

    void ShowItem(CTbItem* item);
    // A new configuration, or the edit of the one the Tabulon has.
    void SetUp();
    // Asks, then removes the Tabulon's configuration.
    void Remove();

    QLabel* State() const { return m_state; }
    QPushButton* SetUpButton() const { return m_setUp; }
    QPushButton* RemoveButton() const { return m_remove; }

signals:
    // The Tabulon's sync partner may have changed.
    void Changed();

private:
    void Update();

    CTbBrowser* m_library;
    platform::IPrompt* m_prompt;
    CTbItem* m_item = nullptr;
    QLabel* m_state;
    QPushButton* m_setUp;
    QPushButton* m_remove;
};

}  // namespace orvanta::app
