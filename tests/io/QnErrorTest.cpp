// The error objects: QnAutoError's check-and-throw rules and QnException's message area.
#include "io/QnAutoError.h"
#include "io/QnException.h"

#include <gtest/gtest.h>

#include <string>

TEST(QnAutoErrorTest, NewObjectHoldsTheInitialCodeWhichIsNoError) {
    QnAutoError error;
    EXPECT_EQ(error.GetCode(), 0x00210000);
    EXPECT_NO_THROW(error.Check("never thrown"));
    EXPECT_EQ(error.GetMessage(), "");
}

TEST(QnAutoErrorTest, CheckThrowsACopyWithTheMessageWhenTheLowWordIsSet) {
    QnAutoError error;
    error.SetCode(static_cast<int32_t>(0x80080005u));
    try {
        error.Check("Problem writing to file in WriteN()");
        FAIL() << "Check did not throw";
    } catch (const QnAutoError& thrown) {
        EXPECT_EQ(thrown.GetCode(), static_cast<int32_t>(0x80080005u));
        EXPECT_EQ(thrown.GetMessage(), "Problem writing to file in WriteN()");
    }
    EXPECT_EQ(error.GetMessage(), "Problem writing to file in WriteN()");
}

TEST(QnAutoErrorTest, CheckIgnoresFailureCodesWithAZeroLowWord) {
    QnAutoError error;
    error.SetCode(static_cast<int32_t>(0x80210000u));
    EXPECT_NO_THROW(error.Check("no"));
}

TEST(QnAutoErrorTest, AssertStoresItsCodeOnlyWhenNoFailureIsHeld) {
    QnAutoError fresh;
    EXPECT_THROW(fresh.Assert(false, "m", -1), QnAutoError);
    EXPECT_EQ(fresh.GetCode(), -1);

    QnAutoError failed;
    failed.SetCode(static_cast<int32_t>(0x80080002u));
    EXPECT_THROW(failed.Assert(false, "m", -1), QnAutoError);
    EXPECT_EQ(failed.GetCode(), static_cast<int32_t>(0x80080002u));

    QnAutoError passing;
    EXPECT_NO_THROW(passing.Assert(true, "m", -1));
    EXPECT_EQ(passing.GetCode(), 0x00210000);
}

TEST(QnAutoErrorTest, CopiesKeepCodeAndMessage) {
    QnAutoError error;
    error.SetCode(-1);
    error.SetMessage("kept");
    QnAutoError copy = error;
    EXPECT_EQ(copy.GetCode(), -1);
    EXPECT_EQ(copy.GetMessage(), "kept");
}

class QnExceptionTest : public ::testing::Test {
protected:
    QnException m_exception;
};

TEST_F(QnExceptionTest, SetCodeKeepsTheFirstNonZeroCodeUntilReset) {
    EXPECT_EQ(m_exception.SetCode(5), 5);
    EXPECT_EQ(m_exception.SetCode(7), 5);
    int32_t code = 0;
    m_exception.GetCode(&code);
    EXPECT_EQ(code, 5);
    m_exception.Reset();
    EXPECT_EQ(m_exception.SetCode(7), 7);
}

TEST_F(QnExceptionTest, GetMessagesJoinsTheTextsOfOneIdInOrder) {
    m_exception.AddMessage(1, "a.pdb");
    m_exception.AddMessage(2, "other");
    m_exception.AddMessage(1, "b.pdb");
    char out[64];
    EXPECT_EQ(m_exception.GetMessages(1, out, sizeof out), QN_OK);
    EXPECT_STREQ(out, "a.pdb, b.pdb, ");
    EXPECT_EQ(m_exception.Messages(2), "other, ");
}

TEST_F(QnExceptionTest, GetMessagesStopsBeforePassingTheLimit) {
    m_exception.AddMessage(1, "first");
    m_exception.AddMessage(1, "second");
    char out[12];
    EXPECT_EQ(m_exception.GetMessages(1, out, sizeof out), QN_S_MESSAGES_TRUNCATED);
    EXPECT_STREQ(out, "first, ");
    EXPECT_EQ(m_exception.GetMessages(1, nullptr, 10), QN_E_NO_MESSAGE_BUFFER);
}

TEST_F(QnExceptionTest, AddMessageRefusesAnEntryThatDoesNotFitTheArea) {
    std::string text(100, 'x');
    int added = 0;
    while (m_exception.AddMessage(3, text.c_str()) == QN_OK) ++added;
    EXPECT_EQ(added, 4096 / (8 + 101));
    EXPECT_EQ(m_exception.AddMessage(3, text.c_str()), QN_E_MESSAGES_FULL);
    m_exception.Reset();
    EXPECT_EQ(m_exception.AddMessage(3, text.c_str()), QN_OK);
}
