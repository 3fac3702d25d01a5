// What the record editor does with each field type, and what an entry typed into a value cell
// does to the value: the cuts, parses and range checks, with the message of a refused entry.
#pragma once

#include "model/TbTypes.h"

#include <string>

class CTbObjRecordValue;

namespace orvanta::app {

// How a value cell is edited: typed text, a drop-down of list items, the memo editor, the image
// menu, the join chooser, the "not supported" message, a check box, or not at all.
enum class EditKind { Text, List, Memo, Image, Join, Unsupported, Check, None };
EditKind EditKindOf(TbFieldType type);

// Empty when the entry was accepted and stored, else the message that refuses it (the value is
// then unchanged).
using EntryRefusal = std::string;

// Stores a typed entry (Windows-1252) in a value of the type.
EntryRefusal ApplyEntry(CTbObjRecordValue& value, TbFieldType type, const std::string& entry);
// A spin button's step: the entry read as a whole number, plus delta, under the same range
// checks; the new entry in *stepped when accepted (the value is not touched).
EntryRefusal StepEntry(const std::string& entry, TbFieldType type, int delta, std::string* stepped);

inline constexpr const char* kIntegerRange =
    "The acceptable range for the integer field type is from -32768 to +32767.";
inline constexpr const char* kLongRange =
    "The allowed range for the long field type is from -2,147,483,648 to +2,147,483,647.";
inline constexpr const char* kInvalidDate = "The value entered is not a valid date.";
inline constexpr const char* kDateRange =
    "Date values in a Tabulon must be between January 1, 1904 and December 31, 2031.";
inline constexpr const char* kInvalidTime = "The value entered is not a valid time.";
inline constexpr const char* kNotSupported =
    "Editing of this field type is not supported on the\ndesktop.  This field can be edited on the handheld.";
inline constexpr size_t kMaxTextEntry = 255;

}  // namespace orvanta::app
