#include "Compiler.h"

#include "NumberText.h"
#include "Vocabulary.h"
#include "components/expression/IExpressionEvaluator.h"

namespace orvanta::expression {

namespace {

Node MakeNode(Op op, int32_t left = -1, int32_t right = -1) {
    Node node;
    node.op = op;
    node.left = left;
    node.right = right;
    return node;
}

bool IsFieldType(uint8_t type) { return type >= 1 && type <= 80; }
bool IsPrevFieldType(uint8_t type) {
    return type >= kTokenPreviousBase + 1 && type <= kTokenPreviousBase + 80;
}

// Recursive descent over the tokens, one function per precedence level, lowest first.
// Each gives the index of the node it built, or -1 once an error is recorded.
class Grammar {
public:
    Grammar(std::span<const uint8_t> types, std::span<const std::string> values, Program* program)
        : m_types(types), m_values(values), m_program(program) {}

    bool Run(GrammarError* error) {
        m_program->Clear();
        if (m_types.empty()) return Fail(GrammarFault::EmptyExpression, 0, error);
        if (m_types.size() > kMaxTokens) return Fail(GrammarFault::TooManyTokens, kMaxTokens, error);
        m_program->root = Expression();
        if (m_program->root >= 0 && !AtEnd()) FailUnexpected(false);
        *error = m_error;
        return m_error.fault == GrammarFault::None;
    }

private:
    int32_t Expression() { return OrLevel(); }

    int32_t OrLevel() {
        int32_t left = AndLevel();
        while (left >= 0 && (PeekOper(OPER_OR) || PeekOper(OPER_XOR))) {
            const Op op = PeekOper(OPER_OR) ? Op::Or : Op::Xor;
            ++m_pos;
            left = Binary(op, left, AndLevel());
        }
        return left;
    }

    int32_t AndLevel() {
        int32_t left = NotLevel();
        while (left >= 0 && PeekOper(OPER_AND)) {
            ++m_pos;
            left = Binary(Op::And, left, NotLevel());
        }
        return left;
    }

    int32_t NotLevel() {
        if (!PeekOper(OPER_NOT)) return ComparisonLevel();
        ++m_pos;
        return Unary(Op::Not, NotLevel());
    }

    int32_t ComparisonLevel() {
        int32_t left = AdditiveLevel();
        while (left >= 0 && PeekType() == kTokenOper) {
            const Op op = ComparisonOp(OperKind());
            if (op == Op::Number) break;
            ++m_pos;
            left = Binary(op, left, AdditiveLevel());
        }
        return left;
    }

    int32_t AdditiveLevel() {
        int32_t left = MultiplicativeLevel();
        while (left >= 0 && (PeekType() == kTokenPlus || PeekType() == kTokenMinus)) {
            const Op op = PeekType() == kTokenPlus ? Op::Add : Op::Subtract;
            ++m_pos;
            left = Binary(op, left, MultiplicativeLevel());
        }
        return left;
    }

    int32_t MultiplicativeLevel() {
        int32_t left = UnaryLevel();
        while (left >= 0) {
            Op op;
            if (PeekType() == kTokenMultiply)
                op = Op::Multiply;
            else if (PeekType() == kTokenDivide)
                op = Op::Divide;
            else if (PeekOper(OPER_MOD))
                op = Op::Modulo;
            else
                break;
            ++m_pos;
            left = Binary(op, left, UnaryLevel());
        }
        return left;
    }

    int32_t UnaryLevel() {
        if (PeekType() != kTokenPlus && PeekType() != kTokenMinus) return PowerLevel();
        const Op op = PeekType() == kTokenPlus ? Op::Plus : Op::Negate;
        ++m_pos;
        return Unary(op, UnaryLevel());
    }

    // "**" is two multiply tokens; its right side may carry a sign and groups to the right.
    int32_t PowerLevel() {
        const int32_t base = Operand();
        if (base < 0 || PeekType() != kTokenMultiply || PeekType(1) != kTokenMultiply) return base;
        m_pos += 2;
        return Binary(Op::Power, base, UnaryLevel());
    }

    int32_t Operand() {
        if (AtEnd()) return Fail(GrammarFault::MissingOperand);
        const uint8_t type = PeekType();
        if (IsFieldType(type)) return FieldNode(Op::Field, type);
        if (IsPrevFieldType(type)) return FieldNode(Op::PrevField, type - kTokenPreviousBase);
        switch (type) {
            case kTokenToday:
                return Leaf(Op::Today);
            case kTokenNow:
                return Leaf(Op::Now);
            case kTokenPrevRecIndex:
                return Leaf(Op::PrevIndex);
            case kTokenFloatConst: {
                Node node = MakeNode(Op::Number);
                node.number = ReadLeadingNumber(Value(m_pos));
                ++m_pos;
                return Add(std::move(node));
            }
            case kTokenString: {
                Node node = MakeNode(Op::Text);
                node.text = Value(m_pos);
                ++m_pos;
                return Add(std::move(node));
            }
            case kTokenColor: {
                const uint8_t code = ColourOfCode(KindByte(m_pos++));
                const int32_t operand = Expression();
                if (operand < 0) return -1;
                Node node = MakeNode(Op::Colour, operand);
                node.code = code;
                return Add(std::move(node));
            }
            case kTokenFunc:
                return FunctionCall();
            case kTokenParenL:
                return Parenthesised();
            case kTokenOper: {
                const uint8_t kind = OperKind();
                if (kind == OPER_NONE || kind >= OPER_COUNT) return Fail(GrammarFault::UnknownOperator, kind);
                return Fail(kind == OPER_NOT ? GrammarFault::NotNeedsBrackets : GrammarFault::MissingOperand);
            }
            case kTokenPlus:
            case kTokenMinus:
            case kTokenMultiply:
            case kTokenDivide:
            case kTokenParenR:
            case kTokenComma:
                return Fail(GrammarFault::MissingOperand);
            default:
                return Fail(GrammarFault::UnknownTokenType, type);
        }
    }

    int32_t Parenthesised() {
        ++m_pos;
        const int32_t inner = Expression();
        if (inner < 0) return -1;
        if (PeekType() != kTokenParenR || AtEnd()) return FailUnexpected(true);
        ++m_pos;
        return inner;
    }

    int32_t FunctionCall() {
        const size_t start = m_pos;
        const uint8_t kind = KindByte(m_pos);
        if (kind == FUNC_NONE || kind >= FUNC_COUNT) return Fail(GrammarFault::UnknownFunction, kind);
        ++m_pos;
        std::vector<int32_t> args;
        if (!AtEnd() && PeekType() == kTokenParenR) {
            ++m_pos;
        } else {
            for (;;) {
                const int32_t arg = Expression();
                if (arg < 0) return -1;
                args.push_back(arg);
                if (AtEnd() || (PeekType() != kTokenComma && PeekType() != kTokenParenR))
                    return FailUnexpected(true);
                if (m_types[m_pos++] == kTokenParenR) break;
            }
        }
        const auto function = static_cast<FunctionKind>(kind);
        const int count = static_cast<int>(args.size());
        if (count < MinArguments(function) || count > MaxArguments(function)) {
            m_pos = start;
            return Fail(GrammarFault::WrongArgumentCount, count);
        }
        Node node = MakeNode(Op::Function);
        node.code = kind;
        node.firstArg = static_cast<uint32_t>(m_program->args.size());
        node.argCount = static_cast<uint32_t>(count);
        m_program->args.insert(m_program->args.end(), args.begin(), args.end());
        return Add(std::move(node));
    }

    // Something other than an operator where one belongs: an extra operand, a stray ')' or ','.
    int32_t FailUnexpected(bool closeExpected) {
        if (AtEnd())
            return Fail(closeExpected ? GrammarFault::MissingCloseParen : GrammarFault::MissingOperand);
        const uint8_t type = PeekType();
        if (type == kTokenParenR) return Fail(GrammarFault::UnexpectedCloseParen);
        if (type == kTokenComma) return Fail(GrammarFault::UnexpectedComma);
        if (type == kTokenOper && (OperKind() == OPER_NONE || OperKind() >= OPER_COUNT))
            return Fail(GrammarFault::UnknownOperator, OperKind());
        if (!IsFieldType(type) && !IsPrevFieldType(type) &&
            (type < kTokenToday || type > kTokenPrevRecIndex || type == 85))
            return Fail(GrammarFault::UnknownTokenType, type);
        return Fail(GrammarFault::MissingOperator);
    }

    static Op ComparisonOp(uint8_t kind) {
        switch (kind) {
            case OPER_LT:
                return Op::Less;
            case OPER_LE:
                return Op::LessEqual;
            case OPER_GT:
                return Op::Greater;
            case OPER_GE:
                return Op::GreaterEqual;
            case OPER_EQ:
                return Op::Equal;
            case OPER_NE:
                return Op::NotEqual;
            default:
                return Op::Number;  // not a comparison
        }
    }

    int32_t FieldNode(Op op, int slot) {
        int& highest = op == Op::Field ? m_program->highestSlot : m_program->highestPrevSlot;
        if (slot > highest) highest = slot;
        ++m_pos;
        Node node = MakeNode(op);
        node.slot = static_cast<uint16_t>(slot);
        return Add(std::move(node));
    }

    int32_t Leaf(Op op) {
        ++m_pos;
        return Add(MakeNode(op));
    }

    int32_t Unary(Op op, int32_t operand) { return operand < 0 ? -1 : Add(MakeNode(op, operand)); }

    int32_t Binary(Op op, int32_t left, int32_t right) {
        return right < 0 ? -1 : Add(MakeNode(op, left, right));
    }

    int32_t Add(Node node) {
        m_program->nodes.push_back(std::move(node));
        return static_cast<int32_t>(m_program->nodes.size() - 1);
    }

    int32_t Fail(GrammarFault fault, int detail = 0) {
        if (m_error.fault == GrammarFault::None) m_error = {fault, m_pos, detail};
        return -1;
    }

    bool Fail(GrammarFault fault, size_t token, GrammarError* error) {
        *error = {fault, token, 0};
        return false;
    }

    bool AtEnd() const { return m_pos >= m_types.size(); }
    uint8_t PeekType(size_t ahead = 0) const {
        return m_pos + ahead < m_types.size() ? m_types[m_pos + ahead] : kTokenEnd;
    }
    std::string_view Value(size_t index) const {
        return index < m_values.size() ? std::string_view(m_values[index]) : std::string_view();
    }
    uint8_t KindByte(size_t index) const {
        const std::string_view value = Value(index);
        return value.empty() ? 0 : static_cast<uint8_t>(value[0]);
    }
    uint8_t OperKind() const { return KindByte(m_pos); }
    bool PeekOper(OperatorKind kind) const { return PeekType() == kTokenOper && OperKind() == kind; }

    std::span<const uint8_t> m_types;
    std::span<const std::string> m_values;
    Program* m_program;
    size_t m_pos = 0;
    GrammarError m_error;
};

}  // namespace

bool Compile(std::span<const uint8_t> types, std::span<const std::string> values, Program* program,
             GrammarError* error) {
    return Grammar(types, values, program).Run(error);
}

}  // namespace orvanta::expression
