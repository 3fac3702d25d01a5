// TerminalProgress: silent when its descriptor is not a terminal; on a terminal (a pseudo
// terminal here) a bar with the text and percentage between Begin and End, erased by End.
#include "cli/TerminalProgress.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

using orvanta::cli::TerminalProgress;

namespace {

// A pseudo terminal: the progress draws on the slave side, the test reads the master side.
class PseudoTerminal {
public:
    PseudoTerminal() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) return;
        m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~PseudoTerminal() {
        if (m_slave >= 0) ::close(m_slave);
        if (m_master >= 0) ::close(m_master);
    }
    bool Ok() const { return m_master >= 0 && m_slave >= 0; }
    int Slave() const { return m_slave; }
    // Everything written to the slave so far.
    std::string Drain() {
        std::string text;
        char buffer[4096];
        for (int idle = 0; idle < 20;) {
            ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0) {
                text.append(buffer, static_cast<size_t>(n));
                idle = 0;
            } else {
                ++idle;
                ::usleep(2000);
            }
        }
        return text;
    }

private:
    int m_master = -1;
    int m_slave = -1;
};

// The write end of a pipe and what reached the read end.
class Pipe {
public:
    Pipe() {
        if (::pipe(m_fds) == 0) ::fcntl(m_fds[0], F_SETFL, O_NONBLOCK);
    }
    ~Pipe() {
        ::close(m_fds[0]);
        ::close(m_fds[1]);
    }
    int WriteEnd() const { return m_fds[1]; }
    std::string Drain() {
        std::string text;
        char buffer[256];
        for (ssize_t n; (n = ::read(m_fds[0], buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<size_t>(n));
        return text;
    }

private:
    int m_fds[2] = {-1, -1};
};

}  // namespace

TEST(TerminalProgress, IsSilentWhenNotATerminal) {
    Pipe pipe;
    {
        TerminalProgress progress(pipe.WriteEnd());
        EXPECT_FALSE(progress.IsActive());
        progress.Begin();
        progress.SetRange(10);
        progress.SetText("Loading Tabulon header information...");
        progress.Step(5);
        progress.End();
    }
    EXPECT_EQ(pipe.Drain(), "");
}

TEST(TerminalProgress, DrawsTextBarAndPercentOnATerminal) {
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.Ok());
    TerminalProgress progress(terminal.Slave());
    EXPECT_TRUE(progress.IsActive());
    progress.Begin();
    progress.SetRange(4);
    progress.SetText("Loading Tabulon data records...");
    progress.Step(2);
    std::string drawn = terminal.Drain();
    EXPECT_NE(drawn.find("Loading Tabulon data records... [###############---------------] 50%"),
              std::string::npos)
        << drawn;
    EXPECT_EQ(drawn.find('\n'), std::string::npos);
    progress.End();
    EXPECT_EQ(terminal.Drain(), "\r\x1b[K");
}

TEST(TerminalProgress, DrawsNothingOutsideBeginAndEnd) {
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.Ok());
    TerminalProgress progress(terminal.Slave());
    progress.SetRange(3);
    progress.SetText("Writing header information...");
    progress.Step(1);
    EXPECT_EQ(terminal.Drain(), "");
    progress.End();
    EXPECT_EQ(terminal.Drain(), "");
}

TEST(TerminalProgress, StepsNeverPassTheRangeAndRedrawOnlyOnChange) {
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.Ok());
    TerminalProgress progress(terminal.Slave());
    progress.Begin();
    progress.SetRange(1000);
    terminal.Drain();
    progress.Step(1);  // 0.1%: the same whole percentage, nothing to redraw
    EXPECT_EQ(terminal.Drain(), "");
    progress.Step(5000);
    std::string drawn = terminal.Drain();
    EXPECT_NE(drawn.find("100%"), std::string::npos) << drawn;
    progress.Step(1);
    EXPECT_EQ(terminal.Drain(), "");
    progress.End();
}

TEST(TerminalProgress, ErasesItsLineWhenDestroyedWhileShown) {
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.Ok());
    {
        TerminalProgress progress(terminal.Slave());
        progress.Begin();
        terminal.Drain();
    }
    EXPECT_EQ(terminal.Drain(), "\r\x1b[K");
}
