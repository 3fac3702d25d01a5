// Changing a field's type: the field takes the new type and every record's value of it is reset
// to that type and filled from what it held, by the designer's conversion table. Also the
// description the type list shows for each type.
#pragma once

#include "model/TbTypes.h"

class CTbObjDB;
class CTbObjField;
class CTbObjRecord;
class CTbObjRecordValue;
class IProgressIndicator;

namespace orvanta::app {

// Converts one value that held a value of type from into a value of the field's (new) type.
// With listConversion a Text or Memo value becomes the List or Radio Button item of the same
// text, appended while the list has room (60 items, 8 for Radio Button), else the first item.
void ConvertValue(CTbObjRecordValue& value, const CTbObjRecord& record, TbFieldType from, CTbObjField& field,
                  bool listConversion);

// Sets the type of the field in slot and converts its value in every record, showing
// "Updating records..." then "Processing record N of M".
void ChangeFieldType(CTbObjDB& db, int slot, TbFieldType type, bool listConversion,
                     IProgressIndicator* progress);

// What a type is for and the limits it stands for, as the type list describes it.
const char* FieldTypeDescription(int type);

}  // namespace orvanta::app
