// The national-language settings Orvanta formats and reads dates, times, numbers and Booleans
// with: a Locale record taken from the environment, with US-English defaults and an override.
#pragma once

#include <optional>
#include <string>

namespace orvanta::platform {

// Text members are Windows-1252, like every string in the model.
struct Locale {
    // Windows pictures: d dd M MM yy yyyy, and h hh (12-hour) H HH (24-hour) m mm s ss t tt,
    // with separators and 'quoted' text between them.
    std::string shortDatePattern = "M/d/yyyy";
    std::string timePattern = "h:mm:ss tt";
    std::string am = "AM";
    std::string pm = "PM";
    char decimalSeparator = '.';
    char thousandSeparator = ',';
    char listSeparator = ',';
    std::string trueWord = "True";
    std::string falseWord = "False";

    static Locale UsEnglish();
    // The locale the environment names (LC_ALL, else LC_TIME, else LANG; "C", "POSIX" and unset
    // give US English).
    static Locale FromEnvironment();
    // The same for an explicit locale name such as "de_DE.UTF-8" or "en_GB": the built-in table
    // for the common locales first, then the locale data installed on the machine, else US English.
    static Locale FromName(const std::string& name);
};

// The settings of a locale installed on the machine (glibc's locale data, honouring LOCPATH),
// without the built-in table; false when no such locale is installed.
bool InstalledLocale(const std::string& name, Locale* out);

// The Windows picture for a strftime format: "%d.%m.%Y" gives "dd.MM.yyyy", "%r" "hh:mm:ss tt".
// Literal letters are quoted so that they stay literal; conversions without a picture drop out.
std::string PictureFromStrftime(const std::string& format);

// The user's locale: FromEnvironment() on first use, unless an override is set. Set and clear
// overrides from one thread only; a cleared override invalidates references handed out for it.
const Locale& UserLocale();
// For tests and for a user's explicit choice: replaces what UserLocale() returns until cleared.
void SetUserLocaleOverride(const Locale& locale);
void ClearUserLocaleOverride();

// The user's locale in plain C, for a component library loaded at run time: such a library
// links its own copy of this layer, which sees the environment but not the program's override,
// so the program hands it the locale it uses. The texts point into the Locale it was made from.
struct ComponentLocale {
    const char* shortDatePattern;
    const char* timePattern;
    const char* am;
    const char* pm;
    const char* trueWord;
    const char* falseWord;
    char decimalSeparator;
    char thousandSeparator;
    char listSeparator;
};
ComponentLocale ToComponentLocale(const Locale& locale);
Locale FromComponentLocale(const ComponentLocale& given);

// Overrides the user's locale for its lifetime and then restores the override (or its absence)
// that was in place before.
class ScopedLocaleOverride {
public:
    explicit ScopedLocaleOverride(const Locale& locale);
    ~ScopedLocaleOverride();
    ScopedLocaleOverride(const ScopedLocaleOverride&) = delete;
    ScopedLocaleOverride& operator=(const ScopedLocaleOverride&) = delete;

private:
    std::optional<Locale> m_previous;
};

}  // namespace orvanta::platform
