// Small helpers that design and fill a sample Tabulon through the object model: fields and
// their list items, records by field slot, form tabs row by row, views and filters.
#pragma once

#include "model/TbObjDB.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace samples {

// Adds a field in the lowest free slot and checks that it is the slot the sample expects.
CTbObjField& AddField(CTbObjDB& db, int expectedSlot, const std::string& name, TbFieldType type);
// Appends items to a List or Radio Button field, or to the "Categories" list of slot 0.
void AddItems(CTbObjDB& db, int slot, std::initializer_list<const char*> items);
// The item index of a List or Radio Button field's item with exactly this text.
uint16_t ItemIndex(const CTbObjDB& db, int slot, std::string_view text);

// Palm seconds of a local date and time, for the fixed header dates of a sample.
uint32_t PalmSeconds(int year, int month, int day, int hour, int minute);

// One new record with the next key; each setter stores one field's value.
class RecordFiller {
public:
    explicit RecordFiller(CTbObjDB& db);

    RecordFiller& Category(std::string_view name);
    RecordFiller& Text(int slot, std::string_view text);
    RecordFiller& Choice(int slot, std::string_view item);
    RecordFiller& Integer(int slot, int16_t value);
    RecordFiller& Long(int slot, int32_t value);
    RecordFiller& Float(int slot, float value);
    RecordFiller& Check(int slot, bool checked);
    RecordFiller& Date(int slot, int year, int month, int day);
    RecordFiller& Time(int slot, int hour, int minute);
    RecordFiller& Data(int slot, std::vector<uint8_t> bytes);
    CTbObjRecord& Record() { return *m_record; }

private:
    CTbObjRecordValue& Value(int slot);

    CTbObjDB& m_db;
    CTbObjRecord* m_record;
};

// Places rows on one form tab, from position 1 downwards.
class FormFiller {
public:
    FormFiller(CTbObjTab& tab, std::string name, uint16_t firstColumnWidth);

    // A row showing only a text, in bold and aligned left.
    FormFiller& Heading(std::string text);
    // A field row with its label and the handheld's popup help.
    FormFiller& Field(int slot, std::string label, std::string help = {});
    // The row placed last, for its further settings.
    CTbObjTabRow& LastRow() { return *m_last; }

private:
    CTbObjTabRow& NextRow(uint16_t field);

    CTbObjTab& m_tab;
    CTbObjTabRow* m_last = nullptr;
    int m_position = 1;
};

// Columns (field slot, width) of a view; the sort keys (field slot, descending) in order.
struct ViewColumn {
    int slot;
    uint16_t width;
};
struct ViewSort {
    int slot;
    bool descending = false;
};
void ShapeView(CTbObjView& view, std::string name, std::initializer_list<ViewColumn> columns,
               std::initializer_list<ViewSort> sortKeys);

// A named filter of one or two conditions (field, operator, constant) joined by logic.
struct FilterCondition {
    int slot;
    char op;
    std::string constant;
};
CTbObjFilter& AddFilter(CTbObjDB& db, std::string name, std::initializer_list<FilterCondition> conditions,
                        char logic = TbCompare::And);

// Computed fields. An Advanced Expression is parsed by the expression component; a simple
// Expression takes the handheld's token list (operand, operator, operand ...) as it is.
void SetAdvancedExpression(CTbObjDB& db, int slot, const std::string& text, TbExprResult format,
                           uint16_t decimals = 3);
void SetSimpleExpression(CTbObjDB& db, int slot, std::vector<uint8_t> tokens, std::vector<std::string> values,
                         TbExprResult format);
// A Conditional Expression of one or two conditions (joined by And) choosing between two
// constant texts, each with its colour.
struct ConditionalSide {
    std::string text;
    TbColour colour;
};
void SetConditional(CTbObjDB& db, int slot, std::initializer_list<FilterCondition> conditions,
                    ConditionalSide whenTrue, ConditionalSide whenFalse);
// Recomputes every computed field of every record.
void Recalculate(CTbObjDB& db);

}  // namespace samples
