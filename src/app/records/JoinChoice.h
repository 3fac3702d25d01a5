// Storing the record picked in the join chooser as a record's DB Join value, and the chooser's
// messages.
#pragma once

#include <string>

class CTbObjField;
class CTbObjRecord;
class CTbObjRecordValue;

namespace orvanta::app {

inline constexpr const char* kJoinNotFound = "There was a problem finding the joined Tabulon : ";
inline constexpr const char* kJoinNotOpened = "There was an error opening the joined Tabulon : ";
inline constexpr const char* kJoinNoRecords = "There was an error getting the records from the joined TB : ";
inline constexpr const char* kJoinNoRecordsHint =
    "\nThis could be to an incorrect view or filter set for the joined Tabulon.";
inline constexpr const char* kJoinPickOne = "Please select a record to join with.";
inline constexpr const char* kJoinFieldUnused =
    "Cannot set up join with selected join field. The join field is no longer used in the join Tabulon.";
inline constexpr const char* kJoinNotStored =
    "There was a problem setting up the join. It is possible that the join field type is no longer valid "
    "for a join.";

// Takes the joined record's value of the joined Tabulon's join field (none: not in use) as the
// record's join value; empty when stored, else the message that tells why not.
std::string SetJoinValue(CTbObjRecordValue& value, const CTbObjRecord& joined,
                         const CTbObjField* joinedField);

}  // namespace orvanta::app
