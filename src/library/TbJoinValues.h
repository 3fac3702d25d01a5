// The values a join works with: a record's join value given the type of the joined field, and
// a joined record's value copied into the display value that a DB Join or DB Lookup shows.
#pragma once

class CTbObjField;
class CTbObjRecord;
class CTbObjRecordValue;

// Gives the join value the type of the joined field (Text, Integer, Long, Date, Key or Auto
// Incremental), converting what it holds: numbers and dates to their text, text and numbers to
// a number; what has no form in the new type is cleared. Whether it has a value is kept.
void ConvertJoinValue(CTbObjRecordValue& value, int type);

// Makes display a copy of the matched record's value of the joined field, of the field's value
// type: texts as they are; numbers and keys in decimal, keeping the number; Float with the
// field's decimals; List and Radio Button their item text; Date and Time in the user's forms.
// The display value is marked set.
void CopyJoinedValue(CTbObjRecordValue& display, const CTbObjRecord& matched, const CTbObjField& field);

// What a display value shows when nothing matched: "UNRESOLVED" or the empty text, of no type,
// marked set.
void SetUnmatchedValue(CTbObjRecordValue& display, bool unresolved);
