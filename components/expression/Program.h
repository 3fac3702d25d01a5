// A token list read into a tree of operations, ready to be evaluated record after record.
// Nodes refer to their operands by index; a function's arguments are a range of `args`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvanta::expression {

enum class Op : uint8_t {
    Number,
    Text,
    Field,
    PrevField,
    Today,
    Now,
    PrevIndex,
    Colour,  // sets the colour, then gives its operand
    Negate,
    Plus,
    Not,
    Add,
    Subtract,
    Multiply,
    Divide,
    Modulo,
    Power,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Equal,
    NotEqual,
    And,
    Or,
    Xor,
    Function,
};

struct Node {
    Op op = Op::Number;
    uint8_t code = 0;       // function kind or colour code
    uint16_t slot = 0;      // field slot
    int32_t left = -1;      // operand (unary) or left operand
    int32_t right = -1;     // right operand
    uint32_t firstArg = 0;  // index into Program::args
    uint32_t argCount = 0;
    double number = 0;
    std::string text;
};

struct Program {
    std::vector<Node> nodes;
    std::vector<int32_t> args;
    int32_t root = -1;
    int highestSlot = 0;      // the highest slot of the current record the program reads
    int highestPrevSlot = 0;  // the same for the previous record

    void Clear() {
        nodes.clear();
        args.clear();
        root = -1;
        highestSlot = highestPrevSlot = 0;
    }
};

}  // namespace orvanta::expression
