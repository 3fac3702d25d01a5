#include "Functions.h"

#include "Calendar.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace orvanta::expression {

namespace {

constexpr double kSecondsPerDay = 86400;

Value Round(std::span<const Value> args) {
    double decimals = args.size() > 1 ? std::trunc(NumberOf(args[1])) : 0;
    decimals = std::clamp(decimals, -400.0, 400.0);
    return MakeNumber(RoundHalfAway(NumberOf(args[0]), static_cast<int>(decimals)));
}

Value Date(std::span<const Value> args) {
    double date = 0;
    if (!DateFromParts(NumberOf(args[0]), NumberOf(args[1]), NumberOf(args[2]), &date)) return {};
    return MakeNumber(date, ValueKind::Date);
}

Value Time(std::span<const Value> args) {
    const double seconds = NumberOf(args[0]) * 3600 + NumberOf(args[1]) * 60 + NumberOf(args[2]);
    return MakeNumber(seconds / kSecondsPerDay, ValueKind::Time);
}

Value CalendarPart(FunctionKind kind, const Value& value) {
    DayParts parts;
    if (!DayPartsOf(NumberOf(value), &parts)) return {};
    switch (kind) {
        case FUNC_DAY:
            return MakeNumber(parts.day);
        case FUNC_MONTH:
            return MakeNumber(parts.month);
        case FUNC_YEAR:
            return MakeNumber(parts.year);
        default:
            return MakeNumber(WeekdayOf(parts));
    }
}

Value ClockPart(FunctionKind kind, const Value& value) {
    const ValueKind timeKind = value.kind == ValueKind::Date ? ValueKind::Date : ValueKind::Number;
    const int seconds = SecondsOfDay(MakeNumber(NumberOf(value), timeKind));
    switch (kind) {
        case FUNC_HOUR:
            return MakeNumber(seconds / 3600);
        case FUNC_MINUTE:
            return MakeNumber(seconds / 60 % 60);
        default:
            return MakeNumber(seconds % 60);
    }
}

Value Sign(double x) { return MakeNumber(x > 0 ? 1 : (x < 0 ? -1 : 0)); }

}  // namespace

Value CallFunction(FunctionKind kind, std::span<const Value> args) {
    if (args.empty()) return {};
    for (const Value& arg : args)
        if (arg.kind == ValueKind::Empty) return {};
    const double x = NumberOf(args[0]);
    switch (kind) {
        case FUNC_SQRT:
            return x < 0 ? Value{} : MakeNumber(std::sqrt(x));
        case FUNC_ABS:
            return MakeNumber(std::fabs(x));
        case FUNC_SIGN:
            return Sign(x);
        case FUNC_CEIL:
            return MakeNumber(std::ceil(x));
        case FUNC_FLOOR:
            return MakeNumber(std::floor(x));
        case FUNC_ROUND:
            return Round(args);
        case FUNC_DATE:
            return args.size() == 3 ? Date(args) : Value{};
        case FUNC_TIME:
            return args.size() == 3 ? Time(args) : Value{};
        case FUNC_DAY:
        case FUNC_MONTH:
        case FUNC_YEAR:
        case FUNC_WEEKDAY:
            return CalendarPart(kind, args[0]);
        case FUNC_HOUR:
        case FUNC_MINUTE:
        case FUNC_SECOND:
            return ClockPart(kind, args[0]);
        default:
            return {};
    }
}

}  // namespace orvanta::expression
