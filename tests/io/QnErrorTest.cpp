// The error objects: QnAutoError's check-and-throw rules and QnException's code and message area.
#include "io/QnAutoError.h"
#include "io/QnException.h"

#include <gtest/gtest.h>

#include <string>

TEST(QnAutoErrorTest, ChecksThrowOnlyForANonZeroLowWordAndAssertKeepsAHeldFailure) {
    QnAutoError error;
    EXPECT_NO_THROW(error.Check("the initial code 0x00210000 is no error"));
    EXPECT_NO_THROW(error.Assert(true, "m", -1));
    EXPECT_EQ(error.GetCode(), 0x00210000);
    error.SetCode(static_cast<int32_t>(0x80210000u));
    EXPECT_NO_THROW(error.Check("a zero low word is no error"));
    EXPECT_THROW(error.Assert(false, "m", -1), QnAutoError);
    EXPECT_EQ(error.GetCode(), -1);
    error.SetCode(static_cast<int32_t>(0x80080002u));
    try {
        error.Assert(false, "Problem writing to file in WriteN()", -1);
        ADD_FAILURE() << "Assert did not throw";
    } catch (const QnAutoError& thrown) {
        EXPECT_EQ(thrown.GetCode(), static_cast<int32_t>(0x80080002u));
        EXPECT_EQ(thrown.GetMessage(), "Problem writing to file in WriteN()");
    }
}

TEST(QnExceptionTest, KeepsTheFirstCodeAndJoinsTheMessagesOfOneIdUpToTheLimit) {
    QnException exception;
    EXPECT_EQ(exception.SetCode(5), 5);
    EXPECT_EQ(exception.SetCode(7), 5);
    exception.AddMessage(1, "first");
    exception.AddMessage(2, "other");
    exception.AddMessage(1, "second");
    char out[64];
    EXPECT_EQ(exception.GetMessages(1, out, 16), QN_OK);  // exactly fits, with the NUL
    EXPECT_STREQ(out, "first, second, ");
    EXPECT_EQ(exception.Messages(2), "other, ");
    EXPECT_EQ(exception.GetMessages(1, out, 15), QN_S_MESSAGES_TRUNCATED);
    EXPECT_STREQ(out, "first, ");
    EXPECT_EQ(exception.GetMessages(1, nullptr, 10), QN_E_NO_MESSAGE_BUFFER);
    exception.Reset();
    EXPECT_EQ(exception.SetCode(7), 7);
    EXPECT_EQ(exception.Messages(1), "");
}

TEST(QnExceptionTest, AddMessageRefusesAnEntryThatDoesNotFitTheArea) {
    QnException exception;
    std::string text(100, 'x');
    int added = 0;
    while (exception.AddMessage(3, text.c_str()) == QN_OK) ++added;
    EXPECT_EQ(added, 4096 / (8 + 101));
    EXPECT_EQ(exception.AddMessage(3, text.c_str()), QN_E_MESSAGES_FULL);
}
