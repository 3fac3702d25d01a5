// TerminalProgress: the CLI's progress sink. It draws a one-line bar with the current text on
// a file descriptor (standard error) only when that is a terminal, and does nothing otherwise.
#pragma once

#include "model/IProgressIndicator.h"

#include <string>

namespace orvanta::cli {

class TerminalProgress : public IProgressIndicator {
public:
    // Draws on fd when isatty(fd); otherwise every operation is silent.
    explicit TerminalProgress(int fd = 2);
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    bool IsActive() const { return m_active; }

    // The bar is drawn between Begin and End; End erases it again.
    void Begin() override;
    void End() override;
    void SetRange(int n) override;
    void Step(int k) override;
    void SetText(const std::string& text) override;

private:
    int Percent() const;
    void Draw(bool force);
    void Erase();

    int m_fd;
    bool m_active;
    bool m_shown = false;
    bool m_drawn = false;
    int m_range = 100;
    int m_position = 0;
    int m_lastPercent = -1;
    std::string m_text;
};

}  // namespace orvanta::cli
