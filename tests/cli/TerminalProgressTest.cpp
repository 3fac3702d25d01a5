// TerminalProgress on a terminal (a pseudo terminal here): a bar with the text and percentage
// between Begin and End, redrawn only when the percentage changes, erased by End or by the
// destructor. That it stays silent when standard error is a file the end-to-end runs show.
#include "CliRunner.h"

#include "cli/TerminalProgress.h"

#include <gtest/gtest.h>

using orvanta::cli::TerminalProgress;

TEST(TerminalProgress, DrawsOnlyBetweenBeginAndEndAndOnlyWhenThePercentageChanges) {
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.Ok());
    TerminalProgress progress(terminal.Slave());
    progress.SetRange(4);
    progress.Step(1);
    EXPECT_EQ(terminal.Drain(), "") << "nothing before Begin";
    progress.Begin();
    progress.SetRange(4);
    progress.SetText("Loading Tabulon data records...");
    progress.Step(2);
    std::string drawn = terminal.Drain();
    EXPECT_TRUE(Contains(drawn, "Loading Tabulon data records... [###############---------------] 50%"))
        << drawn;
    EXPECT_FALSE(Contains(drawn, "\n"));
    progress.SetRange(1000);
    terminal.Drain();
    progress.Step(1);  // 0.1%: the same whole percentage, nothing to redraw
    EXPECT_EQ(terminal.Drain(), "");
    progress.Step(5000);
    EXPECT_TRUE(Contains(terminal.Drain(), "[##############################] 100%"));
    progress.Step(1);
    EXPECT_EQ(terminal.Drain(), "") << "steps never pass the range";
    progress.End();
    EXPECT_EQ(terminal.Drain(), "\r\x1b[K");
    progress.Step(-1);
    EXPECT_EQ(terminal.Drain(), "") << "nothing after End";
    {
        TerminalProgress shown(terminal.Slave());
        shown.Begin();
        terminal.Drain();
    }
    EXPECT_EQ(terminal.Drain(), "\r\x1b[K") << "the destructor erases a line still shown";
}
