// CTabsView: the right pane: a welcome page until a user's library is open, then the tabs
// "Details", "Records", "Designer" and "Data Link" of the current Tabulon. A gate decides
// whether a tab may be shown (its passwords); a refused tab leaves the one that was showing.
#pragma once

#include <QStackedWidget>

#include <functional>

class QTabWidget;

namespace orvanta::app {

class CDetailsTab;

class CTabsView : public QStackedWidget {
    Q_OBJECT
public:
    enum Tab { Details, Records, Designer, DataLink, TabCount };

    explicit CTabsView(QWidget* parent = nullptr);

    void ShowWelcome();
    void ShowTabs();
    bool IsWelcomeShown() const;
    // Offers only the Details tab (nothing chosen, or a Tabulon that cannot be shown) or all.
    void OfferAllTabs(bool all);
    Tab CurrentTab() const;
    // Shows the tab when the gate lets it; false otherwise.
    bool SelectTab(Tab tab);
    void SetGate(std::function<bool(Tab)> gate) { m_gate = std::move(gate); }
    // Puts the page of a tab in place of the page that says what it will hold.
    void SetPage(Tab tab, QWidget* page);

    CDetailsTab& DetailsTab() const { return *m_details; }
    QTabWidget* Tabs() const { return m_tabs; }

signals:
    void TabShown(int tab);

private:
    void OnTabChanged(int index);

    QWidget* m_welcome;
    QTabWidget* m_tabs;
    CDetailsTab* m_details;
    std::function<bool(Tab)> m_gate;
    int m_shown = Details;
    bool m_reverting = false;
};

}  // namespace orvanta::app
