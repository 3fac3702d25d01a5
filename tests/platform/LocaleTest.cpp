// The locale record: the built-in table, names, the installed locale data, the environment
// and the user's override.
#include "platform/Locale.h"

#include <gtest/gtest.h>

#include <locale.h>
#include <stdlib.h>

#include <map>
#include <optional>
#include <string>

using namespace orvanta::platform;

namespace {

// Sets locale variables for one test and puts every one of them back afterwards.
class ScopedLocaleVariables {
public:
    ScopedLocaleVariables() {
        for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
            const char* value = ::getenv(name);
            m_saved[name] = value ? std::optional<std::string>(value) : std::nullopt;
            ::unsetenv(name);
        }
    }
    ~ScopedLocaleVariables() {
        for (const auto& [name, value] : m_saved) Set(name.c_str(), value ? value->c_str() : nullptr);
    }
    void Set(const char* name, const char* value) {
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }

private:
    std::map<std::string, std::optional<std::string>> m_saved;
};

bool SameSettings(const Locale& a, const Locale& b) {
    return a.shortDatePattern == b.shortDatePattern && a.timePattern == b.timePattern && a.am == b.am &&
           a.pm == b.pm && a.decimalSeparator == b.decimalSeparator &&
           a.thousandSeparator == b.thousandSeparator && a.listSeparator == b.listSeparator &&
           a.trueWord == b.trueWord && a.falseWord == b.falseWord;
}

bool IsInstalled(const char* name) {
    locale_t locale = ::newlocale(LC_ALL_MASK, name, nullptr);
    if (locale == nullptr) return false;
    ::freelocale(locale);
    return true;
}

}  // namespace

TEST(LocaleDefaultsTest, UsEnglishHasTheWindowsUsSettings) {
    Locale us = Locale::UsEnglish();
    EXPECT_EQ(us.shortDatePattern, "M/d/yyyy");
    EXPECT_EQ(us.timePattern, "h:mm:ss tt");
    EXPECT_EQ(us.am, "AM");
    EXPECT_EQ(us.pm, "PM");
    EXPECT_EQ(us.decimalSeparator, '.');
    EXPECT_EQ(us.thousandSeparator, ',');
    EXPECT_EQ(us.listSeparator, ',');
    EXPECT_EQ(us.trueWord, "True");
    EXPECT_EQ(us.falseWord, "False");
}

struct TableCase {
    const char* name;
    const char* date;
    const char* time;
    char decimal;
    char thousand;
    char list;
    const char* trueWord;
    const char* falseWord;
};

class LocaleTableTest : public testing::TestWithParam<TableCase> {};

TEST_P(LocaleTableTest, CommonLocalesReadTheSameOnEveryMachine) {
    const TableCase& c = GetParam();
    Locale locale = Locale::FromName(c.name);
    EXPECT_EQ(locale.shortDatePattern, c.date);
    EXPECT_EQ(locale.timePattern, c.time);
    EXPECT_EQ(locale.decimalSeparator, c.decimal);
    EXPECT_EQ(locale.thousandSeparator, c.thousand);
    EXPECT_EQ(locale.listSeparator, c.list);
    EXPECT_EQ(locale.trueWord, c.trueWord);
    EXPECT_EQ(locale.falseWord, c.falseWord);
}

INSTANTIATE_TEST_SUITE_P(
    BuiltIn, LocaleTableTest,
    testing::Values(TableCase{"en_US", "M/d/yyyy", "h:mm:ss tt", '.', ',', ',', "True", "False"},
                    TableCase{"en_GB", "dd/MM/yyyy", "HH:mm:ss", '.', ',', ',', "True", "False"},
                    TableCase{"de_DE", "dd.MM.yyyy", "HH:mm:ss", ',', '.', ';', "Wahr", "Falsch"},
                    TableCase{"de_AT", "dd.MM.yyyy", "HH:mm:ss", ',', '.', ';', "Wahr", "Falsch"},
                    TableCase{"de_CH", "dd.MM.yyyy", "HH:mm:ss", ',', '.', ';', "Wahr", "Falsch"},
                    TableCase{"fr_FR", "dd/MM/yyyy", "HH:mm:ss", ',', ' ', ';', "Vrai", "Faux"},
                    TableCase{"nl_NL", "d-M-yyyy", "HH:mm:ss", ',', '.', ';', "True", "False"},
                    TableCase{"es_ES", "dd/MM/yyyy", "H:mm:ss", ',', '.', ';', "True", "False"},
                    TableCase{"it_IT", "dd/MM/yyyy", "HH:mm:ss", ',', '.', ';', "True", "False"},
                    TableCase{"ja_JP", "yyyy/MM/dd", "H:mm:ss", '.', ',', ',', "True", "False"}));

class LocaleNameFormTest : public testing::TestWithParam<const char*> {};

TEST_P(LocaleNameFormTest, CodesetModifierAndSpellingDoNotMatter) {
    EXPECT_TRUE(SameSettings(Locale::FromName(GetParam()), Locale::FromName("de_DE"))) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(German, LocaleNameFormTest,
                         testing::Values("de_DE.UTF-8", "de_DE@euro", "de_DE.ISO-8859-15@euro", "de-DE",
                                         "DE_de"));

class UsEnglishNameTest : public testing::TestWithParam<const char*> {};

TEST_P(UsEnglishNameTest, NamesWithoutSettingsOfTheirOwnGiveUsEnglish) {
    EXPECT_TRUE(SameSettings(Locale::FromName(GetParam()), Locale::UsEnglish())) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Fallback, UsEnglishNameTest,
                         testing::Values("", "C", "POSIX", "C.UTF-8", "xx_YY", "xx_YY.UTF-8", "de",
                                         "not a locale"));

TEST(InstalledLocaleTest, TheCLocaleDataIsConvertedToPictures) {
    Locale c;
    c.shortDatePattern = "unchanged";
    ASSERT_TRUE(InstalledLocale("C", &c));
    EXPECT_EQ(c.shortDatePattern, "MM/dd/yy");
    EXPECT_EQ(c.timePattern, "HH:mm:ss");
    EXPECT_EQ(c.am, "AM");
    EXPECT_EQ(c.pm, "PM");
    EXPECT_EQ(c.decimalSeparator, '.');
    EXPECT_EQ(c.thousandSeparator, ',');
    EXPECT_EQ(c.listSeparator, ',');
}

TEST(InstalledLocaleTest, UnknownAndEmptyNamesAreNotInstalled) {
    Locale locale;
    EXPECT_FALSE(InstalledLocale("xx_YY.UTF-8", &locale));
    EXPECT_FALSE(InstalledLocale("", &locale));
    EXPECT_FALSE(InstalledLocale("../../etc", &locale));
}

TEST(InstalledLocaleTest, NamesOutsideTheTableUseTheInstalledData) {
    if (!IsInstalled("sv_SE.UTF-8")) GTEST_SKIP() << "sv_SE.UTF-8 is not installed here";
    Locale swedish = Locale::FromName("sv_SE.UTF-8");
    EXPECT_EQ(swedish.shortDatePattern, "yyyy-MM-dd");
    EXPECT_EQ(swedish.timePattern, "HH:mm:ss");
    EXPECT_EQ(swedish.decimalSeparator, ',');
    EXPECT_EQ(swedish.thousandSeparator, ' ');
    EXPECT_EQ(swedish.listSeparator, ';');
}

TEST(InstalledLocaleTest, TheTableWinsOverInstalledData) {
    if (!IsInstalled("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed here";
    Locale installed;
    ASSERT_TRUE(InstalledLocale("de_DE.UTF-8", &installed));
    EXPECT_EQ(installed.trueWord, "True");
    EXPECT_EQ(Locale::FromName("de_DE.UTF-8").trueWord, "Wahr");
}

struct StrftimeCase {
    const char* format;
    const char* picture;
};

class PictureFromStrftimeTest : public testing::TestWithParam<StrftimeCase> {};

TEST_P(PictureFromStrftimeTest, ConversionsBecomePictureCodes) {
    EXPECT_EQ(PictureFromStrftime(GetParam().format), GetParam().picture) << GetParam().format;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PictureFromStrftimeTest,
    testing::Values(StrftimeCase{"%d.%m.%Y", "dd.MM.yyyy"}, StrftimeCase{"%e/%m/%y", "d/MM/yy"},
                    StrftimeCase{"%D", "MM/dd/yy"}, StrftimeCase{"%T", "HH:mm:ss"},
                    StrftimeCase{"%r", "hh:mm:ss tt"}, StrftimeCase{"%I:%M:%S %p", "hh:mm:ss tt"},
                    StrftimeCase{"%H.%M", "HH.mm"}, StrftimeCase{"%-d.%-m.%Y", "d.M.yyyy"},
                    StrftimeCase{"%Y-%m-%d", "yyyy-MM-dd"}, StrftimeCase{"%Ey/%Om/%Od", "yy/MM/dd"},
                    StrftimeCase{"%H h %M", "HH' h 'mm"},
                    StrftimeCase{"%d de %B de %Y", "dd' de 'MMMM' de 'yyyy"},
                    StrftimeCase{"it's %d", "'it''s 'dd"}, StrftimeCase{"%d%%", "dd%"},
                    StrftimeCase{"%d%Q.%m", "dd.MM"}, StrftimeCase{"%d%", "dd"}, StrftimeCase{"", ""}));

TEST(LocaleEnvironmentTest, LcAllWinsOverLcTimeAndLang) {
    ScopedLocaleVariables variables;
    variables.Set("LANG", "fr_FR.UTF-8");
    variables.Set("LC_TIME", "en_GB.UTF-8");
    variables.Set("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(Locale::FromEnvironment().shortDatePattern, "dd.MM.yyyy");
}

TEST(LocaleEnvironmentTest, LcTimeWinsOverLang) {
    ScopedLocaleVariables variables;
    variables.Set("LANG", "fr_FR.UTF-8");
    variables.Set("LC_TIME", "ja_JP.UTF-8");
    EXPECT_EQ(Locale::FromEnvironment().shortDatePattern, "yyyy/MM/dd");
}

TEST(LocaleEnvironmentTest, LangAloneIsUsedAndEmptyVariablesCountAsUnset) {
    ScopedLocaleVariables variables;
    variables.Set("LANG", "nl_NL.UTF-8");
    variables.Set("LC_ALL", "");
    variables.Set("LC_TIME", "");
    EXPECT_EQ(Locale::FromEnvironment().shortDatePattern, "d-M-yyyy");
}

TEST(LocaleEnvironmentTest, NothingSetOrCGivesUsEnglish) {
    ScopedLocaleVariables variables;
    EXPECT_TRUE(SameSettings(Locale::FromEnvironment(), Locale::UsEnglish()));
    variables.Set("LANG", "de_DE.UTF-8");
    variables.Set("LC_ALL", "C");
    EXPECT_TRUE(SameSettings(Locale::FromEnvironment(), Locale::UsEnglish()));
    variables.Set("LC_ALL", "POSIX");
    EXPECT_TRUE(SameSettings(Locale::FromEnvironment(), Locale::UsEnglish()));
}

namespace {

// A pattern no environment gives, so that each step is seen to take effect.
Locale Custom() {
    Locale custom;
    custom.shortDatePattern = "yyyy|MM|dd";
    return custom;
}

}  // namespace

TEST(UserLocaleOverrideTest, SetReplacesAndClearRestoresTheEnvironmentLocale) {
    const std::string original = UserLocale().shortDatePattern;
    SetUserLocaleOverride(Locale::FromName("de_DE"));
    EXPECT_EQ(UserLocale().shortDatePattern, "dd.MM.yyyy");
    EXPECT_EQ(UserLocale().trueWord, "Wahr");
    SetUserLocaleOverride(Custom());
    EXPECT_EQ(UserLocale().shortDatePattern, "yyyy|MM|dd");
    ClearUserLocaleOverride();
    EXPECT_EQ(UserLocale().shortDatePattern, original);
}

TEST(UserLocaleOverrideTest, ScopedOverridesNestAndRestoreWhatWasBefore) {
    const std::string original = UserLocale().shortDatePattern;
    {
        ScopedLocaleOverride custom(Custom());
        EXPECT_EQ(UserLocale().shortDatePattern, "yyyy|MM|dd");
        {
            ScopedLocaleOverride japanese(Locale::FromName("ja_JP"));
            EXPECT_EQ(UserLocale().shortDatePattern, "yyyy/MM/dd");
        }
        EXPECT_EQ(UserLocale().shortDatePattern, "yyyy|MM|dd");
    }
    EXPECT_EQ(UserLocale().shortDatePattern, original);
}

TEST(UserLocaleOverrideTest, ScopedOverrideRestoresAPlainOverride) {
    SetUserLocaleOverride(Locale::FromName("en_GB"));
    { ScopedLocaleOverride french(Locale::FromName("fr_FR")); }
    EXPECT_EQ(UserLocale().trueWord, "True");
    EXPECT_EQ(UserLocale().decimalSeparator, '.');
    EXPECT_EQ(UserLocale().shortDatePattern, "dd/MM/yyyy");
    ClearUserLocaleOverride();
}
