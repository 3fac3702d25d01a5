// Real numbers as OLE variant text: significant digits per real type, where the exponent form
// starts, negative zero, and the locale's decimal separator.
#include "platform/OleVariant.h"

#include <gtest/gtest.h>

#include <limits>

namespace pf = orvanta::platform;

namespace {

pf::Locale WithDecimalComma() {
    pf::Locale locale = pf::Locale::UsEnglish();
    locale.decimalSeparator = ',';
    return locale;
}

}  // namespace

TEST(OleVariantTest, FourByteRealsKeepSevenSignificantDigits) {
    const pf::Locale us = pf::Locale::UsEnglish();
    EXPECT_EQ(pf::VarTextFromR4(1.5f, us), "1.5");
    EXPECT_EQ(pf::VarTextFromR4(0.1f, us), "0.1");
    EXPECT_EQ(pf::VarTextFromR4(3.14159265f, us), "3.141593");
    EXPECT_EQ(pf::VarTextFromR4(-2.25f, us), "-2.25");
    EXPECT_EQ(pf::VarTextFromR4(1234567.0f, us), "1234567");
    EXPECT_EQ(pf::VarTextFromR4(100.0f, us), "100");
    EXPECT_EQ(pf::VarTextFromR4(0.0001f, us), "0.0001");
}

TEST(OleVariantTest, ExponentFormBeyondThePlainRange) {
    const pf::Locale us = pf::Locale::UsEnglish();
    EXPECT_EQ(pf::VarTextFromR4(1e10f, us), "1E+10");
    EXPECT_EQ(pf::VarTextFromR4(12345678.0f, us), "1.234568E+07");
    EXPECT_EQ(pf::VarTextFromR4(1e-5f, us), "1E-05");
    EXPECT_EQ(pf::VarTextFromR4(-2.5e-7f, us), "-2.5E-07");
    EXPECT_EQ(pf::VarTextFromR8(123456789012345.0, us), "123456789012345");
    EXPECT_EQ(pf::VarTextFromR8(1e15, us), "1E+15");
    EXPECT_EQ(pf::VarTextFromR8(1.0 / 3.0, us), "0.333333333333333");
    EXPECT_EQ(pf::VarTextFromR8(1e-5, us), "1E-05");
}

TEST(OleVariantTest, NegativeZeroIsZero) {
    const pf::Locale us = pf::Locale::UsEnglish();
    EXPECT_EQ(pf::VarTextFromR4(-0.0f, us), "0");
    EXPECT_EQ(pf::VarTextFromR8(-0.0, us), "0");
    EXPECT_EQ(pf::VarTextFromR8(-1e-300, us), "-1E-300");
}

TEST(OleVariantTest, UsesTheLocaleDecimalSeparator) {
    EXPECT_EQ(pf::VarTextFromR4(0.5f, WithDecimalComma()), "0,5");
    EXPECT_EQ(pf::VarTextFromR8(1.5e-9, WithDecimalComma()), "1,5E-09");
    pf::ScopedLocaleOverride user(WithDecimalComma());
    EXPECT_EQ(pf::VarTextFromR4(2.75f), "2,75");
}

TEST(OleVariantTest, ValuesWithoutDigitsAsTheWindowsRunTimeShowsThem) {
    EXPECT_EQ(pf::VarTextFromR4(std::numeric_limits<float>::infinity()), "1.#INF");
    EXPECT_EQ(pf::VarTextFromR8(-std::numeric_limits<double>::infinity()), "-1.#INF");
}
