// The locale record: the built-in table and the names that reach it, the installed locale
// data and its strftime formats, the environment, and the user's override.
#include "platform/Locale.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <locale.h>

#include <array>
#include <string>

using namespace orvanta::platform;

namespace {

// The short date of the locale the environment names with LC_ALL, LC_TIME and LANG set as
// given (nullptr: unset); the earlier values are put back.
std::string DateFromEnvironment(const std::array<const char*, 3>& values) {
    ScopedEnv all("LC_ALL", values[0]), time("LC_TIME", values[1]), lang("LANG", values[2]);
    return Locale::FromEnvironment().shortDatePattern;
}

// Every setting, joined, so that one comparison shows which one differs.
std::string Settings(const Locale& l) {
    return l.shortDatePattern + "|" + l.timePattern + "|" + l.am + "|" + l.pm + "|" + l.decimalSeparator +
           l.thousandSeparator + l.listSeparator + "|" + l.trueWord + "|" + l.falseWord;
}

bool IsInstalled(const char* name) {
    locale_t locale = ::newlocale(LC_ALL_MASK, name, nullptr);
    if (locale != nullptr) ::freelocale(locale);
    return locale != nullptr;
}

}  // namespace

TEST(Locale, NamesReachTheBuiltInTableWhateverTheirSpelling) {
    EXPECT_EQ(Settings(Locale::UsEnglish()), "M/d/yyyy|h:mm:ss tt|AM|PM|.,,|True|False");
    EXPECT_EQ(Settings(Locale::FromName("fr_FR")), "dd/MM/yyyy|HH:mm:ss|AM|PM|, ;|Vrai|Faux");
    const std::string german = "dd.MM.yyyy|HH:mm:ss|AM|PM|,.;|Wahr|Falsch";
    for (const char* name :
         {"de_DE", "de_DE.UTF-8", "de_DE@euro", "de_DE.ISO-8859-15@euro", "de-DE", "DE_de"})
        EXPECT_EQ(Settings(Locale::FromName(name)), german) << name;
    for (const char* name : {"", "C", "POSIX", "C.UTF-8", "xx_YY", "xx_YY.UTF-8", "de", "not a locale"})
        EXPECT_EQ(Settings(Locale::FromName(name)), Settings(Locale::UsEnglish())) << name;
}

TEST(Locale, InstalledDataIsConvertedAndTheTableWinsOverIt) {
    Locale c;
    ASSERT_TRUE(InstalledLocale("C", &c));
    EXPECT_EQ(Settings(c), "MM/dd/yy|HH:mm:ss|AM|PM|.,,|True|False");
    for (const char* name : {"xx_YY.UTF-8", "", "../../etc"}) EXPECT_FALSE(InstalledLocale(name, &c)) << name;
    if (!IsInstalled("sv_SE.UTF-8") || !IsInstalled("de_DE.UTF-8")) GTEST_SKIP() << "sv_SE or de_DE missing";
    const Locale swedish = Locale::FromName("sv_SE.UTF-8");
    EXPECT_EQ(swedish.shortDatePattern + "|" + swedish.timePattern, "yyyy-MM-dd|HH:mm:ss");
    EXPECT_EQ((std::string{swedish.decimalSeparator, swedish.thousandSeparator, swedish.listSeparator}),
              ", ;");
    ASSERT_TRUE(InstalledLocale("de_DE.UTF-8", &c));
    EXPECT_EQ(c.trueWord, "True");
    EXPECT_EQ(Locale::FromName("de_DE.UTF-8").trueWord, "Wahr");
}

TEST(Locale, StrftimeConversionsBecomePictureCodes) {
    const char* cases[][2] = {{"%d.%m.%Y", "dd.MM.yyyy"},
                              {"%e/%m/%y", "d/MM/yy"},
                              {"%D", "MM/dd/yy"},
                              {"%r", "hh:mm:ss tt"},
                              {"%-d.%-m.%Y", "d.M.yyyy"},
                              {"%Ey/%Om/%Od", "yy/MM/dd"},
                              {"%H h %M", "HH' h 'mm"},
                              {"it's %d", "'it''s 'dd"},
                              {"%d%%", "dd%"},
                              {"%d%Q.%m", "dd.MM"},
                              {"%d%", "dd"},
                              {"", ""}};
    for (const auto& [format, picture] : cases) EXPECT_EQ(PictureFromStrftime(format), picture) << format;
}

TEST(Locale, EnvironmentTakesLcAllThenLcTimeThenLang) {
    EXPECT_EQ(DateFromEnvironment({"de_DE.UTF-8", "en_GB.UTF-8", "fr_FR.UTF-8"}), "dd.MM.yyyy");
    EXPECT_EQ(DateFromEnvironment({nullptr, "ja_JP.UTF-8", "fr_FR.UTF-8"}), "yyyy/MM/dd");
    EXPECT_EQ(DateFromEnvironment({"", "", "nl_NL.UTF-8"}), "d-M-yyyy");  // empty counts as unset
    EXPECT_EQ(DateFromEnvironment({nullptr, nullptr, nullptr}), "M/d/yyyy");
    EXPECT_EQ(DateFromEnvironment({"C", nullptr, "de_DE.UTF-8"}), "M/d/yyyy");
}

TEST(Locale, OverridesReplaceTheUsersLocaleAndScopedOnesRestoreWhatWasBefore) {
    const std::string original = UserLocale().shortDatePattern;
    Locale custom;
    custom.shortDatePattern = "yyyy|MM|dd";
    SetUserLocaleOverride(Locale::FromName("en_GB"));
    EXPECT_EQ(UserLocale().shortDatePattern, "dd/MM/yyyy");
    {
        ScopedLocaleOverride outer(custom);
        {
            ScopedLocaleOverride inner(Locale::FromName("ja_JP"));
            EXPECT_EQ(UserLocale().shortDatePattern, "yyyy/MM/dd");
        }
        EXPECT_EQ(UserLocale().shortDatePattern, "yyyy|MM|dd");
    }
    EXPECT_EQ(UserLocale().shortDatePattern, "dd/MM/yyyy");
    ClearUserLocaleOverride();
    EXPECT_EQ(UserLocale().shortDatePattern, original);
    { ScopedLocaleOverride scoped(custom); }
    EXPECT_EQ(UserLocale().shortDatePattern, original);
}
