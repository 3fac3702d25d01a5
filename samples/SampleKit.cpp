// The helpers the sample Tabulons are built with. A mistake in a sample's own design (a slot
// taken out of order, an item that is not in the list) throws std::logic_error.
#include "SampleKit.h"

#include "expr/CTbRecalculator.h"
#include "expr/TbObjExprEvaluator.h"
#include "platform/OleDate.h"

#include <cmath>
#include <stdexcept>

namespace samples {

namespace {

[[noreturn]] void Fail(const std::string& what) { throw std::logic_error(what); }

const CTbObjListItems& ItemsOf(const CTbObjDB& db, int slot) {
    const CTbObjField* field = db.Field(slot);
    if (!field || !field->ListProps()) Fail("field " + std::to_string(slot) + " has no list items");
    return field->ListProps()->Items();
}

}  // namespace

CTbObjField& AddField(CTbObjDB& db, int expectedSlot, const std::string& name, TbFieldType type) {
    CTbObjField* field = db.AddField(name, type);
    if (!field || field->GetSlot() != expectedSlot)
        Fail("field \"" + name + "\" did not land in slot " + std::to_string(expectedSlot));
    return *field;
}

void AddItems(CTbObjDB& db, int slot, std::initializer_list<const char*> items) {
    CTbObjField* field = db.Field(slot);
    if (!field || !field->ListProps()) Fail("field " + std::to_string(slot) + " has no list items");
    for (const char* item : items) field->ListProps()->Items().AddItem(item);
}

void SetAdvancedExpression(CTbObjDB& db, int slot, const std::string& text, TbExprResult format,
                           uint16_t decimals) {
    CTbObjField* field = db.Field(slot);
    if (!field || field->GetType() != ADV_EXPRESSION_T)
        Fail("field " + std::to_string(slot) + " is no Advanced Expression");
    field->ExprProps()->SetResultFormat(format);
    field->ExprProps()->SetDecimals(decimals);
    std::string error;
    if (TbObjExprEvaluator(db).SetExpression(*field, text, nullptr, &error) != 0)
        Fail("expression of field " + std::to_string(slot) + ": " + error);
}

void SetSimpleExpression(CTbObjDB& db, int slot, std::vector<uint8_t> tokens, std::vector<std::string> values,
                         TbExprResult format) {
    CTbObjField* field = db.Field(slot);
    if (!field || field->GetType() != EXPRESSION_T)
        Fail("field " + std::to_string(slot) + " is no Expression");
    field->ExprProps()->SetResultFormat(format);
    if (!field->ExprProps()->SetTokens(std::move(tokens), std::move(values)))
        Fail("token list of field " + std::to_string(slot));
}

void SetConditional(CTbObjDB& db, int slot, std::initializer_list<FilterCondition> conditions,
                    ConditionalSide whenTrue, ConditionalSide whenFalse) {
    CTbObjField* field = db.Field(slot);
    if (!field || !field->CondExprProps())
        Fail("field " + std::to_string(slot) + " is no Conditional Expression");
    CTbObjFieldCondExpr& props = *field->CondExprProps();
    int i = 0;
    for (const FilterCondition& c : conditions)
        props.Condition().SetCondition(i++, c.slot, c.op, 0, c.constant);
    if (i > 1) props.Condition().SetLogicOperator(0, TbCompare::And);
    props.SetTrueConstant(whenTrue.text);
    props.SetTrueColour(whenTrue.colour);
    props.SetFalseConstant(whenFalse.text);
    props.SetFalseColour(whenFalse.colour);
}

void Recalculate(CTbObjDB& db) { CTbRecalculator(db).RecalculateAll(nullptr); }

uint16_t ItemIndex(const CTbObjDB& db, int slot, std::string_view text) {
    const CTbObjListItems& items = ItemsOf(db, slot);
    for (int i = 0; i < items.Count(); ++i)
        if (items.ItemAt(i)->text == text) return items.ItemAt(i)->index;
    Fail("field " + std::to_string(slot) + " has no item \"" + std::string(text) + "\"");
}

uint32_t PalmSeconds(int year, int month, int day, int hour, int minute) {
    double ole = 0;
    if (!orvanta::platform::OleDateFromParts(year, month, day, hour, minute, 0, &ole))
        Fail("invalid header date");
    // OLE day 25569 is 1970-01-01; the handheld counts local time, so no zone is applied.
    auto unixSeconds = static_cast<int64_t>(std::llround((ole - 25569.0) * 86400.0));
    return orvanta::platform::PalmFromUnix(unixSeconds);
}

RecordFiller::RecordFiller(CTbObjDB& db) : m_db(db), m_record(db.Records().AddRecord(true)) {}

CTbObjRecordValue& RecordFiller::Value(int slot) {
    CTbObjRecordValue* value = m_record->Value(slot);
    if (!value || !m_db.Field(slot)->IsUsed()) Fail("no field in slot " + std::to_string(slot));
    return *value;
}

RecordFiller& RecordFiller::Category(std::string_view name) { return Choice(0, name); }

RecordFiller& RecordFiller::Text(int slot, std::string_view text) {
    Value(slot).SetText(text);
    return *this;
}

RecordFiller& RecordFiller::Choice(int slot, std::string_view item) {
    CTbObjRecordValue& value = Value(slot);
    value.SetShort(static_cast<int16_t>(ItemIndex(m_db, slot, item)));
    value.SetText(item);
    return *this;
}

RecordFiller& RecordFiller::Integer(int slot, int16_t number) {
    Value(slot).SetShort(number);
    return *this;
}

RecordFiller& RecordFiller::Long(int slot, int32_t number) {
    Value(slot).SetLong(number);
    return *this;
}

RecordFiller& RecordFiller::Float(int slot, float number) {
    Value(slot).SetFloat(number);
    return *this;
}

RecordFiller& RecordFiller::Check(int slot, bool checked) {
    Value(slot).SetChecked(checked);
    return *this;
}

RecordFiller& RecordFiller::Date(int slot, int year, int month, int day) {
    if (!orvanta::platform::IsValidDate(year, month, day))
        Fail("invalid date in slot " + std::to_string(slot));
    Value(slot).SetDate(year, month, day);
    return *this;
}

RecordFiller& RecordFiller::Time(int slot, int hour, int minute) {
    if (!orvanta::platform::IsValidTime(hour, minute, 0))
        Fail("invalid time in slot " + std::to_string(slot));
    Value(slot).SetTime(hour, minute, 0);
    return *this;
}

RecordFiller& RecordFiller::Data(int slot, std::vector<uint8_t> bytes) {
    CTbObjRecordValue& value = Value(slot);
    value.SetData(std::move(bytes));
    value.SetHasValue(true);
    return *this;
}

FormFiller::FormFiller(CTbObjTab& tab, std::string name, uint16_t firstColumnWidth) : m_tab(tab) {
    m_tab.SetName(std::move(name));
    m_tab.SetFirstColumnWidth(firstColumnWidth);
}

CTbObjTabRow& FormFiller::NextRow(uint16_t field) {
    CTbObjTabRow* row = m_tab.PlaceField(field, m_position);
    if (!row) Fail("tab \"" + m_tab.GetName() + "\" has no row " + std::to_string(m_position));
    ++m_position;
    m_last = row;
    return *row;
}

FormFiller& FormFiller::Heading(std::string text) {
    CTbObjTabRow& row = NextRow(LabelRowField);
    row.SetLabelText(std::move(text));
    row.SetLabelFont(1);  // boldFont
    row.SetAlignment(0);  // left
    return *this;
}

FormFiller& FormFiller::Field(int slot, std::string label, std::string help) {
    CTbObjTabRow& row = NextRow(static_cast<uint16_t>(slot));
    row.SetLabelText(std::move(label));
    row.SetPopupHelp(std::move(help));
    return *this;
}

void ShapeView(CTbObjView& view, std::string name, std::initializer_list<ViewColumn> columns,
               std::initializer_list<ViewSort> sortKeys) {
    view.SetName(std::move(name));
    while (view.ColumnCount() > 0) view.RemoveColumnOfField(view.Column(0)->GetField());
    for (const ViewColumn& column : columns)
        view.AddColumn(static_cast<uint16_t>(column.slot))->SetWidth(column.width);
    if (sortKeys.size() > 3) Fail("a view sorts on at most three keys");
    int k = 1;
    for (const ViewSort& key : sortKeys) {
        if (!view.HasColumn(static_cast<uint16_t>(key.slot)))
            Fail("view \"" + view.GetName() + "\" sorts on a hidden field");
        view.SetSortKey(k++, static_cast<uint16_t>(key.slot), key.descending ? 1 : 0);
    }
}

CTbObjFilter& AddFilter(CTbObjDB& db, std::string name, std::initializer_list<FilterCondition> conditions,
                        char logic) {
    if (conditions.size() == 0 || conditions.size() > 3) Fail("a filter has one to three conditions");
    CTbObjFilter& filter = *db.AddFilter();
    filter.SetName(std::move(name));
    int i = 0;
    for (const FilterCondition& condition : conditions)
        filter.SetCondition(i++, static_cast<uint16_t>(condition.slot), condition.op, 0, condition.constant);
    filter.SetLogicOperator(0, logic);
    filter.SetLogicOperator(1, logic);
    return filter;
}

}  // namespace samples
