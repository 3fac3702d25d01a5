#include "platform/Locale.h"

#include <cctype>
#include <cstdlib>

namespace orvanta::platform {

namespace {

// The common locales, fixed here so that they read the same on every machine, whether or
// not the machine has their locale data installed.
struct TableEntry {
    const char* name;  // language_TERRITORY
    const char* shortDatePattern;
    const char* timePattern;
    char decimalSeparator;
    char thousandSeparator;
    char listSeparator;
    const char* trueWord;
    const char* falseWord;
};

constexpr TableEntry kTable[] = {
    {"en_US", "M/d/yyyy", "h:mm:ss tt", '.', ',', ',', "True", "False"},
    {"en_GB", "dd/MM/yyyy", "HH:mm:ss", '.', ',', ',', "True", "False"},
    {"de_DE", "dd.MM.yyyy", "HH:mm:ss", ',', '.', ';', "Wahr", "Falsch"},
    {"de_AT", "dd.MM.yyyy", "HH:mm:ss", ',', '.', ';', "Wahr", "Falsch"},
    {"de_CH", "dd.MM.yyyy", "HH:mm:ss", ',', '.', ';', "Wahr", "Falsch"},
    {"fr_FR", "dd/MM/yyyy", "HH:mm:ss", ',', ' ', ';', "Vrai", "Faux"},
    {"nl_NL", "d-M-yyyy", "HH:mm:ss", ',', '.', ';', "True", "False"},
    {"es_ES", "dd/MM/yyyy", "H:mm:ss", ',', '.', ';', "True", "False"},
    {"it_IT", "dd/MM/yyyy", "HH:mm:ss", ',', '.', ';', "True", "False"},
    {"ja_JP", "yyyy/MM/dd", "H:mm:ss", '.', ',', ',', "True", "False"},
};

Locale FromEntry(const TableEntry& entry) {
    Locale locale;
    locale.shortDatePattern = entry.shortDatePattern;
    locale.timePattern = entry.timePattern;
    locale.decimalSeparator = entry.decimalSeparator;
    locale.thousandSeparator = entry.thousandSeparator;
    locale.listSeparator = entry.listSeparator;
    locale.trueWord = entry.trueWord;
    locale.falseWord = entry.falseWord;
    return locale;
}

// "de_DE.UTF-8@euro" and "de-de" both give "de_DE": the codeset and modifier do not matter.
std::string LanguageAndTerritory(const std::string& name) {
    std::string base = name.substr(0, name.find_first_of(".@"));
    size_t split = base.find_first_of("_-");
    std::string result;
    for (size_t i = 0; i < base.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(base[i]);
        const bool inTerritory = split != std::string::npos && i > split;
        if (i == split)
            result += '_';
        else
            result += static_cast<char>(inTerritory ? std::toupper(c) : std::tolower(c));
    }
    return result;
}

const TableEntry* FindInTable(const std::string& key) {
    for (const TableEntry& entry : kTable)
        if (key == entry.name) return &entry;
    return nullptr;
}

bool MeansUsEnglishDefaults(const std::string& key) { return key.empty() || key == "c" || key == "posix"; }

// POSIX treats a variable set to the empty string as unset.
std::string EnvironmentLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return value;
    }
    return "";
}

std::optional<Locale>& OverrideSlot() {
    static std::optional<Locale> slot;
    return slot;
}

const Locale& EnvironmentLocale() {
    static const Locale locale = Locale::FromEnvironment();
    return locale;
}

}  // namespace

Locale Locale::UsEnglish() { return Locale(); }

Locale Locale::FromEnvironment() { return FromName(EnvironmentLocaleName()); }

Locale Locale::FromName(const std::string& name) {
    std::string key = LanguageAndTerritory(name);
    if (MeansUsEnglishDefaults(key)) return UsEnglish();
    if (const TableEntry* entry = FindInTable(key)) return FromEntry(*entry);
    Locale installed;
    if (InstalledLocale(name, &installed)) return installed;
    return UsEnglish();
}

const Locale& UserLocale() {
    const std::optional<Locale>& slot = OverrideSlot();
    return slot ? *slot : EnvironmentLocale();
}

void SetUserLocaleOverride(const Locale& locale) { OverrideSlot() = locale; }

void ClearUserLocaleOverride() { OverrideSlot().reset(); }

ComponentLocale ToComponentLocale(const Locale& locale) {
    return {locale.shortDatePattern.c_str(),
            locale.timePattern.c_str(),
            locale.am.c_str(),
            locale.pm.c_str(),
            locale.trueWord.c_str(),
            locale.falseWord.c_str(),
            locale.decimalSeparator,
            locale.thousandSeparator,
            locale.listSeparator};
}

Locale FromComponentLocale(const ComponentLocale& given) {
    auto text = [](const char* value) { return std::string(value ? value : ""); };
    Locale locale;
    locale.shortDatePattern = text(given.shortDatePattern);
    locale.timePattern = text(given.timePattern);
    locale.am = text(given.am);
    locale.pm = text(given.pm);
    locale.trueWord = text(given.trueWord);
    locale.falseWord = text(given.falseWord);
    locale.decimalSeparator = given.decimalSeparator;
    locale.thousandSeparator = given.thousandSeparator;
    locale.listSeparator = given.listSeparator;
    return locale;
}

ScopedLocaleOverride::ScopedLocaleOverride(const Locale& locale) : m_previous(OverrideSlot()) {
    SetUserLocaleOverride(locale);
}

ScopedLocaleOverride::~ScopedLocaleOverride() { OverrideSlot() = m_previous; }

}  // namespace orvanta::platform
