// The values of a record as the typed export formats (JSON, workbook, SQLite) write them: a
// number, a Boolean, a text, a date or a time, or nothing for a value that is not set; and the
// fields and column names those exports write.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CTbObjDB;
class CTbObjField;
class CTbObjRecord;

enum class TbTypedKind { Null, Boolean, Integer, Real, Text, Date, Time };

struct TbTypedValue {
    TbTypedKind kind = TbTypedKind::Null;
    bool boolean = false;
    int64_t integer = 0;
    double real = 0;
    std::string text;  // Windows-1252, like every text of the model
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The value of the field in the record, by the field's type as the text export reads it: Text,
// Memo and the other text fields, List and Radio Button items and DB Join and DB Lookup values
// as texts (a joined Checkbox as a Boolean); Integer, Long, Auto Incremental and Key as whole
// numbers; Floating as the float's shortest decimal form; Checkbox as a Boolean; Date and Time;
// Expressions by their result format. Null when not set (a Key is always set), for an empty
// text, and for a date or time that is not valid.
TbTypedValue TypedExportValue(const CTbObjField& field, const CTbObjRecord& record);

// A text value in UTF-8: the text itself when it is ASCII (the same in both), else converted
// into *converted.
const std::string& Utf8TextOf(const TbTypedValue& value, std::string* converted);

// The kind every set value of the field has; Text for DB Join and DB Lookup fields, whose
// joined field decides.
TbTypedKind TypedKindOfField(const CTbObjField& field);

// The fields of the slots that export writes, in that order: used slots 0 to 80 other than Image
// and Plug-In.
std::vector<const CTbObjField*> ExportedFields(const CTbObjDB& db, const std::vector<int32_t>& slots);

// The fields' names in UTF-8 as keys and column names; a name met before (in any letter case)
// or empty is followed by " (slot N)", so that every name is distinct.
std::vector<std::string> ExportColumnNames(const std::vector<const CTbObjField*>& fields);
