// Shared pieces of the expression engine tests: a sample Tabulon with a field of each kind and one
// record, and the recording prompt and progress of tests/support.
#pragma once

#include "model/TbObjDB.h"
#include "support/Recorders.h"

#include <sstream>
#include <string>
#include <vector>

// The slots of the sample Tabulon's fields.
constexpr uint16_t kName = 1, kTen = 2, kEmpty = 3, kQty = 4, kPrice = 5, kDone = 6, kColour = 7, kNotes = 8,
                   kAt = 9, kAt2 = 10, kDue = 11, kDue2 = 12, kId = 13, kLookup = 14, kCalc = 15, kCond = 16;

// The record (key 5): Name "Hello World", Ten "10.5 kg", Empty "", Qty 10, Price 1.1, Done
// checked, Colour "7 Green", Notes "100", At 10:00, At2 11:00, Due 2004-10-27, Due2 today,
// Lookup joined to the text "abc", Calc 3.5; Cond chooses "Yes" in green or "No" in red.
class SampleTabulon {
public:
    SampleTabulon() {
        const std::pair<const char*, TbFieldType> fields[] = {
            {"Name", TEXT_T},      {"Ten", TEXT_T},         {"Empty", TEXT_T},      {"Qty", INTEGER_T},
            {"Price", FLOATING_T}, {"Done", CHECKBOX_T},    {"Colour", LIST_T},     {"Notes", MEMO_T},
            {"At", TIME_T},        {"At2", TIME_T},         {"Due", DATE_T},        {"Due2", DATE_T},
            {"Id", KEY_T},         {"Lookup", DB_LOOKUP_T}, {"Calc", EXPRESSION_T}, {"Cond", COND_EXP_T},
        };
        for (const auto& [name, type] : fields) db.AddField(name, type);
        for (const char* item : {"Red", "7 Green"}) db.Field(kColour)->ListProps()->Items().AddItem(item);
        CTbObjFieldCondExpr& cond = *db.Field(kCond)->CondExprProps();
        cond.SetTrueConstant("Yes");
        cond.SetTrueColour(TB_GREEN);
        cond.SetFalseConstant("No");
        cond.SetFalseColour(TB_RED);
        record = db.Records().AddRecord(false, false);
        record->SetKey(5);
        Value(kName).SetText("Hello World");
        Value(kTen).SetText("10.5 kg");
        Value(kQty).SetShort(10);
        Value(kPrice).SetFloat(1.1f);
        Value(kDone).SetChecked(true);
        Value(kColour).SetShort(2);
        Value(kNotes).SetText("100");
        Value(kAt).SetTime(10, 0, 0);
        Value(kAt2).SetTime(11, 0, 0);
        Value(kDue).SetDate(2004, 10, 27);
        Value(kDue2).SetToday();
        Value(kLookup).JoinedValue().SetText("abc");
        Value(kLookup).JoinedValue().SetType(TEXT_T);
        Value(kCalc).SetFloat(3.5f);
    }

    CTbObjRecordValue& Value(uint16_t slot) { return *record->Value(slot); }

    // A computed field's stored result by its result format: a date as y-m-d, a time as h:m:s,
    // a text as it is, anything else as its number.
    std::string Stored(uint16_t slot, int format) {
        int16_t a, b, c;
        std::ostringstream text;
        if (format >= EXPR_RESULT_DATE_DAYS && format <= EXPR_RESULT_DATE_YEARS) {
            Value(slot).GetDate(&a, &b, &c);
            text << a << "-" << b << "-" << c;
        } else if (format == EXPR_RESULT_TIME) {
            Value(slot).GetTime(&a, &b, &c);
            text << a << ":" << b << ":" << c;
        } else if (format == EXPR_RESULT_TEXT) {
            text << Value(slot).GetText();
        } else {
            text << Value(slot).GetFloat();
        }
        return text.str();
    }

    CTbObjDB db;
    CTbObjRecord* record;
};
