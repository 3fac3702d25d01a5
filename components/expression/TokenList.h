// A token list in the handheld's scheme (type bytes and value texts), with the text position
// each token was read from, and the failure of reading one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvanta::expression {

struct TokenList {
    std::vector<uint8_t> types;
    std::vector<std::string> values;
    std::vector<int> positions;  // 0-based character position of each token in the text

    void Add(uint8_t type, std::string value, int position) {
        types.push_back(type);
        values.push_back(std::move(value));
        positions.push_back(position);
    }
};

// What is wrong with an expression text and where (0-based).
struct ParseFailure {
    std::string message;
    int position = -1;
};

// "<what> at position N." with N the 1-based position.
ParseFailure FailureAt(const std::string& what, int position);
// "<what> at the end of the expression (position N)."
ParseFailure FailureAtEnd(const std::string& what, int textLength);

}  // namespace orvanta::expression
