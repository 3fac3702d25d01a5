// Field slots and filters as JSON: a field's common settings, then the properties of its
// advanced-properties class (defaults, list items, number settings, expressions, joins ...).
#include "cli/JsonExport.h"
#include "cli/JsonSupport.h"

#include "model/TbObjField.h"
#include "model/TbObjView.h"

namespace orvanta::cli {
namespace {

void AddText(Json& j, const CTbObjFieldText& p) {
    j["defaultValue"] = JsonText(p.GetDefaultValue());
    j["autoWriter"] = p.GetAutoWriter();
    j["autoShift"] = p.GetAutoShift();
    Json words = Json::array();
    for (int i = 0; i < p.Words().Count(); ++i) words.push_back(JsonText(p.Words().ItemAt(i)->text));
    j["autoWriterWords"] = std::move(words);
}

void AddNumber(Json& j, const CTbObjFieldNumber& p) {
    j["defaultValue"] = JsonText(p.GetDefaultValue());
    j["decimals"] = p.GetDecimals();
    j["nextValue"] = p.GetNextValue();
    j["incDec"] = p.GetIncDec();
}

void AddList(Json& j, const CTbObjFieldList& p) {
    const CTbObjListItems& items = p.Items();
    Json list = Json::array();
    for (int i = 0; i < items.Count(); ++i) {
        const CTbObjListItems::Item* item = items.ItemAt(i);
        list.push_back(Json{{"index", item->index}, {"text", JsonText(item->text)}});
    }
    j["items"] = std::move(list);
    j["nextIndex"] = items.GetNextIndex();
    j["defaultIndex"] = items.GetDefaultIndex();
    j["buttons"] = p.GetButtonCount();
}

void AddJoin(Json& j, const CTbObjFieldJoin& p) {
    j["joinFieldType"] = p.GetJoinFieldType();
    j["sourceDatabase"] = JsonText(p.GetSourceDatabase());
    j["joinField"] = p.GetJoinField();
    j["displayField"] = p.GetDisplayField();
    j["viewNumber"] = p.GetViewNumber();
    j["secondText"] = JsonText(p.GetSecondText());
}

void AddOneToMany(Json& j, const CTbObjFieldOTM& p) {
    j["relatedDatabase"] = JsonText(p.GetRelatedDatabase());
    j["parentField"] = p.GetParentField();
    j["relatedField"] = p.GetRelatedField();
    j["viewName"] = JsonText(p.GetViewName());
    j["viewLabel"] = JsonText(p.GetViewLabel());
    j["extraSetting"] = p.GetExtraSetting();
}

void AddExpression(Json& j, const CTbObjFieldExpr& p) {
    j["resultFormat"] = p.GetResultFormat();
    j["resultFormatLabel"] = std::string(ExprResultLabel(p.GetResultFormat()));
    j["decimals"] = p.GetDecimals();
    Json tokens = Json::array();
    const auto& types = p.GetTokenTypes();
    const auto& values = p.GetTokenValues();
    for (size_t i = 0; i < types.size(); ++i)
        tokens.push_back(Json{{"type", types[i]}, {"value", JsonText(i < values.size() ? values[i] : "")}});
    j["tokens"] = std::move(tokens);
}

void AddCondition(Json& j, const CTbObjFieldCondExpr& p) {
    j["condition"] = FilterToJson(p.Condition());
    j["trueField"] = p.GetTrueField();
    j["trueConstant"] = JsonText(p.GetTrueConstant());
    j["trueColor"] = p.GetTrueColour();
    j["falseField"] = p.GetFalseField();
    j["falseConstant"] = JsonText(p.GetFalseConstant());
    j["falseColor"] = p.GetFalseColour();
}

void AddPlugIn(Json& j, const CTbObjFieldPlugIn& p) {
    j["plugInType"] = p.GetPlugInType();
    j["autoActivate"] = p.GetAutoActivate();
    j["resultField"] = p.GetResultField();
    Json parameters = Json::array();
    for (const auto& parameter : p.GetParameters())
        parameters.push_back(Json{{"kind", parameter.kind},
                                  {"field", parameter.field},
                                  {"constant", JsonText(parameter.constant)}});
    j["parameters"] = std::move(parameters);
    j["resultFields"] = p.GetResultFields();
}

void AddImage(Json& j, const CTbObjFieldImage& p) {
    j["bitsPerPixel"] = p.GetBitsPerPixel();
    j["secondSetting"] = p.GetSecondSetting();
}

}  // namespace

Json FieldToJson(const CTbObjField& field) {
    Json j{{"slot", field.GetSlot()},
           {"name", JsonText(field.GetName())},
           {"type", field.GetType()},
           {"typeLabel", std::string(FieldTypeLabel(field.GetType()))},
           {"printSequence", field.GetPrintSequence()},
           {"attributes", field.GetAttributes()}};
    if (const auto* p = field.TextProps()) AddText(j, *p);
    if (const auto* p = field.NumberProps()) AddNumber(j, *p);
    if (const auto* p = field.DateTimeProps()) j["defaultValue"] = p->GetDefaultValue();
    if (const auto* p = field.ListProps()) AddList(j, *p);
    if (const auto* p = field.JoinProps()) AddJoin(j, *p);
    if (const auto* p = field.OtmProps()) AddOneToMany(j, *p);
    if (const auto* p = field.ExprProps()) AddExpression(j, *p);
    if (const auto* p = field.CondExprProps()) AddCondition(j, *p);
    if (const auto* p = field.PlugInProps()) AddPlugIn(j, *p);
    if (const auto* p = field.ImageProps()) AddImage(j, *p);
    return j;
}

Json FilterToJson(const CTbObjFilter& filter) {
    Json conditions = Json::array();
    for (int i = 0; i < 3; ++i) {
        CTbObjFilter::Condition c = filter.GetCondition(i);
        conditions.push_back(Json{{"field", c.field},
                                  {"operator", JsonChar(c.op)},
                                  {"secondField", c.secondField},
                                  {"constant", JsonText(c.constant)}});
    }
    return Json{
        {"name", JsonText(filter.GetName())},
        {"conditions", std::move(conditions)},
        {"logic", Json::array({JsonChar(filter.GetLogicOperator(0)), JsonChar(filter.GetLogicOperator(1))})}};
}

}  // namespace orvanta::cli
