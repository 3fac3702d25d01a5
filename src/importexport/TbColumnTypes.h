// The types of imported text: what one value reads as, how a column's type widens as values
// come in, and which field types a column of a type may be imported into.
#pragma once

#include "importexport/ImportExportTypes.h"
#include "platform/Locale.h"

#include <string_view>

// The longest text a value of a column may hold; longer ones give -221 while analysing.
inline constexpr size_t kMaxMemoLength = 4095;

// Checkbox 1, Integer 2, Long 3, Floating 4, Text 5, Memo 6, any other 0.
int ColumnTypeRank(int type);
// Whether a column of type column may be imported into a field of type field.
bool IsCompatibleColumn(int field, int column);
// The locale a run reads values with: the user's, its short date pattern set to the run's
// order ("MM/dd/yyyy" for 0, "dd/MM/yyyy" for 1). Made once per run.
orvanta::platform::Locale ImportLocale(const orvanta::platform::Locale& user, int32_t dateFormat);
// The type of a non-empty text under the run's locale: 0 with *type set, -221 for a text over
// 4095 characters (type not set), or an OLE status other than mismatch and overflow.
int32_t DetectValueType(std::string_view text, const orvanta::platform::Locale& runLocale, int32_t* type);
// Widens a column's type by one value's type.
void MergeColumnType(int32_t value, int32_t* column);
// The text as an OLE date read with the run's locale (its date order).
int32_t ParseImportDate(std::string_view text, const orvanta::platform::Locale& runLocale, double* date);
