// CTbPDBDump: the reader's diagnostic text dump of a Tabulon file: a banner per section, then
// one labelled line per value read, enumerated values followed by their names; CR LF line ends.
#pragma once

#include "io/QnAutoError.h"
#include "io/QnBufferedFile.h"

#include <cstdint>
#include <string>
#include <string_view>

class CTbObjRecordValue;

// The name of an enumerated value with its brackets, "(TEXT_T)" or "{stdFont}"; "" for none.
using TbDumpNamer = std::string (*)(int64_t value);

class CTbPDBDump {
public:
    static constexpr size_t kRuleWidth = 60;
    static constexpr size_t kTitleWidth = 56;

    // Creates the text file at path when missing and empties it. A failing step throws the
    // file layer's QnFileException, or error with the step's message.
    void Open(const std::string& path, QnAutoError& error);
    // Writes out what is pending and closes. A failure to write is dropped: the read's own
    // result is what the caller needs.
    void Close();
    bool IsOn() const { return m_file.IsOpen(); }

    // 60 '-', the title centred in 56 '*', 60 '-'.
    void Banner(std::string_view title);
    // "label: value", followed by the value's name when there is one.
    void Value(std::string_view label, int64_t value, TbDumpNamer namer = nullptr);
    void Value(std::string_view label, int64_t value, std::string_view name);
    // "label: text", control characters shown as \r, \n, \t or \xNN.
    void Text(std::string_view label, std::string_view text);
    // "label: " and the bytes in hexadecimal (the scrambled passwords).
    void Bytes(std::string_view label, std::string_view bytes);
    // "label: " and a data record value of the given entry type.
    void RecordValue(std::string_view label, int type, const CTbObjRecordValue& value);
    // A line as it is.
    void Note(std::string_view text);
    void Indent() { ++m_depth; }
    void Outdent() { m_depth = m_depth > 0 ? m_depth - 1 : 0; }

    static std::string BannerTitleLine(std::string_view title);
    // Text with its control characters escaped, as Text() writes it.
    static std::string Escaped(std::string_view text);

private:
    void Line(std::string_view text);

    QnBufferedFile m_file;
    int m_depth = 0;
};

// Indents the dump's lines while it lives.
class TbDumpIndent {
public:
    explicit TbDumpIndent(CTbPDBDump& dump) : m_dump(dump) { m_dump.Indent(); }
    ~TbDumpIndent() { m_dump.Outdent(); }
    TbDumpIndent(const TbDumpIndent&) = delete;
    TbDumpIndent& operator=(const TbDumpIndent&) = delete;

private:
    CTbPDBDump& m_dump;
};

// Names of enumerated values, as the dump shows them.
std::string TbDumpPdbAttributes(int64_t bits);     // "(Read Only, Backup Database)"
std::string TbDumpRecordAttributes(int64_t bits);  // "(Dirty)", "(Deleted, not valid)"
std::string TbDumpPalmDate(int64_t palmSeconds);   // "(October 27, 2004 14:05:09)" local time, or "(none)"
std::string TbDumpFieldType(int64_t type);         // "(TEXT_T)", "(UNKNOWN)"
std::string TbDumpExprResult(int64_t format);      // "(EXPR_RESULT_FLOATING)", "(Invalid Format!)"
std::string TbDumpToken(int64_t elementType);      // "(exprTokenPlus)", "(field 5)", "(????)"
std::string TbDumpAutoWriter(int64_t code);        // "(auto-writer using comma)"
std::string TbDumpAutoShift(int64_t extra);        // "(Auto Shift Enabled)" / "(Disable Auto Shift)"
std::string TbDumpGlobalFind(
    int64_t attributes);                       // "(Include in Global Find)" / "(Exclude from Global Find)"
std::string TbDumpReportAmount(int64_t type);  // "(count)" / "(percent)"
std::string TbDumpOnOff(int64_t flag);         // "(off)" / "(on)"
std::string TbDumpColour(int64_t colour);      // "(black)" ... "(yellow)", "(INVALID COLOR)"
std::string TbDumpFieldNumber(int64_t slot);   // "" for 0-80, else "(INVALID FIELD NUMBER)"
std::string TbDumpFormField(int64_t field);    // "{Label Row}" for 255, "(INVALID FIELD NUMBER)" above 80
std::string TbDumpFilterField(int64_t field);  // "(unused)" for 0, "(INVALID FIELD INDEX)" outside 1-80
std::string TbDumpSecondField(int64_t field);  // "(use constant)" for 0, "(INVALID FIELD INDEX)" outside 1-80
std::string TbDumpFont(int64_t font);          // "{stdFont}" ... "{largeBoldFont}"
std::string TbDumpAlignment(int64_t alignment);      // "{Align Left}" ... "{Align Justify}"
std::string TbDumpImageDisplay(int64_t mode);        // "{Display as Icon}" ...
std::string TbDumpCompareOperator(int64_t code);     // "(=)", "(<=)", "(contains)", "(UNKNOWN OPERATOR)"
std::string TbDumpLogicOperator(int64_t code);       // "(AND)", "(OR)", "(UNKNOWN LOGIC OPERATOR)"
std::string TbDumpSortDirection(int64_t direction);  // "(ascending)" / "(descending)"
std::string TbDumpDefaultFilter(int64_t mask);       // "(filter 2)" / "(no default filter)"
std::string TbDumpRgb(int64_t rgb);                  // "(0x00FF8000)"
std::string TbDumpFourChars(int64_t code);           // "('MNDR')"
std::string TbDumpParameterKind(int64_t kind);       // "(field)" / "(constant)"
std::string TbDumpImageState(int64_t state);         // "(synchronized)" / "(not synchronized)"
