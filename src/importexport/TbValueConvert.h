// One value between its text in a file and a record: the import of a text into a field's
// value and the text export writes for a field's value.
#pragma once

#include "importexport/ImportExportTypes.h"
#include "platform/Locale.h"

#include <string>
#include <string_view>

class CTbObjField;
class CTbObjRecord;
class CTbObjRecordValue;

// Clears the value to the field's type and stores the text converted to it: 0, -221 when the
// text was cut to the field's length (Text 255, List 80, Memo 4095), or -247 with *problem the
// text. Unknown list texts are appended to a List field of fewer than 60 items.
// runLocale is the run's locale (ImportLocale).
int32_t ImportValue(std::string_view text, CTbObjField& field, CTbObjRecordValue& value,
                    const orvanta::platform::Locale& runLocale, std::string* problem);

// The text of the field's value in the record as export writes it (before quoting): dates as
// "MM'/'dd'/'yyyy" or "dd'/'MM'/'yyyy", times as "HH':'mm" or "hh':'mm", then "':'ss" when asked,
// then " tt" in the 12-hour form.
std::string FormatExportValue(const CTbObjField& field, const CTbObjRecord& record,
                              const ImportExportOptions& options);
