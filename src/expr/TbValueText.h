// A field's value in a record as the computed fields see it: the value that counts (the joined
// value of a DB Join or DB Lookup) with the type it is read by, and that value as text.
#pragma once

#include "model/TbTypes.h"

#include <cstdint>
#include <string>

class CTbObjField;
class CTbObjRecord;
class CTbObjRecordValue;

// The value that stands for a field in a record and the type to read it by: the field's value
// type, except that DB Join and DB Lookup fields give their joined value and its type (the
// join's resolved type while the joined value has none; an empty value of no type when nothing
// was joined). Key values carry their number in key: the record's key, or a joined key's number;
// joined tells a joined value from the record's own.
struct TbTypedValue {
    const CTbObjRecordValue* value;
    int type;
    int64_t key;
    bool joined;
};
TbTypedValue TypedValueOf(const CTbObjRecord& record, const CTbObjField& field);

// A value of a type as text: text types as they are, numbers in decimal, Float by the OLE 4-byte
// real conversion, List and Radio Button their item text, Checkbox "true"/"false", Date and
// Time in the user's short forms, Key its number; other types give "". The field, when given,
// supplies the list items of List and Radio Button values.
std::string TypedValueAsText(const TbTypedValue& typed, const CTbObjField* listField);

// A field's value in a record as text, by the field's value type (see TypedValueOf).
std::string ValueAsText(const CTbObjRecord& record, const CTbObjField& field);

// The item text of a List or Radio Button value: the text of its item index in the field's
// list, or the value's own text when there is no list to look in.
std::string ListItemText(const CTbObjRecordValue& value, const CTbObjField* listField);
