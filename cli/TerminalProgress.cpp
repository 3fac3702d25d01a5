// Drawing the progress line: carriage return, the text, a bar of '#' and '-' and the percentage,
// redrawn only when the percentage or the text changes so large files do not flood the terminal.
#include "cli/TerminalProgress.h"

#include <unistd.h>
#include <algorithm>

namespace orvanta::cli {
namespace {

constexpr int kBarWidth = 30;
constexpr size_t kTextWidth = 40;
constexpr const char* kEraseLine = "\r\x1b[K";

void WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

}  // namespace

TerminalProgress::TerminalProgress(int fd) : m_fd(fd), m_active(::isatty(fd) == 1) {}

TerminalProgress::~TerminalProgress() { Erase(); }

void TerminalProgress::Begin() {
    m_shown = true;
    m_range = 100;
    m_position = 0;
    Draw(true);
}

void TerminalProgress::End() {
    Erase();
    m_shown = false;
}

void TerminalProgress::SetRange(int n) {
    m_range = std::max(n, 0);
    m_position = 0;
    Draw(true);
}

void TerminalProgress::Step(int k) {
    m_position = std::clamp(m_position + k, 0, m_range);
    Draw(false);
}

void TerminalProgress::SetText(const std::string& text) {
    m_text = text;
    Draw(true);
}

int TerminalProgress::Percent() const {
    return m_range == 0 ? 100 : static_cast<int>(static_cast<long long>(m_position) * 100 / m_range);
}

void TerminalProgress::Draw(bool force) {
    if (!m_active || !m_shown) return;
    int percent = Percent();
    if (!force && percent == m_lastPercent) return;
    m_lastPercent = percent;
    int filled = percent * kBarWidth / 100;
    std::string line = kEraseLine;
    line += m_text.substr(0, kTextWidth);
    if (!m_text.empty()) line += ' ';
    line += '[' + std::string(filled, '#') + std::string(kBarWidth - filled, '-') + "] ";
    line += std::to_string(percent) + '%';
    WriteAll(m_fd, line);
    m_drawn = true;
}

void TerminalProgress::Erase() {
    if (!m_drawn) return;
    WriteAll(m_fd, kEraseLine);
    m_drawn = false;
    m_lastPercent = -1;
}

}  // namespace orvanta::cli
