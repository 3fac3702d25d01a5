// Text to 16/32-bit integers, reals, Booleans and dates with the OLE statuses, under a locale.
#include "platform/OleDate.h"
#include "platform/OleVariant.h"
#include "platform/RuntimeLibrary.h"

#include <gtest/gtest.h>

namespace {

using namespace orvanta::platform;

struct NumberRow {
    const char* name;
    const char* text;
    int32_t i2Status;
    int16_t i2;
    int32_t i4Status;
    int32_t i4;
};

class NumberCases : public testing::TestWithParam<NumberRow> {};

TEST_P(NumberCases, IntegersByRange) {
    const NumberRow& row = GetParam();
    int16_t i2 = 0;
    int32_t i4 = 0;
    EXPECT_EQ(VarI2FromText(row.text, &i2, Locale::UsEnglish()), row.i2Status);
    EXPECT_EQ(VarI4FromText(row.text, &i4, Locale::UsEnglish()), row.i4Status);
    if (row.i2Status == 0) {
        EXPECT_EQ(i2, row.i2);
    }
    if (row.i4Status == 0) {
        EXPECT_EQ(i4, row.i4);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberCases,
    testing::Values(NumberRow{"Plain", "42", 0, 42, 0, 42}, NumberRow{"Blanks", " -7 ", 0, -7, 0, -7},
                    NumberRow{"Plus", "+5", 0, 5, 0, 5}, NumberRow{"Thousands", "1,234", 0, 1234, 0, 1234},
                    NumberRow{"HalfToEven", "2.5", 0, 2, 0, 2}, NumberRow{"HalfUp", "3.5", 0, 4, 0, 4},
                    NumberRow{"Exponent", "1e3", 0, 1000, 0, 1000},
                    NumberRow{"ShortOverflow", "32768", kDispOverflow, 0, 0, 32768},
                    NumberRow{"LongOverflow", "2147483648", kDispOverflow, 0, kDispOverflow, 0},
                    NumberRow{"Word", "abc", kDispTypeMismatch, 0, kDispTypeMismatch, 0},
                    NumberRow{"Empty", "", kDispTypeMismatch, 0, kDispTypeMismatch, 0},
                    NumberRow{"TrailingLetters", "12a", kDispTypeMismatch, 0, kDispTypeMismatch, 0},
                    NumberRow{"DateIsNoNumber", "1/2/2003", kDispTypeMismatch, 0, kDispTypeMismatch, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OleParse, RealsFollowTheLocaleSeparators) {
    Locale german = Locale::UsEnglish();
    german.decimalSeparator = ',';
    german.thousandSeparator = '.';
    float real = 0;
    ASSERT_EQ(VarR4FromText("1.234,5", &real, german), 0);
    EXPECT_FLOAT_EQ(real, 1234.5f);
    EXPECT_EQ(VarR4FromText("1e39", &real, german), kDispOverflow);
    EXPECT_EQ(VarR4FromText("1,5,5", &real, german), kDispTypeMismatch);
}

TEST(OleParse, BooleansAreTheLocaleWordsOrNumbers) {
    Locale locale = Locale::UsEnglish();
    bool value = false;
    EXPECT_EQ(VarBoolFromText(" TRUE ", &value, locale), 0);
    EXPECT_TRUE(value);
    EXPECT_EQ(VarBoolFromText("false", &value, locale), 0);
    EXPECT_FALSE(value);
    EXPECT_EQ(VarBoolFromText("-1", &value, locale), 0);
    EXPECT_TRUE(value);
    EXPECT_EQ(VarBoolFromText("yes", &value, locale), kDispTypeMismatch);
    locale.trueWord = "Wahr";
    EXPECT_EQ(VarBoolFromText("wahr", &value, locale), 0);
    EXPECT_EQ(VarTextFromBool(true), "-1");
    EXPECT_EQ(VarTextFromBool(false), "0");
    EXPECT_EQ(VarTextFromI4(-70000), "-70000");
}

TEST(OleParse, DatesTimesAndBoth) {
    Locale locale = Locale::UsEnglish();
    locale.shortDatePattern = "dd/MM/yyyy";
    double date = 0, expected = 0;
    ASSERT_EQ(VarDateFromText("31/12/2004", &date, locale), 0);
    ASSERT_TRUE(OleDateFromParts(2004, 12, 31, 0, 0, 0, &expected));
    EXPECT_EQ(date, expected);
    ASSERT_EQ(VarDateFromText("6:00 PM", &date, locale), 0);
    EXPECT_DOUBLE_EQ(date, 0.75);
    ASSERT_EQ(VarDateFromText("1/2/2003 12:00", &date, locale), 0);
    ASSERT_TRUE(OleDateFromParts(2003, 2, 1, 12, 0, 0, &expected));
    EXPECT_DOUBLE_EQ(date, expected);
    EXPECT_EQ(VarDateFromText("12/31/2004", &date, locale), kDispTypeMismatch);
    EXPECT_EQ(VarDateFromText("Monday", &date, locale), kDispTypeMismatch);
}

TEST(RuntimeLibrary, WorkbookConverterName) {
    EXPECT_EQ(RuntimeLibrary::FileFor("Vornish.dll"), "./libvornish.so");
    EXPECT_EQ(RuntimeLibrary::FileFor("/opt/orvanta/Vornish.dll"), "/opt/orvanta/libvornish.so");
}

}  // namespace
