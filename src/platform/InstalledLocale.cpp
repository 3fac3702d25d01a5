// Reads a Locale from the locale data installed on the machine (glibc) and turns its strftime
// formats into Windows pictures.
#include "platform/Locale.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

namespace orvanta::platform {

namespace {

// The picture for one strftime conversion; unpadded is GNU's "%-d" flag. nullptr: no picture.
const char* PictureCode(char conversion, bool unpadded) {
    switch (conversion) {
        case 'd':
            return unpadded ? "d" : "dd";
        case 'e':
            return "d";
        case 'm':
            return unpadded ? "M" : "MM";
        case 'Y':
            return "yyyy";
        case 'y':
            return "yy";
        case 'H':
            return unpadded ? "H" : "HH";
        case 'k':
            return "H";
        case 'I':
            return unpadded ? "h" : "hh";
        case 'l':
            return "h";
        case 'M':
            return unpadded ? "m" : "mm";
        case 'S':
            return unpadded ? "s" : "ss";
        case 'p':
        case 'P':
            return "tt";
        case 'D':
            return "MM/dd/yy";
        case 'T':
            return "HH:mm:ss";
        case 'R':
            return "HH:mm";
        case 'r':
            return "hh:mm:ss tt";
        case 'F':
            return "yyyy-MM-dd";
        case 'a':
            return "ddd";
        case 'A':
            return "dddd";
        case 'b':
        case 'h':
            return "MMM";
        case 'B':
            return "MMMM";
        default:
            return nullptr;
    }
}

// Literal text goes into the picture as it is, or in quotes when a letter in it could be read
// as a picture code.
void AppendLiteral(std::string* picture, const std::string& literal) {
    bool needsQuotes = false;
    for (char c : literal)
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '\'') needsQuotes = true;
    if (!needsQuotes) {
        *picture += literal;
        return;
    }
    *picture += '\'';
    for (char c : literal) *picture += (c == '\'') ? std::string("''") : std::string(1, c);
    *picture += '\'';
}

// Skips GNU flags, a field width and the E/O modifiers after '%'; tells whether '-' was among them.
size_t SkipConversionPrefix(const std::string& format, size_t i, bool* unpadded) {
    *unpadded = false;
    while (i < format.size() && std::string_view("_-0^#").find(format[i]) != std::string_view::npos)
        *unpadded = *unpadded || format[i++] == '-';
    while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) ++i;
    if (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;
    return i;
}

// Text of the locale in Windows-1252; nullopt when it has characters Windows-1252 lacks.
std::optional<std::string> ToWindows1252(const std::string& text, const char* codeset) {
    bool ascii = true;
    for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return text;
    iconv_t converter = ::iconv_open("WINDOWS-1252", codeset);
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::vector<char> in(text.begin(), text.end());
    std::vector<char> out(text.size() + 1);
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    size_t done = ::iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
    ::iconv_close(converter);
    if (done == static_cast<size_t>(-1) || inLeft != 0) return std::nullopt;
    return std::string(out.data(), static_cast<size_t>(outPtr - out.data()));
}

class LocaleData {
public:
    explicit LocaleData(locale_t locale) : m_locale(locale), m_codeset(::nl_langinfo_l(CODESET, locale)) {}
    std::optional<std::string> Text(nl_item item) const {
        return ToWindows1252(::nl_langinfo_l(item, m_locale), m_codeset.c_str());
    }
    // A one-character setting; fallback when the locale leaves it empty, space when the
    // locale's character (a narrow no-break space, say) has no Windows-1252 byte.
    char Character(nl_item item, char fallback) const {
        std::string raw = ::nl_langinfo_l(item, m_locale);
        if (raw.empty()) return fallback;
        std::optional<std::string> text = ToWindows1252(raw, m_codeset.c_str());
        return (text && text->size() == 1) ? (*text)[0] : ' ';
    }

private:
    locale_t m_locale;
    std::string m_codeset;
};

void SetPicture(const LocaleData& data, nl_item item, std::string* pattern) {
    std::optional<std::string> format = data.Text(item);
    if (!format) return;
    std::string picture = PictureFromStrftime(*format);
    if (!picture.empty()) *pattern = picture;
}

// US English for anything the locale data cannot give; the list separator follows the
// decimal separator, as Windows' regional settings do.
Locale SettingsOf(const LocaleData& data) {
    Locale locale;
    SetPicture(data, D_FMT, &locale.shortDatePattern);
    SetPicture(data, T_FMT, &locale.timePattern);
    if (std::optional<std::string> am = data.Text(AM_STR)) locale.am = *am;
    if (std::optional<std::string> pm = data.Text(PM_STR)) locale.pm = *pm;
    locale.decimalSeparator = data.Character(RADIXCHAR, '.');
    if (locale.decimalSeparator == ' ') locale.decimalSeparator = '.';
    char otherGroup = locale.decimalSeparator == ',' ? '.' : ',';
    locale.thousandSeparator = data.Character(THOUSEP, otherGroup);
    if (locale.thousandSeparator == locale.decimalSeparator) locale.thousandSeparator = otherGroup;
    locale.listSeparator = locale.decimalSeparator == ',' ? ';' : ',';
    return locale;
}

}  // namespace

std::string PictureFromStrftime(const std::string& format) {
    std::string picture, literal;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            literal += format[i];
            continue;
        }
        bool unpadded = false;
        i = SkipConversionPrefix(format, i + 1, &unpadded);
        if (i >= format.size()) break;
        char conversion = format[i];
        if (conversion == '%' || conversion == 'n' || conversion == 't') {
            literal += conversion == '%' ? '%' : (conversion == 'n' ? '\n' : '\t');
            continue;
        }
        const char* code = PictureCode(conversion, unpadded);
        if (code == nullptr) continue;
        AppendLiteral(&picture, literal);
        literal.clear();
        picture += code;
    }
    AppendLiteral(&picture, literal);
    return picture;
}

bool InstalledLocale(const std::string& name, Locale* out) {
    // An empty name would make glibc read the environment instead.
    if (name.empty()) return false;
    locale_t locale = ::newlocale(LC_CTYPE_MASK | LC_TIME_MASK | LC_NUMERIC_MASK, name.c_str(), nullptr);
    if (locale == nullptr) return false;
    *out = SettingsOf(LocaleData(locale));
    ::freelocale(locale);
    return true;
}

}  // namespace orvanta::platform
