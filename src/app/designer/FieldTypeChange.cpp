// The conversion of a field's values to a new type.
#include "app/designer/FieldTypeChange.h"

#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace orvanta::app {
namespace {

constexpr int kMaxListItems = 60;
constexpr int kMaxRadioItems = 8;
constexpr int kProgressEvery = 256;

// The whole number an old value of a number type or key holds.
double NumberOf(const CTbObjRecordValue& old, const CTbObjRecord& record, TbFieldType from) {
    switch (from) {
        case INTEGER_T:
            return old.GetShort();
        case LONG_T:
        case AUTO_INC_T:
            return old.GetLong();
        case KEY_T:
            return record.GetKey();
        case FLOATING_T:
            return old.GetFloat();
        case CHECKBOX_T:
            return old.GetChecked() ? 1 : 0;
        default:
            return 0;
    }
}

bool IsText(TbFieldType type) { return type == TEXT_T || type == MEMO_T; }

std::string TextOf(const CTbObjRecordValue& old, const CTbObjRecord& record, TbFieldType from) {
    char buffer[32];
    switch (from) {
        case TEXT_T:
        case MEMO_T:
            return std::string(old.GetText());
        case INTEGER_T:
        case LONG_T:
        case KEY_T:
            return std::to_string(static_cast<long long>(NumberOf(old, record, from)));
        case FLOATING_T:
            std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(old.GetFloat()));
            return buffer;
        case LIST_T:
        case RADIO_T:
            return std::to_string(old.GetShort());
        default:
            return {};
    }
}

// The item of the list with the text, appended when missing and the list has room; else the first.
int ItemFor(CTbObjField& field, const std::string& text) {
    CTbObjListItems& items = field.ListProps()->Items();
    for (int i = 0; i < items.Count(); ++i)
        if (items.ItemAt(i)->text == text) return items.ItemAt(i)->index;
    const int room = field.GetType() == RADIO_T ? kMaxRadioItems : kMaxListItems;
    if (!text.empty() && items.Count() < room) return items.AddItem(text);
    return items.Count() > 0 ? items.ItemAt(0)->index : 0;
}

void FillFrom(CTbObjRecordValue& value, const CTbObjRecordValue& old, const CTbObjRecord& record,
              TbFieldType from, CTbObjField& field, bool listConversion) {
    const double number = NumberOf(old, record, from);
    switch (field.GetType()) {
        case TEXT_T:
        case MEMO_T:
            if (from == ADDR_BK_JOIN_T || from == ADDR_BK_LOOKUP_T)
                value = old;
            else
                value.SetText(TextOf(old, record, from));
            break;
        case INTEGER_T:
            if (IsText(from))
                value.SetShort(static_cast<int16_t>(std::atoi(std::string(old.GetText()).c_str())));
            else if (from == LONG_T || from == KEY_T || from == FLOATING_T || from == CHECKBOX_T)
                value.SetShort(number >= -32768 && number <= 32767 ? static_cast<int16_t>(number) : 0);
            else
                value.SetShort(0);
            break;
        case LONG_T:
            if (IsText(from))
                value.SetLong(
                    static_cast<int32_t>(std::strtoll(std::string(old.GetText()).c_str(), nullptr, 10)));
            else if (from == KEY_T || from == INTEGER_T || from == FLOATING_T || from == CHECKBOX_T)
                value.SetLong(static_cast<int32_t>(number));
            else
                value.SetLong(0);
            break;
        case FLOATING_T:
            if (IsText(from))
                value.SetFloat(static_cast<float>(std::atof(std::string(old.GetText()).c_str())));
            else if (from == INTEGER_T || from == LONG_T || from == AUTO_INC_T || from == CHECKBOX_T)
                value.SetFloat(static_cast<float>(number));
            else
                value.SetFloat(0);
            break;
        case LIST_T:
        case RADIO_T:
            if (from == LIST_T || from == RADIO_T)
                value.SetShort(old.GetShort());
            else if (IsText(from) && listConversion)
                value.SetShort(static_cast<int16_t>(ItemFor(field, std::string(old.GetText()))));
            else
                value.SetShort(0);
            break;
        case CHECKBOX_T:
            value.SetChecked((from == INTEGER_T || from == LONG_T || from == FLOATING_T) && number != 0);
            break;
        case DATE_T:
        case TIME_T:
            break;
        default:
            value.SetLong(0);
            break;
    }
}

}  // namespace

void ConvertValue(CTbObjRecordValue& value, const CTbObjRecord& record, TbFieldType from, CTbObjField& field,
                  bool listConversion) {
    const CTbObjRecordValue old = value;
    value.Reset(&field, false);
    value.SetType(static_cast<uint16_t>(field.GetType()));
    FillFrom(value, old, record, from, field, listConversion);
    value.SetType(static_cast<uint16_t>(field.GetType()));
}

void ChangeFieldType(CTbObjDB& db, int slot, TbFieldType type, bool listConversion,
                     IProgressIndicator* progress) {
    CTbObjField* field = db.Field(slot);
    if (!field || field->GetType() == type) return;
    const TbFieldType from = field->GetType();
    db.SetFieldType(slot, type, field->GetName());
    CTbObjRecordList& records = db.Records();
    const int count = records.Count(true);
    ProgressShown shown(progress);
    if (progress) {
        progress->SetText("Updating records...");
        progress->SetRange(count);
    }
    for (int i = 0, stepped = 0; i < count; ++i) {
        CTbObjRecord& record = *records.RecordInStoredOrder(i);
        ConvertValue(*record.Value(slot), record, from, *field, listConversion);
        if (progress && ((i + 1) % kProgressEvery == 0 || i + 1 == count)) {
            progress->SetText("Processing record " + std::to_string(i + 1) + " of " + std::to_string(count));
            progress->Step(i + 1 - stepped);
            stepped = i + 1;
        }
    }
    db.SetModified(true);
}

const char* FieldTypeDescription(int type) {
    switch (type) {
        case TEXT_T:
            return "A single line of text of up to 254 characters.";
        case INTEGER_T:
            return "A whole number from -32768 to +32767.";
        case LONG_T:
            return "A whole number from -2,147,483,648 to +2,147,483,647.";
        case FLOATING_T:
            return "A number with up to three digits after the decimal point.";
        case LIST_T:
            return "A choice from a drop-down list of up to 60 items.";
        case CHECKBOX_T:
            return "A check box: checked or not.";
        case DATE_T:
            return "A date, optionally set when the record is added or updated.";
        case TIME_T:
            return "A time of day, optionally set when the record is added or updated.";
        case EXPRESSION_T:
            return "A number or date computed from other fields of the record.";
        case MEMO_T:
            return "Several lines of text of up to 4096 characters.";
        case KEY_T:
            return "The record's unique key, given when the record is added.";
        case DB_JOIN_T:
            return "A value taken from a matching record of another Tabulon.";
        case DB_LOOKUP_T:
            return "A further field of the record a DB Join field matched.";
        case ONE_TO_MANY_T:
            return "The records of another Tabulon that match this record.";
        case ADDR_BK_JOIN_T:
            return "An entry of the handheld's address book.";
        case ADDR_BK_LOOKUP_T:
            return "A further field of the address book entry an Address Join chose.";
        case RADIO_T:
            return "A choice among up to eight radio buttons.";
        case IMAGE_T:
            return "A picture in one of four formats: black and white, 4 shade, 16 shade gray-scale or 256 "
                   "colours.";
        case COND_EXP_T:
            return "A text and colour chosen by conditions on other fields.";
        case AUTO_INC_T:
            return "A number that grows by one with each record added.";
        case PLUGIN_T:
            return "A value kept by a handheld plug-in.";
        case ADV_EXPRESSION_T:
            return "A result computed by a formula over fields, constants and functions.";
        default:
            return "";
    }
}

}  // namespace orvanta::app
