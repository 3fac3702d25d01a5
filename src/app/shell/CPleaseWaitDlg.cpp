// The please-wait window, animated by a timer on the main thread.
#include "app/shell/CPleaseWaitDlg.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

namespace orvanta::app {
namespace {

const char* const kSuffixes[] = {"", ".", ". .", ". . .", ". . . ."};
constexpr int kSuffixCount = 5;
constexpr int kTickMs = 600;

}  // namespace

CPleaseWaitDlg::CPleaseWaitDlg(QWidget* parent) : m_parent(parent) {
    m_timer.setInterval(kTickMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Advance(); });
}

CPleaseWaitDlg::~CPleaseWaitDlg() {
    if (m_window) QApplication::restoreOverrideCursor();
}

void CPleaseWaitDlg::Begin(const QString& text) {
    if (!m_window) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_window =
            std::make_unique<QDialog>(m_parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        m_window->setWindowTitle("Please Wait");
        m_window->setWindowModality(Qt::ApplicationModal);
        m_window->setMinimumWidth(320);
        m_label = new QLabel(m_window.get());
        (new QVBoxLayout(m_window.get()))->addWidget(m_label);
        m_suffix = 0;
        m_window->show();
        m_timer.start();
    }
    m_text = text;
    m_label->setText(ShownText());
    ++m_nesting;
    Pump();
}

void CPleaseWaitDlg::End() {
    if (m_nesting == 0 || --m_nesting > 0) return;
    m_timer.stop();
    m_window.reset();
    m_label = nullptr;
    QApplication::restoreOverrideCursor();
}

void CPleaseWaitDlg::Pump() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

QString CPleaseWaitDlg::ShownText() const { return m_text + kSuffixes[m_suffix]; }

void CPleaseWaitDlg::Advance() {
    m_suffix = (m_suffix + 1) % kSuffixCount;
    if (m_label) m_label->setText(ShownText());
}

}  // namespace orvanta::app
