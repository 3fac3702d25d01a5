// Internal to the model: how the values of a field are ordered, shared by the record
// comparison and by the sort that precomputes its keys.
#pragma once

#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

#include <string>

enum class TbOrder { Equal, ItemText, Text, Short, Long, Float, Checked, Packed, Key };

// How values of a value type are ordered.
TbOrder TbOrderOfValueType(int type);
// How a field's values are ordered: by its own type first, then by its value type.
TbOrder TbOrderOfField(const CTbObjField& field);
// The text a List or Radio Button value sorts by: its item text.
std::string TbItemText(const CTbObjRecordValue& value, const CTbObjField* field);
int TbCompareValues(TbOrder order, const CTbObjRecordValue& a, const CTbObjRecordValue& b,
                    const CTbObjField* field);
