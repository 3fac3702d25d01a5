// Conversions of expression results into record values, with the change rule.
#include "expr/TbExprResult.h"

#include "model/TbObjRecord.h"
#include "platform/OleDate.h"
#include "platform/OleVariant.h"

#include <cmath>
#include <cstdlib>
#include <string>

using orvanta::expression::Result;
using orvanta::expression::ValueKind;
namespace platform = orvanta::platform;

namespace {

constexpr int kSecondsPerDay = 86400;

bool StoreFloat(float number, CTbObjRecordValue& value) {
    if (number == value.GetFloat()) return false;
    value.SetFloat(number);
    value.SetHasValue(true);
    return true;
}

bool StoreDate(const Result& result, CTbObjRecordValue& value) {
    int year = 0, month = 0, day = 0, hour, minute, second;
    if (result.kind != ValueKind::Empty &&
        !platform::OleDateToParts(std::floor(ExprResultNumber(result)), &year, &month, &day, &hour, &minute,
                                  &second))
        year = month = day = 0;
    int16_t oldYear, oldMonth, oldDay;
    value.GetDate(&oldYear, &oldMonth, &oldDay);
    if (oldYear == year && oldMonth == month && oldDay == day) return false;
    value.SetDate(year, month, day);
    return true;
}

bool StoreTime(const Result& result, CTbObjRecordValue& value) {
    int seconds = ExprResultSecondsOfDay(result);
    int hour = seconds / 3600, minute = seconds % 3600 / 60, second = seconds % 60;
    int16_t oldHour, oldMinute, oldSecond;
    value.GetTime(&oldHour, &oldMinute, &oldSecond);
    if (oldHour == hour && oldMinute == minute && oldSecond == second) return false;
    value.SetTime(hour, minute, second);
    return true;
}

// Dates and times are shown in the user's forms; numbers as OLE shows a double.
std::string ResultText(const Result& result) {
    int year, month, day, hour, minute, second;
    switch (result.kind) {
        case ValueKind::Text:
            return result.text;
        case ValueKind::Number:
            return platform::VarTextFromR8(result.number);
        case ValueKind::Date:
            if (!platform::OleDateToParts(result.number, &year, &month, &day, &hour, &minute, &second))
                return {};
            return platform::FormatDateOnly(year, month, day);
        case ValueKind::Time: {
            int seconds = ExprResultSecondsOfDay(result);
            return platform::FormatTimeOnly(seconds / 3600, seconds % 3600 / 60, seconds % 60);
        }
        case ValueKind::Empty:
            break;
    }
    return {};
}

bool StoreText(const Result& result, CTbObjRecordValue& value) {
    std::string text = ResultText(result);
    if (value.GetText() == text) return false;
    value.SetText(text);
    return true;
}

}  // namespace

double ExprResultNumber(const Result& result) {
    double number = 0;
    switch (result.kind) {
        case ValueKind::Number:
        case ValueKind::Date:
        case ValueKind::Time:
            number = result.number;
            break;
        case ValueKind::Text:
            number = std::strtod(result.text.c_str(), nullptr);
            break;
        case ValueKind::Empty:
            break;
    }
    return std::isfinite(number) ? number : 0;
}

int ExprResultSecondsOfDay(const Result& result) {
    double days = ExprResultNumber(result);
    double seconds = std::round((days - std::floor(days)) * kSecondsPerDay);
    return static_cast<int>(seconds) % kSecondsPerDay;
}

bool StoreExprResult(const Result& result, int resultFormat, CTbObjRecordValue& value) {
    switch (resultFormat) {
        case EXPR_RESULT_DATE_DAYS:
        case EXPR_RESULT_DATE_MONTHS:
        case EXPR_RESULT_DATE_YEARS:
            return StoreDate(result, value);
        case EXPR_RESULT_TIME:
            return StoreTime(result, value);
        case EXPR_RESULT_HHMMSS:
        case EXPR_RESULT_HHMM:
            return StoreFloat(static_cast<float>(ExprResultSecondsOfDay(result)), value);
        case EXPR_RESULT_TEXT:
            return StoreText(result, value);
        default:
            return StoreFloat(static_cast<float>(ExprResultNumber(result)), value);
    }
}
