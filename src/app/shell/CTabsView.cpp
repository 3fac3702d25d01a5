// The right pane's pages.
#include "app/shell/CTabsView.h"

#include "app/shell/CDetailsTab.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvanta::app {
namespace {

QWidget* TextPage(const QString& html, QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* label = new QLabel(html, page);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setTextFormat(Qt::RichText);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(label);
    layout->addStretch(1);
    return page;
}

const char* const kWelcome =
    "<h1 style='color:#2b4a6f'>Welcome to Orvanta</h1>"
    "<p>Orvanta keeps the Tabulons of your handheld on this desktop: databases that carry their own "
    "design and their records.</p>"
    "<p><b>To begin</b>, choose your HotSync user in the <i>User</i> selector above. The Tabulons of that "
    "user are then listed on the left; select one to see its details, records and design.</p>"
    "<ul><li><b>New</b> creates a Tabulon with the creation wizard.</li>"
    "<li><b>Tools &gt; Sample Tabulons</b> installs ready-made examples.</li>"
    "<li><b>Help &gt; Help Topics</b> explains every window.</li></ul>";

const char* const kRecords =
    "<h2>Records</h2><p>The records of the Tabulon in a grid, with its views, filters and sorting; joins, "
    "lookups and computed fields resolved; and the record editor.</p><p>This page arrives in the next "
    "version of Orvanta. Until then, records can be looked at with <tt>orvanta-cli json</tt>.</p>";
const char* const kDesigner =
    "<h2>Designer</h2><p>The design of the Tabulon: its fields and their properties, the form's tabs, "
    "the views and filters, the passwords and the settings.</p><p>This page arrives in a later version "
    "of Orvanta.</p>";
const char* const kDataLink =
    "<h2>Data Link</h2><p>Import delimited text and Excel workbooks into the Tabulon, export it, and keep "
    "saved import and export specifications.</p><p>This page arrives in a later version of Orvanta. "
    "Until then, <tt>orvanta-cli import</tt> and <tt>orvanta-cli export</tt> do this work.</p>";

}  // namespace

CTabsView::CTabsView(QWidget* parent)
    : QStackedWidget(parent),
      m_welcome(TextPage(kWelcome, this)),
      m_tabs(new QTabWidget(this)),
      m_details(new CDetailsTab(m_tabs)) {
    m_tabs->setDocumentMode(true);
    m_tabs->addTab(m_details, "Details");
    m_tabs->addTab(TextPage(kRecords, m_tabs), "Records");
    m_tabs->addTab(TextPage(kDesigner, m_tabs), "Designer");
    m_tabs->addTab(TextPage(kDataLink, m_tabs), "Data Link");
    addWidget(m_welcome);
    addWidget(m_tabs);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CTabsView::OnTabChanged);
}

void CTabsView::ShowWelcome() { setCurrentWidget(m_welcome); }

void CTabsView::ShowTabs() { setCurrentWidget(m_tabs); }

bool CTabsView::IsWelcomeShown() const { return currentWidget() == m_welcome; }

void CTabsView::OfferAllTabs(bool all) {
    for (int tab = Records; tab < TabCount; ++tab) m_tabs->setTabEnabled(tab, all);
}

CTabsView::Tab CTabsView::CurrentTab() const { return static_cast<Tab>(m_tabs->currentIndex()); }

void CTabsView::SetPage(Tab tab, QWidget* page) {
    m_reverting = true;
    bool enabled = m_tabs->isTabEnabled(tab);
    QString label = m_tabs->tabText(tab);
    QWidget* old = m_tabs->widget(tab);
    m_tabs->removeTab(tab);
    m_tabs->insertTab(tab, page, label);
    m_tabs->setTabEnabled(tab, enabled);
    m_tabs->setCurrentIndex(m_shown);
    delete old;
    m_reverting = false;
}

bool CTabsView::SelectTab(Tab tab) {
    if (!m_tabs->isTabEnabled(tab)) return false;
    m_tabs->setCurrentIndex(tab);
    return m_tabs->currentIndex() == tab;
}

void CTabsView::OnTabChanged(int index) {
    if (m_reverting || index < 0) return;
    if (index != Details && m_gate && !m_gate(static_cast<Tab>(index))) {
        m_reverting = true;
        m_tabs->setCurrentIndex(m_shown == index ? Details : m_shown);
        m_reverting = false;
        return;
    }
    m_shown = index;
    emit TabShown(index);
}

}  // namespace orvanta::app
