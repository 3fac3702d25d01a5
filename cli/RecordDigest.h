// A digest of a record as its JSON shows it, taken from the model without writing the JSON:
// check compares two Tabulons' records by these, one Tabulon in memory at a time.
#pragma once

#include <cstdint>

class CTbObjDB;
class CTbObjRecord;

namespace orvanta::cli {

// Covers key, category, unique ID, and for each set value of a used field 1 to 80 its slot and
// everything the value's JSON is made from (type, numbers, date or time, colour, further word,
// text and data bytes). Records whose JSON differs under the same design get different digests
// (but for a 64-bit collision); records with equal JSON may differ where a value holds what its
// field's type does not show.
uint64_t RecordDigest(const CTbObjDB& db, const CTbObjRecord& record);

}  // namespace orvanta::cli
