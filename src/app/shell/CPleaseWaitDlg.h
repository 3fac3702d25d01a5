// CPleaseWaitDlg: the "Please Wait" window of work that cannot count its steps. Begin and End
// nest; while it shows, its text grows a dot every 600 ms and the other windows take no input.
#pragma once

#include <QString>
#include <QTimer>

#include <memory>

class QDialog;
class QLabel;
class QWidget;

namespace orvanta::app {

class CPleaseWaitDlg {
public:
    explicit CPleaseWaitDlg(QWidget* parent = nullptr);
    ~CPleaseWaitDlg();
    CPleaseWaitDlg(const CPleaseWaitDlg&) = delete;
    CPleaseWaitDlg& operator=(const CPleaseWaitDlg&) = delete;

    // The wait cursor on, the window shown (once), its text set.
    void Begin(const QString& text);
    // At the outermost End the window closes and the wait cursor goes.
    void End();
    // Lets the window animate and paint during work on the main thread; no user input is taken.
    void Pump();

    bool IsShown() const { return m_window != nullptr; }
    int Nesting() const { return m_nesting; }
    // What the window shows now: the text and the current suffix.
    QString ShownText() const;

private:
    void Advance();

    QWidget* m_parent;
    std::unique_ptr<QDialog> m_window;
    QLabel* m_label = nullptr;
    QTimer m_timer;
    QString m_text;
    int m_suffix = 0;
    int m_nesting = 0;
};

}  // namespace orvanta::app
