// CProgressDlg: the program's progress window and its IProgressIndicator. Long work runs on the
// main thread; the window keeps painting while it runs and keeps the user out of the library.
#pragma once

#include "model/IProgressIndicator.h"

#include <QString>

#include <memory>

class QDialog;
class QLabel;
class QProgressBar;
class QWidget;

namespace orvanta::app {

class CProgressDlg : public IProgressIndicator {
public:
    explicit CProgressDlg(QWidget* parent = nullptr);
    ~CProgressDlg() override;
    void SetParent(QWidget* parent) { m_parent = parent; }

    // A Begin inside a Begin shares its window; the outermost End closes it.
    void Begin() override;
    void End() override;
    void SetRange(int n) override;
    void Step(int k) override;
    void SetText(const std::string& text) override;

    bool IsShown() const;
    QString Text() const;
    int Position() const { return m_position; }
    int Range() const { return m_range; }

private:
    // Paints what changed without taking the user's input.
    void Repaint();

    QWidget* m_parent;
    std::unique_ptr<QDialog> m_window;
    QLabel* m_text = nullptr;
    QProgressBar* m_bar = nullptr;
    int m_nesting = 0;
    int m_range = 100;
    int m_position = 0;
};

}  // namespace orvanta::app
