// Type detection of imported text with the OLE conversions: integers by range, reals by the
// locale's decimal separator, the locale's Boolean words, dates in the run's order, else text.
#include "importexport/TbColumnTypes.h"

#include "platform/OleDate.h"
#include "platform/OleVariant.h"

#include <cmath>

namespace pf = orvanta::platform;

namespace {

bool IsNo(int32_t status) { return status == pf::kDispTypeMismatch || status == pf::kDispOverflow; }

// INTEGER_T or LONG_T when the text is a whole number in range, TEXT_T when not even a 32-bit
// one holds it, 0 when it is no integer; *whole its value.
int32_t IntegerCandidate(std::string_view text, const pf::Locale& locale, int32_t* status, double* whole) {
    int16_t shortValue = 0;
    *status = pf::VarI2FromText(text, &shortValue, locale);
    if (*status == 0) {
        *whole = shortValue;
        return INTEGER_T;
    }
    if (*status != pf::kDispOverflow) return NOTUSED_T;
    int32_t longValue = 0;
    *status = pf::VarI4FromText(text, &longValue, locale);
    *whole = longValue;
    if (*status == 0) return LONG_T;
    return *status == pf::kDispOverflow ? TEXT_T : NOTUSED_T;
}

int32_t DateCandidate(std::string_view text, const pf::Locale& locale, int32_t* status) {
    double date = 0;
    *status = ParseImportDate(text, locale, &date);
    if (*status != 0) return NOTUSED_T;
    if (date >= 0 && date < 1) return TIME_T;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (date == std::floor(date) && pf::OleDateToParts(date, &year, &month, &day, &hour, &minute, &second) &&
        year >= 1904 && year <= 2031)
        return DATE_T;
    return TEXT_T;
}

}  // namespace

int ColumnTypeRank(int type) {
    switch (type) {
        case CHECKBOX_T:
            return 1;
        case INTEGER_T:
            return 2;
        case LONG_T:
            return 3;
        case FLOATING_T:
            return 4;
        case TEXT_T:
            return 5;
        case MEMO_T:
            return 6;
        default:
            return 0;
    }
}

bool IsCompatibleColumn(int field, int column) {
    if (field == column) return true;
    switch (field) {
        case TEXT_T:
        case LIST_T:
            return column != MEMO_T;
        case LONG_T:
            return column == INTEGER_T;
        case FLOATING_T:
        case CHECKBOX_T:
            return column == INTEGER_T || column == LONG_T;
        case MEMO_T:
            return true;
        default:
            return false;
    }
}

pf::Locale ImportLocale(const pf::Locale& user, int32_t dateFormat) {
    pf::Locale locale = user;
    locale.shortDatePattern = dateFormat == 1 ? "dd/MM/yyyy" : "MM/dd/yyyy";
    return locale;
}

int32_t ParseImportDate(std::string_view text, const pf::Locale& runLocale, double* date) {
    return pf::VarDateFromText(text, date, runLocale);
}

int32_t DetectValueType(std::string_view text, const pf::Locale& locale, int32_t* type) {
    int32_t status = 0;
    double whole = 0;
    int32_t candidate = IntegerCandidate(text, locale, &status, &whole);
    if (!IsNo(status) && status != 0) return status;
    if (candidate != TEXT_T && text.find(locale.decimalSeparator) != std::string_view::npos) {
        float real = 0;
        status = pf::VarR4FromText(text, &real, locale);
        if (!IsNo(status) && status != 0) return status;
        if (status == 0 && (candidate == NOTUSED_T || real != whole)) candidate = FLOATING_T;
    }
    if (candidate == NOTUSED_T) {
        bool checked = false;
        status = pf::VarBoolFromText(text, &checked, locale);
        if (status == 0) candidate = CHECKBOX_T;
        if (!IsNo(status) && status != 0) return status;
    }
    if (candidate == NOTUSED_T) {
        candidate = DateCandidate(text, locale, &status);
        if (!IsNo(status) && status != 0) return status;
    }
    if (candidate == NOTUSED_T) candidate = TEXT_T;
    if (candidate == TEXT_T && text.size() > 255) {
        if (text.size() > kMaxMemoLength) return kImportValueTooLong;
        candidate = MEMO_T;
    }
    *type = candidate;
    return 0;
}

void MergeColumnType(int32_t value, int32_t* column) {
    if (value == *column || value == NOTUSED_T) return;
    if (value == DATE_T || value == TIME_T || *column == DATE_T || *column == TIME_T) {
        *column = *column == NOTUSED_T ? value : TEXT_T;
        return;
    }
    if (ColumnTypeRank(value) > ColumnTypeRank(*column)) *column = value;
}
