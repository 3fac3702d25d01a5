// ExpressionVocabulary: what the advanced expression editor offers to insert: its six lists
// (fields, previous-record fields, constants, colours, other operators, functions) with the
// text each entry inserts and, for functions, a tip; and the result formats it offers.
#pragma once

#include <string>
#include <vector>

class CTbObjDB;

namespace orvanta::app {

enum class VocabularyList { Fields, PreviousRecord, Constants, Colors, Operators, Functions };

struct VocabularyEntry {
    std::string shown;
    std::string inserted;
    const char* tip = nullptr;  // functions only
};

struct ResultFormatChoice {
    const char* label;
    int format;
};

class ExpressionVocabulary {
public:
    static constexpr int kListCount = 6;
    static constexpr const char* kInitialTip =
        "When you select a function, tips on how to use that function will display here.";

    // "(Fields)", "(Previous Record)" ...
    static const char* Title(VocabularyList list);
    // The entries of a list, the fields being the Tabulon's used fields in slot order.
    static std::vector<VocabularyEntry> Entries(VocabularyList list, const CTbObjDB& db);
    // Floating, Hours, Minutes, Seconds, Hours-Minutes-Seconds, Hours-Minutes.
    static const std::vector<ResultFormatChoice>& ResultFormats();
};

}  // namespace orvanta::app
