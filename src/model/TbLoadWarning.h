// TbLoadWarning: one thing a read of a Tabulon file passed over or repaired, kept with the
// Tabulon so that the user is told and a save that would lose it asks first.
#pragma once

#include <string>
#include <vector>

enum class TbLoadWarningKind {
    RecordOutOfRange,  // a record passed over: its offset lies outside the file's records
    RecordWrongType,   // a record passed over: its first byte is not the data record type
    RecordOverlaps,    // a record passed over: it starts inside another record's bytes
    ValuePastEnd,      // a value ran past its record's end and was dropped
    TextCut,           // a text ran past its record's end and was cut to fit
    TextUnterminated,  // a name or text had no terminator and was cut where its room ends
};

struct TbLoadWarning {
    TbLoadWarningKind kind;
    int record;        // the record's number in the file; -1 for the file's header
    std::string text;  // for people: where, what, and what became of it
};

using TbLoadWarnings = std::vector<TbLoadWarning>;

// True for the kinds that pass over a whole record.
bool IsRecordPassedOver(TbLoadWarningKind kind);
// The kind's short name, as the JSON output gives it ("recordOutOfRange", ...).
const char* LoadWarningKindName(TbLoadWarningKind kind);
