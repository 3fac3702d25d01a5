// A Tabulon in memory as JSON: header, settings, fields with their advanced properties, views,
// filters, tabs and records. Every text is converted from Windows-1252 to UTF-8.
#pragma once

#include "cli/JsonWriter.h"

#include <nlohmann/json.hpp>

class CTbObjDB;
class CTbObjField;
class CTbObjFilter;
class CTbObjRecord;
class CTbObjRecordValue;

namespace orvanta::cli {

// Objects keep their keys in the order written, so the output reads like the Tabulon.
using Json = nlohmann::ordered_json;

// The whole Tabulon, written as it is walked; without records, the "records" member is left
// out; "warnings" comes last when the read passed over or repaired anything. The database is only read (its
// quick and external filters have no const access).
// With resolved, every DB Join and DB Lookup value is an object: "value" as without it (null
// when nothing is stored) and "display", the text it resolves to.
void WriteTabulonJson(JsonWriter& out, CTbObjDB& db, bool withRecords = true, bool resolved = false);

// A record: key, category, unique ID and the set values of its used fields 1 to 80 by slot;
// "extraWords" by slot for the values that carry the file's further word (an Address Join's
// linked address-book record), only when there are any.
void WriteRecordJson(JsonWriter& out, const CTbObjDB& db, const CTbObjRecord& record, bool resolved = false);

// The same as documents, for comparing and inspecting them.
Json TabulonToJson(CTbObjDB& db);
Json RecordToJson(const CTbObjDB& db, const CTbObjRecord& record);

// One field slot: slot, name, type and type label, attributes, and the properties of its class.
void WriteFieldJson(JsonWriter& out, const CTbObjField& field);

// A filter (also the condition of a Conditional Expression): name, three conditions, two logic operators.
void WriteFilterJson(JsonWriter& out, const CTbObjFilter& filter);

// Whether a value appears at all: it has a value, or non-empty text or data.
bool IsValueSet(const CTbObjRecordValue& value);

// One value as its field's type keeps it (see JsonValues.cpp); null for a type that holds nothing.
void WriteValueJson(JsonWriter& out, const CTbObjRecordValue& value, const CTbObjField& field);

}  // namespace orvanta::cli
