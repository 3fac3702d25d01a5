// The progress window: a modal, modeless-to-the-caller window with a caption line and a bar.
#include "app/shell/CProgressDlg.h"

#include "app/widgets/QtText.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace orvanta::app {

CProgressDlg::CProgressDlg(QWidget* parent) : m_parent(parent) {}

CProgressDlg::~CProgressDlg() {
    if (m_window) QApplication::restoreOverrideCursor();
}

void CProgressDlg::Begin() {
    if (m_nesting++ > 0) return;
    m_window =
        std::make_unique<QDialog>(m_parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_window->setWindowTitle("Orvanta");
    m_window->setWindowModality(Qt::ApplicationModal);
    m_window->setMinimumWidth(360);
    auto* layout = new QVBoxLayout(m_window.get());
    m_text = new QLabel(m_window.get());
    m_bar = new QProgressBar(m_window.get());
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    m_range = 100;
    m_position = 0;
    m_bar->setRange(0, m_range);
    m_bar->setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_window->show();
    Repaint();
}

void CProgressDlg::End() {
    if (m_nesting == 0 || --m_nesting > 0) return;
    QApplication::restoreOverrideCursor();
    m_window.reset();
    m_text = nullptr;
    m_bar = nullptr;
    m_position = 0;
}

void CProgressDlg::SetRange(int n) {
    m_range = std::clamp(n, 0, 0xFFFF);
    m_position = 0;
    if (!m_bar) return;
    m_bar->setRange(0, m_range);
    m_bar->setValue(0);
}

void CProgressDlg::Step(int k) {
    int before = m_position;
    m_position = std::min(m_range, m_position + std::max(k, 0));
    // One repaint per percent keeps a long read from spending its time painting.
    if (m_bar &&
        (m_range < 100 || m_position * 100 / std::max(m_range, 1) != before * 100 / std::max(m_range, 1))) {
        m_bar->setValue(m_position);
        Repaint();
    }
}

void CProgressDlg::SetText(const std::string& text) {
    if (!m_text) return;
    m_text->setText(ToQt(text));
    Repaint();
}

bool CProgressDlg::IsShown() const { return m_window && m_window->isVisible(); }

QString CProgressDlg::Text() const { return m_text ? m_text->text() : QString(); }

void CProgressDlg::Repaint() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace orvanta::app
