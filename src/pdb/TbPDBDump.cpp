// The reader's diagnostic dump: the text file, its banners and labelled lines.
#include "pdb/TbPDBDump.h"

#include "io/QnException.h"
#include "model/TbObjRecord.h"
#include "model/TbTypes.h"
#include "pdb/TbPDBFormat.h"

#include <cstdio>
#include <ctime>
#include <utility>

void CTbPDBDump::Open(const std::string& path, QnAutoError& error) {
    error.SetCode(m_file.SetPath(path.c_str()));
    error.Check("Problem initializing m_DumpFile in SetupFiles()");
    if (!m_file.Exists(false)) {
        error.SetCode(m_file.Create());
        error.Check("Problem creating m_DumpFile in SetupFiles()");
    }
    error.SetCode(m_file.Open(QN_OPEN_WRITE));
    error.Check("Problem opening m_DumpFile in SetupFiles()");
    error.SetCode(m_file.SetLength(0));
    error.Check("Problem truncating m_DumpFile in SetupFiles()");
    m_depth = 0;
}

void CTbPDBDump::Close() {
    if (!m_file.IsOpen()) return;
    try {
        m_file.Close();
    } catch (QnFileException* exception) {
        exception->Reset();
        m_file.QnFile::Close();  // the window could not be written; the handle still goes
    }
}

void CTbPDBDump::Line(std::string_view text) {
    std::string line(static_cast<size_t>(m_depth) * 2, ' ');
    line.append(text);
    line.push_back('\n');  // written as CR LF
    m_file.WriteText(line.c_str());
}

std::string CTbPDBDump::BannerTitleLine(std::string_view title) {
    size_t lead = title.size() < kTitleWidth ? (kTitleWidth - title.size()) / 2 : 0;
    std::string line(lead, '*');
    line.append(title);
    if (line.size() < kTitleWidth) line.append(kTitleWidth - line.size(), '*');
    return line;
}

void CTbPDBDump::Banner(std::string_view title) {
    if (!IsOn()) return;
    int depth = m_depth;
    m_depth = 0;
    Line(std::string(kRuleWidth, '-'));
    Line(BannerTitleLine(Escaped(title)));
    Line(std::string(kRuleWidth, '-'));
    m_depth = depth;
}

void CTbPDBDump::Value(std::string_view label, int64_t value, TbDumpNamer namer) {
    if (!IsOn()) return;
    Value(label, value, namer ? namer(value) : std::string());
}

void CTbPDBDump::Value(std::string_view label, int64_t value, std::string_view name) {
    if (!IsOn()) return;
    std::string line(label);
    line += ": " + std::to_string(value);
    if (!name.empty()) (line += ' ') += name;
    Line(line);
}

std::string CTbPDBDump::Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            out.push_back(c);
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        }
    }
    return out;
}

void CTbPDBDump::Text(std::string_view label, std::string_view text) {
    if (!IsOn()) return;
    Line(std::string(label) + ": " + Escaped(text));
}

void CTbPDBDump::Bytes(std::string_view label, std::string_view bytes) {
    if (!IsOn()) return;
    std::string line(label);
    line += ":";
    for (char c : bytes) {
        char hex[8];
        std::snprintf(hex, sizeof hex, " %02X", static_cast<unsigned char>(c));
        line += hex;
    }
    Line(bytes.empty() ? line + " (empty)" : line);
}

void CTbPDBDump::Note(std::string_view text) {
    if (IsOn()) Line(text);
}

namespace {

std::string DateText(const CTbObjRecordValue& value) {
    int16_t year, month, day;
    value.GetDate(&year, &month, &day);
    if (!value.HasValue()) return "(not set)";
    char text[32];
    std::snprintf(text, sizeof text, "%d/%02d/%02d", year, month, day);
    return text;
}

std::string TimeText(const CTbObjRecordValue& value) {
    int16_t hour, minute, second;
    value.GetTime(&hour, &minute, &second);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    return text;
}

std::string FloatText(float value) {
    char text[48];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

// What a value holds, whatever member its type keeps it in: the dump shows every part that
// is set rather than guess at the field's result format.
std::string ComputedText(const CTbObjRecordValue& value) {
    std::string text = "colour " + std::to_string(value.GetColour()) + " " + TbDumpColour(value.GetColour());
    int16_t a, b, c;
    value.GetDate(&a, &b, &c);
    if (a || b || c)
        text += ", date/time parts " + std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c);
    if (value.GetFloat() != 0) text += ", number " + FloatText(value.GetFloat());
    return text + ", text \"" + CTbPDBDump::Escaped(value.GetText()) + "\"";
}

std::string ValueText(int type, const CTbObjRecordValue& value) {
    switch (type) {
        case INTEGER_T:
            return std::to_string(value.GetShort());
        case LONG_T:
        case AUTO_INC_T:
        case KEY_T:
            return std::to_string(value.GetLong());
        case FLOATING_T:
            return FloatText(value.GetFloat());
        case LIST_T:
        case RADIO_T:
            return std::to_string(value.GetShort()) + " (" + CTbPDBDump::Escaped(value.GetText()) + ")";
        case CHECKBOX_T:
            return value.GetChecked() ? "1 (checked)" : "0 (not checked)";
        case DATE_T:
            return DateText(value);
        case TIME_T:
            return TimeText(value);
        case EXPRESSION_T:
        case ADV_EXPRESSION_T:
        case COND_EXP_T:
            return ComputedText(value);
        case DB_JOIN_T:
            return "original type " + std::to_string(value.GetType()) + " " +
                   TbDumpFieldType(value.GetType()) + ", " +
                   (value.GetType() == DB_JOIN_T ? std::string("(nothing)")
                                                 : ValueText(value.GetType(), value));
        case ADDR_BK_JOIN_T:
            return "record ID " + std::to_string(value.GetExtraWord()) + ", \"" +
                   CTbPDBDump::Escaped(value.GetText()) + "\"";
        case IMAGE_T:
            return std::to_string(value.GetData().size()) + " bytes of image data";
        default:
            return CTbPDBDump::Escaped(value.GetText());
    }
}

}  // namespace

void CTbPDBDump::RecordValue(std::string_view label, int type, const CTbObjRecordValue& value) {
    if (!IsOn()) return;
    Line(std::string(label) + ": " + ValueText(type, value));
}

// ---- names of enumerated values ----

namespace {

std::string Bracketed(std::string_view name) { return std::string("(").append(name).append(")"); }

template <size_t N>
std::string FromTable(const char* const (&names)[N], int64_t value, const char* otherwise) {
    return value >= 0 && value < static_cast<int64_t>(N) ? names[value] : otherwise;
}

// The named bits that are set, in table order, joined by ", "; "" when none is.
template <size_t N>
std::string BitNames(const std::pair<int64_t, const char*> (&bits)[N], int64_t value,
                     std::string extra = {}) {
    std::string names;
    for (const auto& [bit, name] : bits) {
        if (!(value & bit)) continue;
        if (!names.empty()) names += ", ";
        names += name;
    }
    if (!extra.empty()) names += names.empty() ? extra : ", " + extra;
    return names.empty() ? std::string() : Bracketed(names);
}

bool IsUserField(int64_t field) { return field >= 1 && field <= MaxUserFields; }

}  // namespace

std::string TbDumpPdbAttributes(int64_t bits) {
    static const std::pair<int64_t, const char*> kBits[] = {
        {0x0002, "Read Only"},          {0x0004, "Dirty AppInfoArea"}, {0x0008, "Backup Database"},
        {0x0010, "Replace with newer"}, {0x0020, "Reset Palm"},        {0x0040, "No Beam"}};
    return BitNames(kBits, bits);
}

std::string TbDumpRecordAttributes(int64_t bits) {
    static const std::pair<int64_t, const char*> kBits[] = {
        {0x80, "Deleted"}, {0x40, "Dirty"}, {0x20, "Busy"}, {0x10, "Secret"}, {0x08, "Archived"}};
    return BitNames(kBits, bits, (bits & 0x88) ? "not valid" : "");
}

std::string TbDumpPalmDate(int64_t palmSeconds) {
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    auto seconds = static_cast<uint32_t>(palmSeconds);
    if (seconds <= TbPdb::kUnixEpochInPalmSeconds) return "(none)";
    time_t unixTime = static_cast<time_t>(seconds - TbPdb::kUnixEpochInPalmSeconds);
    struct tm local {};
    localtime_r(&unixTime, &local);
    char text[64];
    std::snprintf(text, sizeof text, "(%s %d, %d %02d:%02d:%02d)", kMonths[local.tm_mon % 12], local.tm_mday,
                  local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

std::string TbDumpFieldType(int64_t type) { return Bracketed(FieldTypeName(static_cast<int>(type))); }

std::string TbDumpExprResult(int64_t format) {
    return format >= 0 && format < TbExprResultCount ? Bracketed(ExprResultName(static_cast<int>(format)))
                                                     : "(Invalid Format!)";
}

std::string TbDumpToken(int64_t elementType) {
    if (IsUserField(elementType)) return "(field " + std::to_string(elementType) + ")";
    if (elementType >= 84 && elementType <= 99)
        return Bracketed(ExprTokenName(static_cast<int>(elementType)));
    if (elementType >= 101) return "(previous record field " + std::to_string(elementType - 100) + ")";
    return "(\?\?\?\?)";
}

std::string TbDumpAutoWriter(int64_t code) {
    static const char* const kNames[] = {"(not using auto-writer)",   "(auto-writer using comma)",
                                         "(auto-writer using space)", "(auto-writer using semicolon)",
                                         "(auto-writer using slash)", "(auto-writer using backslash)",
                                         "(auto-writer using dash)",  "(auto-writer using no separator)"};
    return FromTable(kNames, code, "(invalid separator, not using auto-writer)");
}

std::string TbDumpAutoShift(int64_t extra) {
    return extra == 0 ? "(Auto Shift Enabled)" : "(Disable Auto Shift)";
}

std::string TbDumpGlobalFind(int64_t attributes) {
    return (attributes & 0x80) ? "(Include in Global Find)" : "(Exclude from Global Find)";
}

std::string TbDumpReportAmount(int64_t type) { return type == 0 ? "(count)" : "(percent)"; }
std::string TbDumpOnOff(int64_t flag) { return flag == 0 ? "(off)" : "(on)"; }

std::string TbDumpColour(int64_t colour) {
    static const char* const kNames[] = {"(black)", "(red)", "(green)", "(blue)", "(yellow)"};
    return FromTable(kNames, colour, "(INVALID COLOR)");
}

std::string TbDumpFieldNumber(int64_t slot) {
    return slot >= 0 && slot < MaxFieldSlots ? std::string() : "(INVALID FIELD NUMBER)";
}

std::string TbDumpFormField(int64_t field) {
    if (field == LabelRowField) return "{Label Row}";
    return TbDumpFieldNumber(field);
}

std::string TbDumpFilterField(int64_t field) {
    if (field == 0) return "(unused)";
    return IsUserField(field) ? std::string() : "(INVALID FIELD INDEX)";
}

std::string TbDumpSecondField(int64_t field) {
    if (field == 0) return "(use constant)";
    return IsUserField(field) ? std::string() : "(INVALID FIELD INDEX)";
}

std::string TbDumpFont(int64_t font) {
    static const char* const kNames[] = {"{stdFont}", "{boldFont}", "{largeFont}", "{largeBoldFont}"};
    return FromTable(kNames, font, "{INVALID FONT}");
}

std::string TbDumpAlignment(int64_t alignment) {
    static const char* const kNames[] = {"{Align Left}", "{Align Center}", "{Align Right}",
                                         "{Align Justify}"};
    return FromTable(kNames, alignment, "{INVALID ALIGNMENT}");
}

std::string TbDumpImageDisplay(int64_t mode) {
    static const char* const kNames[] = {"{Display as Icon}", "{Display as Small Thumbnail}",
                                         "{Display as Large Thunbnail}"};
    return FromTable(kNames, mode, "{INVALID IMAGE DISPLAY}");
}

std::string TbDumpCompareOperator(int64_t code) {
    switch (code) {
        case '!':
        case '<':
        case '=':
        case '>':
            return Bracketed(std::string(1, static_cast<char>(code)));
        case 'L':
            return "(<=)";
        case 'J':
            return "(>=)";
        case 'h':
            return "(contains)";
        case 'H':
            return "(Contains (case sensitive))";
        case 's':
            return "(starts)";
        case 'S':
            return "(Starts (case sensitive))";
        default:
            return "(UNKNOWN OPERATOR)";
    }
}

std::string TbDumpLogicOperator(int64_t code) {
    if (code == 'A') return "(AND)";
    if (code == 'O') return "(OR)";
    return "(UNKNOWN LOGIC OPERATOR)";
}

std::string TbDumpSortDirection(int64_t direction) { return direction == 0 ? "(ascending)" : "(descending)"; }

std::string TbDumpDefaultFilter(int64_t mask) {
    for (int bit = 0; bit < 14; ++bit)
        if (mask & (int64_t{1} << bit)) return "(filter " + std::to_string(bit) + ")";
    return "(no default filter)";
}

std::string TbDumpRgb(int64_t rgb) {
    char text[16];
    std::snprintf(text, sizeof text, "(0x%08X)", static_cast<unsigned>(rgb & 0xFFFFFFFF));
    return text;
}

std::string TbDumpFourChars(int64_t code) {
    std::string chars;
    for (int shift = 24; shift >= 0; shift -= 8) chars.push_back(static_cast<char>((code >> shift) & 0xFF));
    return "('" + CTbPDBDump::Escaped(chars) + "')";
}

std::string TbDumpParameterKind(int64_t kind) { return kind == 0 ? "(field)" : "(constant)"; }
std::string TbDumpImageState(int64_t state) { return state == 0 ? "(synchronized)" : "(not synchronized)"; }
