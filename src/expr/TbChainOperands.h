// The operands of an Expression field's token chain read from the current and the previous
// record: as 4-byte reals (number results), whole seconds (time results) or dates (date results).
#pragma once

#include "expr/TbCalendar.h"

#include <cstdint>
#include <string_view>
#include <vector>

class CTbObjDB;
class CTbObjFieldExpr;
class CTbObjRecord;

struct TbChainToken {
    uint8_t type;
    std::string_view text;
};

// The fixed alternation of a token list: operands at even positions (at most 8), each after the
// first preceded by its operator; a type 0 at an operand position ends the chain.
struct TbChain {
    std::vector<TbChainToken> operands;
    std::vector<uint8_t> operators;  // operators[i - 1] joins operand i
};
TbChain ReadChain(const CTbObjFieldExpr& expr);

// An operand of a date chain: a date, or else a whole number.
struct TbDateOperand {
    bool isDate = false;
    TbDate date;
    int64_t number = 0;
};

class TbChainOperands {
public:
    // previous may be null; its field operands then read as 0.
    TbChainOperands(const CTbObjRecord& record, const CTbObjRecord* previous, const CTbObjDB* db)
        : m_record(record), m_previous(previous), m_db(db) {}

    float Number(const TbChainToken& token) const;
    uint32_t Seconds(const TbChainToken& token) const;
    TbDateOperand Date(const TbChainToken& token) const;

private:
    struct FieldOperand;
    bool FieldOf(const TbChainToken& token, FieldOperand* out) const;

    const CTbObjRecord& m_record;
    const CTbObjRecord* m_previous;
    const CTbObjDB* m_db;
};
