// Expression fields: the number, time and date chains and how their results are stored.
#include "expr/CTbObjRegExpEvaluator.h"

#include "components/expression/IExpressionEvaluator.h"
#include "expr/TbCalendar.h"
#include "expr/TbChainOperands.h"
#include "model/TbObjDB.h"

#include <cmath>

namespace tok = orvanta::expression;

namespace {

// The result format that no Expression field is evaluated for.
constexpr int32_t kNotEvaluatedFormat = 14;

bool Differs(float stored, float result) {
    return stored != result && !(std::isnan(stored) && std::isnan(result));
}

// Stores a result kept as the value's float; true when it changed.
bool StoreFloat(CTbObjRecordValue& value, float result) {
    if (!Differs(value.GetFloat(), result)) return false;
    value.SetFloat(result);
    return true;
}

// Floating: 4-byte reals from left to right; a divisor of 0 leaves the result.
float NumberChain(const TbChain& chain, const TbChainOperands& operands) {
    float result = operands.Number(chain.operands[0]);
    for (size_t i = 1; i < chain.operands.size(); ++i) {
        float operand = operands.Number(chain.operands[i]);
        switch (chain.operators[i - 1]) {
            case tok::kTokenPlus:
                result += operand;
                break;
            case tok::kTokenMinus:
                result -= operand;
                break;
            case tok::kTokenMultiply:
                result *= operand;
                break;
            case tok::kTokenDivide:
                if (operand != 0) result /= operand;
                break;
            default:
                break;
        }
    }
    return result;
}

// Time results: whole seconds in an unsigned total that a larger subtrahend brings to 0.
uint32_t TimeChain(const TbChain& chain, const TbChainOperands& operands) {
    uint32_t total = operands.Seconds(chain.operands[0]);
    for (size_t i = 1; i < chain.operands.size(); ++i) {
        uint32_t operand = operands.Seconds(chain.operands[i]);
        switch (chain.operators[i - 1]) {
            case tok::kTokenPlus:
                total += operand;
                break;
            case tok::kTokenMinus:
                total = total > operand ? total - operand : 0;
                break;
            case tok::kTokenMultiply:
                total *= operand;
                break;
            case tok::kTokenDivide:
                if (operand != 0) total /= operand;
                break;
            default:
                break;
        }
    }
    return total;
}

bool StoreTime(CTbObjRecordValue& value, uint32_t total) {
    auto hour = static_cast<int16_t>(total / 3600);
    auto minute = static_cast<int16_t>(total % 3600 / 60);
    auto second = static_cast<int16_t>(total % 60);
    int16_t h, m, s;
    value.GetTime(&h, &m, &s);
    if (h == hour && m == minute && s == second) return false;
    value.SetTime(hour, minute, second);
    return true;
}

bool StoreTimeResult(CTbObjRecordValue& value, int32_t format, uint32_t total) {
    switch (format) {
        case EXPR_RESULT_TIME:
            return StoreTime(value, total);
        case EXPR_RESULT_HOURS:
            return StoreFloat(value, static_cast<float>(total / 3600));
        case EXPR_RESULT_MINUTES:
            return StoreFloat(value, static_cast<float>(total / 60));
        case EXPR_RESULT_HHMM:
            return StoreFloat(value, static_cast<float>(total / 60 * 60));
        default:
            return StoreFloat(value, static_cast<float>(total));  // Seconds, Hours-Minutes-Seconds
    }
}

bool StoreDate(CTbObjRecordValue& value, const TbDate& date) {
    auto year = static_cast<int16_t>(date.year);
    auto month = static_cast<int16_t>(date.month);
    auto day = static_cast<int16_t>(date.day);
    int16_t y, m, d;
    value.GetDate(&y, &m, &d);
    if (y == year && m == month && d == day) return false;
    value.SetDate(year, month, day);
    return true;
}

// Date +/- Days, Months or Years: operand 0 moved by operand 1 units, back unless the operator is plus.
bool MoveDate(CTbObjRecordValue& value, int32_t format, const TbDateOperand& start, uint8_t op,
              const TbDateOperand& amount) {
    if (!start.isDate) {
        value.SetDate(0, 0, 0);
        return true;
    }
    int64_t units = op == tok::kTokenPlus ? amount.number : -amount.number;
    switch (format) {
        case EXPR_RESULT_DATE_DAYS:
            return StoreDate(value, TbAddDays(start.date, units));
        case EXPR_RESULT_DATE_MONTHS:
            return StoreDate(value, TbAddMonths(start.date, units));
        default:
            return StoreDate(value, TbAddYears(start.date, units));
    }
}

// Days, Months, Years: operand 0 less operand 1 in the unit, whatever the operator; nothing
// changes unless both are dates.
bool DateDifference(CTbObjRecordValue& value, int32_t format, const TbDateOperand& later,
                    const TbDateOperand& earlier) {
    if (!later.isDate || !earlier.isDate) return false;
    int64_t difference = format == EXPR_RESULT_DAYS     ? TbDaysBetween(later.date, earlier.date)
                         : format == EXPR_RESULT_MONTHS ? TbMonthsBetween(later.date, earlier.date)
                                                        : TbYearsBetween(later.date, earlier.date);
    return StoreFloat(value, static_cast<float>(difference));
}

// Date results use operand 0, the operator after it and operand 1 only.
bool DateChain(CTbObjRecordValue& value, int32_t format, const TbChain& chain,
               const TbChainOperands& operands) {
    TbDateOperand first = operands.Date(chain.operands[0]);
    TbDateOperand second = chain.operands.size() > 1 ? operands.Date(chain.operands[1]) : TbDateOperand{};
    uint8_t op = chain.operators.empty() ? tok::kTokenEnd : chain.operators[0];
    if (format <= EXPR_RESULT_DATE_YEARS) return MoveDate(value, format, first, op, second);
    return DateDifference(value, format, first, second);
}

}  // namespace

CTbObjRegExpEvaluator::~CTbObjRegExpEvaluator() = default;

bool CTbObjRegExpEvaluator::IsSetUp(const CTbObjField& field) {
    const CTbObjFieldExpr* expr = field.ExprProps();
    if (!expr || expr->GetResultFormat() == kNotEvaluatedFormat) return false;
    const std::vector<uint8_t>& types = expr->GetTokenTypes();
    return !types.empty() && types[0] != tok::kTokenEnd;
}

bool CTbObjRegExpEvaluator::Evaluate(CTbObjRecord& record, const CTbObjField& field,
                                     const CTbObjRecord* previous) {
    const CTbObjFieldExpr* expr = field.ExprProps();
    CTbObjRecordValue* value = record.Value(field.GetSlot());
    if (!expr || !value) return false;
    TbChain chain = ReadChain(*expr);
    if (chain.operands.empty()) return false;
    TbChainOperands operands(record, previous, field.Database());
    int32_t format = expr->GetResultFormat();
    if (format == EXPR_RESULT_FLOATING) return StoreFloat(*value, NumberChain(chain, operands));
    if (format >= EXPR_RESULT_DATE_DAYS && format <= EXPR_RESULT_YEARS)
        return DateChain(*value, format, chain, operands);
    if (format >= EXPR_RESULT_TIME && format <= EXPR_RESULT_HHMM)
        return StoreTimeResult(*value, format, TimeChain(chain, operands));
    return false;
}
