// Real numbers as OLE variant text: significant digits per real type, where the exponent form
// starts, negative zero, values without digits, and the locale's decimal separator.
#include "platform/OleVariant.h"

#include <gtest/gtest.h>

#include <limits>

namespace pf = orvanta::platform;

TEST(OleVariant, RealsShowTheSignificantDigitsOfTheirType) {
    const pf::Locale us = pf::Locale::UsEnglish();
    const std::pair<float, const char*> fours[] = {{1.5f, "1.5"},
                                                   {0.1f, "0.1"},
                                                   {3.14159265f, "3.141593"},
                                                   {1234567.0f, "1234567"},
                                                   {100.0f, "100"},
                                                   {0.0001f, "0.0001"},
                                                   {12345678.0f, "1.234568E+07"},
                                                   {1e10f, "1E+10"},
                                                   {-2.5e-7f, "-2.5E-07"},
                                                   {-0.0f, "0"},
                                                   {std::numeric_limits<float>::infinity(), "1.#INF"}};
    for (const auto& [value, text] : fours) EXPECT_EQ(pf::VarTextFromR4(value, us), text) << text;
    const std::pair<double, const char*> eights[] = {{123456789012345.0, "123456789012345"},
                                                     {1e15, "1E+15"},
                                                     {1.0 / 3.0, "0.333333333333333"},
                                                     {1e-5, "1E-05"},
                                                     {-0.0, "0"},
                                                     {-1e-300, "-1E-300"},
                                                     {-std::numeric_limits<double>::infinity(), "-1.#INF"}};
    for (const auto& [value, text] : eights) EXPECT_EQ(pf::VarTextFromR8(value, us), text) << text;
}

TEST(OleVariant, UsesTheLocaleDecimalSeparator) {
    pf::Locale comma = pf::Locale::UsEnglish();
    comma.decimalSeparator = ',';
    EXPECT_EQ(pf::VarTextFromR4(0.5f, comma), "0,5");
    EXPECT_EQ(pf::VarTextFromR8(1.5e-9, comma), "1,5E-09");
    pf::ScopedLocaleOverride user(comma);
    EXPECT_EQ(pf::VarTextFromR4(2.75f), "2,75");
}
