// Field slots and filters as JSON: a field's common settings, then the properties of its
// advanced-properties class (defaults, list items, number settings, expressions, joins ...).
#include "cli/JsonExport.h"
#include "cli/JsonSupport.h"

#include "model/TbObjField.h"
#include "model/TbObjView.h"

namespace orvanta::cli {
namespace {

void AddText(JsonWriter& j, const CTbObjFieldText& p) {
    j.Key("defaultValue").Text(p.GetDefaultValue());
    j.Member("autoWriter", p.GetAutoWriter());
    j.Member("autoShift", p.GetAutoShift());
    j.Key("autoWriterWords").BeginArray();
    for (int i = 0; i < p.Words().Count(); ++i) j.Text(p.Words().ItemAt(i)->text);
    j.EndArray();
}

void AddNumber(JsonWriter& j, const CTbObjFieldNumber& p) {
    j.Key("defaultValue").Text(p.GetDefaultValue());
    j.Member("decimals", p.GetDecimals());
    j.Member("nextValue", p.GetNextValue());
    j.Member("incDec", p.GetIncDec());
}

void AddList(JsonWriter& j, const CTbObjFieldList& p) {
    const CTbObjListItems& items = p.Items();
    j.Key("items").BeginArray();
    for (int i = 0; i < items.Count(); ++i) {
        const CTbObjListItems::Item* item = items.ItemAt(i);
        j.BeginObject();
        j.Member("index", item->index);
        j.Key("text").Text(item->text);
        j.EndObject();
    }
    j.EndArray();
    j.Member("nextIndex", items.GetNextIndex());
    j.Member("defaultIndex", items.GetDefaultIndex());
    j.Member("buttons", p.GetButtonCount());
}

void AddJoin(JsonWriter& j, const CTbObjFieldJoin& p) {
    j.Member("joinFieldType", p.GetJoinFieldType());
    j.Key("sourceDatabase").Text(p.GetSourceDatabase());
    j.Member("joinField", p.GetJoinField());
    j.Member("displayField", p.GetDisplayField());
    j.Member("viewNumber", p.GetViewNumber());
    j.Key("secondText").Text(p.GetSecondText());
}

void AddOneToMany(JsonWriter& j, const CTbObjFieldOTM& p) {
    j.Key("relatedDatabase").Text(p.GetRelatedDatabase());
    j.Member("parentField", p.GetParentField());
    j.Member("relatedField", p.GetRelatedField());
    j.Key("viewName").Text(p.GetViewName());
    j.Key("viewLabel").Text(p.GetViewLabel());
    j.Member("extraSetting", p.GetExtraSetting());
}

void AddExpression(JsonWriter& j, const CTbObjFieldExpr& p) {
    j.Member("resultFormat", p.GetResultFormat());
    j.Key("resultFormatLabel").String(ExprResultLabel(p.GetResultFormat()));
    j.Member("decimals", p.GetDecimals());
    const auto& types = p.GetTokenTypes();
    const auto& values = p.GetTokenValues();
    j.Key("tokens").BeginArray();
    for (size_t i = 0; i < types.size(); ++i) {
        j.BeginObject();
        j.Member("type", types[i]);
        j.Key("value").Text(i < values.size() ? std::string_view(values[i]) : std::string_view());
        j.EndObject();
    }
    j.EndArray();
}

void AddCondition(JsonWriter& j, const CTbObjFieldCondExpr& p) {
    j.Key("condition");
    WriteFilterJson(j, p.Condition());
    j.Member("trueField", p.GetTrueField());
    j.Key("trueConstant").Text(p.GetTrueConstant());
    j.Member("trueColor", p.GetTrueColour());
    j.Member("falseField", p.GetFalseField());
    j.Key("falseConstant").Text(p.GetFalseConstant());
    j.Member("falseColor", p.GetFalseColour());
}

void AddPlugIn(JsonWriter& j, const CTbObjFieldPlugIn& p) {
    j.Member("plugInType", p.GetPlugInType());
    j.Member("autoActivate", p.GetAutoActivate());
    j.Member("resultField", p.GetResultField());
    j.Key("parameters").BeginArray();
    for (const auto& parameter : p.GetParameters()) {
        j.BeginObject();
        j.Member("kind", parameter.kind);
        j.Member("field", parameter.field);
        j.Key("constant").Text(parameter.constant);
        j.EndObject();
    }
    j.EndArray();
    j.Key("resultFields").BeginArray();
    for (uint16_t slot : p.GetResultFields()) j.Unsigned(slot);
    j.EndArray();
}

void AddImage(JsonWriter& j, const CTbObjFieldImage& p) {
    j.Member("bitsPerPixel", p.GetBitsPerPixel());
    j.Member("secondSetting", p.GetSecondSetting());
}

}  // namespace

void WriteFieldJson(JsonWriter& j, const CTbObjField& field) {
    j.BeginObject();
    j.Member("slot", field.GetSlot());
    j.Key("name").Text(field.GetName());
    j.Member("type", field.GetType());
    j.Key("typeLabel").String(FieldTypeLabel(field.GetType()));
    j.Member("printSequence", field.GetPrintSequence());
    j.Member("attributes", field.GetAttributes());
    if (const auto* p = field.TextProps()) AddText(j, *p);
    if (const auto* p = field.NumberProps()) AddNumber(j, *p);
    if (const auto* p = field.DateTimeProps()) j.Member("defaultValue", p->GetDefaultValue());
    if (const auto* p = field.ListProps()) AddList(j, *p);
    if (const auto* p = field.JoinProps()) AddJoin(j, *p);
    if (const auto* p = field.OtmProps()) AddOneToMany(j, *p);
    if (const auto* p = field.ExprProps()) AddExpression(j, *p);
    if (const auto* p = field.CondExprProps()) AddCondition(j, *p);
    if (const auto* p = field.PlugInProps()) AddPlugIn(j, *p);
    if (const auto* p = field.ImageProps()) AddImage(j, *p);
    j.EndObject();
}

void WriteFilterJson(JsonWriter& j, const CTbObjFilter& filter) {
    j.BeginObject();
    j.Key("name").Text(filter.GetName());
    j.Key("conditions").BeginArray();
    for (int i = 0; i < 3; ++i) {
        CTbObjFilter::Condition c = filter.GetCondition(i);
        j.BeginObject();
        j.Member("field", c.field);
        j.Key("operator");
        WriteChar(j, c.op);
        j.Member("secondField", c.secondField);
        j.Key("constant").Text(c.constant);
        j.EndObject();
    }
    j.EndArray();
    j.Key("logic").BeginArray();
    WriteChar(j, filter.GetLogicOperator(0));
    WriteChar(j, filter.GetLogicOperator(1));
    j.EndArray();
    j.EndObject();
}

}  // namespace orvanta::cli
