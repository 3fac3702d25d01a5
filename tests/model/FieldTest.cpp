// A field slot and its advanced properties: type names, which properties each type owns, the
// value type its data is kept as, what survives a type change, the defaults and rules of each
// properties class, and which setters mark the Tabulon modified.
#include "model/TbObjDB.h"
#include "model/TbObjField.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A Tabulon with one user field of the given type in slot 1, not marked modified.
struct OneField {
    explicit OneField(TbFieldType type) {
        field = db.AddField("F", type);
        db.SetModified(false);
    }
    CTbObjDB db;
    CTbObjField* field = nullptr;
};

std::string TypeParamName(int type) {
    std::string name(FieldTypeName(type));
    return name == "UNKNOWN" ? "Type" + std::to_string(type < 0 ? -type : type) : name;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Type and result-format names

namespace {

struct TypeNameCase {
    int type;
    const char* name;
    const char* label;
};

}  // namespace

class FieldTypeNameTest : public testing::TestWithParam<TypeNameCase> {};

TEST_P(FieldTypeNameTest, GivesReportNameAndUserLabel) {
    EXPECT_EQ(FieldTypeName(GetParam().type), GetParam().name);
    EXPECT_EQ(FieldTypeLabel(GetParam().type), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Types, FieldTypeNameTest,
    testing::Values(TypeNameCase{0, "NOTUSED_T", "Unknown"}, TypeNameCase{1, "TEXT_T", "Text"},
                    TypeNameCase{2, "INTEGER_T", "Integer"}, TypeNameCase{3, "LONG_T", "Long"},
                    TypeNameCase{4, "FLOATING_T", "Float"}, TypeNameCase{5, "LIST_T", "List"},
                    TypeNameCase{6, "CHECKBOX_T", "Checkbox"}, TypeNameCase{7, "DATE_T", "Date"},
                    TypeNameCase{8, "TIME_T", "Time"}, TypeNameCase{9, "EXPRESSION_T", "Expression"},
                    TypeNameCase{10, "MEMO_T", "Memo"}, TypeNameCase{11, "KEY_T", "Key"},
                    TypeNameCase{12, "DB_JOIN_T", "DB Join"}, TypeNameCase{13, "DB_LOOKUP_T", "DB Lookup"},
                    TypeNameCase{14, "ONE_TO_MANY_T", "One To Many"},
                    TypeNameCase{15, "ADDR_BK_JOIN_T", "Address Join"},
                    TypeNameCase{16, "ADDR_BK_LOOKUP_T", "Address Lookup"},
                    TypeNameCase{17, "RADIO_T", "Radio Button"}, TypeNameCase{18, "IMAGE_T", "Image"},
                    TypeNameCase{19, "COND_EXP_T", "Conditional Expression"},
                    TypeNameCase{20, "AUTO_INC_T", "Auto Incremental"}, TypeNameCase{21, "PLUGIN_T", "Plug-In"},
                    TypeNameCase{22, "ADV_EXPRESSION_T", "Advanced Expression"},
                    TypeNameCase{23, "UNKNOWN", "Unknown"}, TypeNameCase{255, "UNKNOWN", "Unknown"},
                    TypeNameCase{-1, "UNKNOWN", "Unknown"}),
    [](const testing::TestParamInfo<TypeNameCase>& info) { return TypeParamName(info.param.type); });

namespace {

struct ResultFormatCase {
    int format;
    const char* name;
    const char* label;
    TbFieldType valueType;
};

}  // namespace

class ResultFormatTest : public testing::TestWithParam<ResultFormatCase> {};

TEST_P(ResultFormatTest, GivesNameLabelAndValueType) {
    const ResultFormatCase& c = GetParam();
    EXPECT_EQ(ExprResultName(c.format), c.name);
    EXPECT_EQ(ExprResultLabel(c.format), c.label);
    EXPECT_EQ(ExprResultValueType(c.format), c.valueType);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ResultFormatTest,
    testing::Values(ResultFormatCase{0, "EXPR_RESULT_FLOATING", "Floating", FLOATING_T},
                    ResultFormatCase{1, "EXPR_RESULT_DATE_DAYS", "Date +/- Days", DATE_T},
                    ResultFormatCase{2, "EXPR_RESULT_DATE_MONTHS", "Date +/- Months", DATE_T},
                    ResultFormatCase{3, "EXPR_RESULT_DATE_YEARS", "Date +/- Years", DATE_T},
                    ResultFormatCase{4, "EXPR_RESULT_DAYS", "Days", FLOATING_T},
                    ResultFormatCase{5, "EXPR_RESULT_MONTHS", "Months", FLOATING_T},
                    ResultFormatCase{6, "EXPR_RESULT_YEARS", "Years", FLOATING_T},
                    ResultFormatCase{7, "EXPR_RESULT_TIME", "Time", TIME_T},
                    ResultFormatCase{8, "EXPR_RESULT_HOURS", "Hours", FLOATING_T},
                    ResultFormatCase{9, "EXPR_RESULT_MINUTES", "Minutes", FLOATING_T},
                    ResultFormatCase{10, "EXPR_RESULT_SECONDS", "Seconds", FLOATING_T},
                    ResultFormatCase{11, "EXPR_RESULT_HHMMSS", "Hours-Minutes-Seconds", FLOATING_T},
                    ResultFormatCase{12, "EXPR_RESULT_HHMM", "Hours-Minutes", FLOATING_T},
                    ResultFormatCase{13, "EXPR_RESULT_TEXT", "Text", TEXT_T}));

// ---------------------------------------------------------------------------------------------
// Which properties each type owns

namespace {

enum PropsKind : unsigned {
    kText = 1u << 0,
    kNumber = 1u << 1,
    kList = 1u << 2,
    kDateTime = 1u << 3,
    kExpr = 1u << 4,
    kJoin = 1u << 5,
    kOtm = 1u << 6,
    kCondExpr = 1u << 7,
    kPlugIn = 1u << 8,
    kImage = 1u << 9,
};

struct PropsCase {
    TbFieldType type;
    unsigned kinds;
};

unsigned PropsPresent(const CTbObjField& f) {
    unsigned kinds = 0;
    if (f.TextProps()) kinds |= kText;
    if (f.NumberProps()) kinds |= kNumber;
    if (f.ListProps()) kinds |= kList;
    if (f.DateTimeProps()) kinds |= kDateTime;
    if (f.ExprProps()) kinds |= kExpr;
    if (f.JoinProps()) kinds |= kJoin;
    if (f.OtmProps()) kinds |= kOtm;
    if (f.CondExprProps()) kinds |= kCondExpr;
    if (f.PlugInProps()) kinds |= kPlugIn;
    if (f.ImageProps()) kinds |= kImage;
    return kinds;
}

}  // namespace

class TypedPropertiesTest : public testing::TestWithParam<PropsCase> {};

TEST_P(TypedPropertiesTest, OnlyTheTypesOwnPropertiesAreOffered) {
    CTbObjDB db;
    db.SetFieldType(1, GetParam().type, "F");
    const CTbObjField* field = db.Field(1);
    EXPECT_EQ(PropsPresent(*field), GetParam().kinds);
    EXPECT_EQ(field->AdvancedProperties() != nullptr, GetParam().kinds != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Types, TypedPropertiesTest,
    testing::Values(PropsCase{NOTUSED_T, 0}, PropsCase{TEXT_T, kText}, PropsCase{INTEGER_T, kNumber},
                    PropsCase{LONG_T, kNumber}, PropsCase{FLOATING_T, kNumber}, PropsCase{LIST_T, kList},
                    PropsCase{CHECKBOX_T, 0}, PropsCase{DATE_T, kDateTime}, PropsCase{TIME_T, kDateTime},
                    PropsCase{EXPRESSION_T, kExpr}, PropsCase{MEMO_T, kText}, PropsCase{KEY_T, 0},
                    PropsCase{DB_JOIN_T, kJoin}, PropsCase{DB_LOOKUP_T, kJoin}, PropsCase{ONE_TO_MANY_T, kOtm},
                    PropsCase{ADDR_BK_JOIN_T, kJoin}, PropsCase{ADDR_BK_LOOKUP_T, kJoin},
                    PropsCase{RADIO_T, kList}, PropsCase{IMAGE_T, kImage}, PropsCase{COND_EXP_T, kExpr | kCondExpr},
                    PropsCase{AUTO_INC_T, kNumber}, PropsCase{PLUGIN_T, kPlugIn},
                    PropsCase{ADV_EXPRESSION_T, kExpr}),
    [](const testing::TestParamInfo<PropsCase>& info) { return TypeParamName(info.param.type); });

TEST(TypedProperties, PropertiesThatKeepTheFieldTypeKnowIt) {
    for (TbFieldType type : {LIST_T, RADIO_T}) {
        OneField f(type);
        EXPECT_EQ(f.field->ListProps()->GetFieldType(), type);
    }
    for (TbFieldType type : {EXPRESSION_T, ADV_EXPRESSION_T, COND_EXP_T}) {
        OneField f(type);
        EXPECT_EQ(f.field->ExprProps()->GetFieldType(), type);
    }
    for (TbFieldType type : {DB_JOIN_T, DB_LOOKUP_T, ADDR_BK_JOIN_T, ADDR_BK_LOOKUP_T}) {
        OneField f(type);
        EXPECT_EQ(f.field->JoinProps()->GetFieldType(), type);
    }
}

// ---------------------------------------------------------------------------------------------
// Value types

class PlainValueTypeTest : public testing::TestWithParam<TbFieldType> {};

TEST_P(PlainValueTypeTest, IsTheFieldsOwnType) {
    OneField f(GetParam());
    EXPECT_EQ(f.field->GetValueType(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Types, PlainValueTypeTest,
                         testing::Values(TEXT_T, INTEGER_T, LONG_T, FLOATING_T, LIST_T, CHECKBOX_T, DATE_T, TIME_T,
                                         MEMO_T, KEY_T, ONE_TO_MANY_T, ADDR_BK_JOIN_T, ADDR_BK_LOOKUP_T, RADIO_T,
                                         IMAGE_T, AUTO_INC_T, PLUGIN_T),
                         [](const testing::TestParamInfo<TbFieldType>& info) { return TypeParamName(info.param); });

TEST(ValueType, FreeSlotHasNone) {
    CTbObjDB db;
    EXPECT_EQ(db.Field(5)->GetValueType(), NOTUSED_T);
}

namespace {

struct ExprValueCase {
    TbFieldType type;
    int format;
    TbFieldType valueType;
};

void PrintTo(const ExprValueCase& c, std::ostream* os) { *os << FieldTypeName(c.type) << " format " << c.format; }

}  // namespace

class ExpressionValueTypeTest : public testing::TestWithParam<ExprValueCase> {};

TEST_P(ExpressionValueTypeTest, FollowsTheResultFormat) {
    OneField f(GetParam().type);
    f.field->ExprProps()->SetResultFormat(GetParam().format);
    EXPECT_EQ(f.field->GetValueType(), GetParam().valueType);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ExpressionValueTypeTest,
    testing::Values(ExprValueCase{EXPRESSION_T, EXPR_RESULT_FLOATING, FLOATING_T},
                    ExprValueCase{EXPRESSION_T, EXPR_RESULT_DATE_DAYS, DATE_T},
                    ExprValueCase{EXPRESSION_T, EXPR_RESULT_DATE_MONTHS, DATE_T},
                    ExprValueCase{EXPRESSION_T, EXPR_RESULT_DATE_YEARS, DATE_T},
                    ExprValueCase{EXPRESSION_T, EXPR_RESULT_DAYS, FLOATING_T},
                    ExprValueCase{EXPRESSION_T, EXPR_RESULT_TIME, TIME_T},
                    ExprValueCase{EXPRESSION_T, EXPR_RESULT_HHMM, FLOATING_T},
                    ExprValueCase{EXPRESSION_T, EXPR_RESULT_TEXT, TEXT_T},
                    ExprValueCase{EXPRESSION_T, 14, NOTUSED_T}, ExprValueCase{EXPRESSION_T, -1, NOTUSED_T},
                    ExprValueCase{ADV_EXPRESSION_T, EXPR_RESULT_FLOATING, FLOATING_T},
                    ExprValueCase{ADV_EXPRESSION_T, EXPR_RESULT_DATE_YEARS, DATE_T},
                    ExprValueCase{ADV_EXPRESSION_T, EXPR_RESULT_MINUTES, FLOATING_T},
                    ExprValueCase{ADV_EXPRESSION_T, EXPR_RESULT_HHMMSS, FLOATING_T},
                    ExprValueCase{ADV_EXPRESSION_T, EXPR_RESULT_TIME, TIME_T},
                    ExprValueCase{ADV_EXPRESSION_T, EXPR_RESULT_TEXT, TEXT_T},
                    ExprValueCase{ADV_EXPRESSION_T, 200, NOTUSED_T}));

TEST(ValueType, NewExpressionFieldIsFloating) {
    OneField f(ADV_EXPRESSION_T);
    EXPECT_EQ(f.field->GetValueType(), FLOATING_T);
}

namespace {

struct JoinValueCase {
    TbFieldType type;
    TbFieldType joinFieldType;
    TbFieldType valueType;
};

void PrintTo(const JoinValueCase& c, std::ostream* os) {
    *os << FieldTypeName(c.type) << " joined to " << FieldTypeName(c.joinFieldType);
}

}  // namespace

class JoinValueTypeTest : public testing::TestWithParam<JoinValueCase> {};

TEST_P(JoinValueTypeTest, DbJoinAndLookupTakeTheJoinedFieldsType) {
    OneField f(GetParam().type);
    f.field->JoinProps()->SetJoinFieldType(static_cast<uint8_t>(GetParam().joinFieldType));
    EXPECT_EQ(f.field->GetValueType(), GetParam().valueType);
}

INSTANTIATE_TEST_SUITE_P(Joins, JoinValueTypeTest,
                         testing::Values(JoinValueCase{DB_JOIN_T, TEXT_T, TEXT_T}, JoinValueCase{DB_JOIN_T, DATE_T, DATE_T},
                                         JoinValueCase{DB_JOIN_T, NOTUSED_T, NOTUSED_T},
                                         JoinValueCase{DB_LOOKUP_T, LONG_T, LONG_T},
                                         JoinValueCase{DB_LOOKUP_T, FLOATING_T, FLOATING_T},
                                         JoinValueCase{DB_LOOKUP_T, CHECKBOX_T, CHECKBOX_T},
                                         // Address joins keep their own type whatever they join.
                                         JoinValueCase{ADDR_BK_JOIN_T, DATE_T, ADDR_BK_JOIN_T},
                                         JoinValueCase{ADDR_BK_LOOKUP_T, LONG_T, ADDR_BK_LOOKUP_T}));

TEST(ValueType, ConditionalExpressionIsTextWhateverItsFormat) {
    OneField f(COND_EXP_T);
    EXPECT_EQ(f.field->GetValueType(), TEXT_T);
    f.field->ExprProps()->SetResultFormat(EXPR_RESULT_DATE_DAYS);
    EXPECT_EQ(f.field->GetValueType(), TEXT_T);
}

// ---------------------------------------------------------------------------------------------
// Type changes: what survives inside a family

namespace {

// Distinctive, non-default property values for the family of a field's type.
void FillProperties(CTbObjField& field) {
    if (CTbObjFieldText* text = field.TextProps()) {
        text->SetDefaultValue("hello");
        text->SetAutoWriter(3);
        text->SetAutoShift(true);
    }
    if (CTbObjFieldNumber* number = field.NumberProps()) {
        number->SetDefaultValue("42");
        number->SetIncDec(5);
        number->SetDecimals(1);
        number->SetNextValue(77);
    }
    if (CTbObjFieldDateTime* dateTime = field.DateTimeProps()) dateTime->SetDefaultValue(2);
}

// Whether the field's properties hold what FillProperties put into the old ones (kept), or
// the defaults of a new properties object.
void ExpectProperties(const CTbObjField& field, bool kept) {
    if (const CTbObjFieldText* text = field.TextProps()) {
        EXPECT_EQ(text->GetDefaultValue(), kept ? "hello" : "");
        EXPECT_EQ(text->GetAutoWriter(), kept ? 3 : 0);
        EXPECT_EQ(text->GetAutoShift(), kept);
    }
    if (const CTbObjFieldNumber* number = field.NumberProps()) {
        EXPECT_EQ(number->GetDefaultValue(), kept ? "42" : "");
        EXPECT_EQ(number->GetIncDec(), kept ? 5 : 0);
        // Decimals and next value never survive.
        EXPECT_EQ(number->GetDecimals(), 3);
        EXPECT_EQ(number->GetNextValue(), 1);
    }
    if (const CTbObjFieldDateTime* dateTime = field.DateTimeProps()) {
        EXPECT_EQ(dateTime->GetDefaultValue(), kept ? 2u : 0u);
    }
}

struct TypeChangeCase {
    TbFieldType from;
    TbFieldType to;
    bool survives;
};

void PrintTo(const TypeChangeCase& c, std::ostream* os) {
    *os << FieldTypeName(c.from) << " -> " << FieldTypeName(c.to);
}

}  // namespace

class TypeChangeTest : public testing::TestWithParam<TypeChangeCase> {};

TEST_P(TypeChangeTest, KeepsFamilyPropertiesOnlyInsideTheFamily) {
    const TypeChangeCase& c = GetParam();
    OneField f(c.from);
    FillProperties(*f.field);

    f.field->SetType(c.to);

    EXPECT_EQ(f.field->GetType(), c.to);
    ASSERT_NE(f.field->AdvancedProperties(), nullptr);
    ExpectProperties(*f.field, c.survives);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, TypeChangeTest,
    testing::Values(TypeChangeCase{TEXT_T, MEMO_T, true}, TypeChangeCase{MEMO_T, TEXT_T, true},
                    TypeChangeCase{TEXT_T, TEXT_T, true}, TypeChangeCase{INTEGER_T, LONG_T, true},
                    TypeChangeCase{LONG_T, INTEGER_T, true}, TypeChangeCase{LONG_T, LONG_T, true},
                    TypeChangeCase{DATE_T, TIME_T, true}, TypeChangeCase{TIME_T, DATE_T, true},
                    TypeChangeCase{TEXT_T, INTEGER_T, false}, TypeChangeCase{INTEGER_T, TEXT_T, false},
                    TypeChangeCase{MEMO_T, DATE_T, false}, TypeChangeCase{DATE_T, MEMO_T, false},
                    TypeChangeCase{INTEGER_T, FLOATING_T, false}, TypeChangeCase{FLOATING_T, LONG_T, false},
                    TypeChangeCase{LONG_T, AUTO_INC_T, false}, TypeChangeCase{AUTO_INC_T, INTEGER_T, false},
                    TypeChangeCase{FLOATING_T, FLOATING_T, false}, TypeChangeCase{TIME_T, LONG_T, false}));

TEST(TypeChange, TextToIntegerAndBackLosesTheTextProperties) {
    OneField f(TEXT_T);
    FillProperties(*f.field);
    f.field->SetType(INTEGER_T);
    f.field->SetType(TEXT_T);
    ExpectProperties(*f.field, false);
}

TEST(TypeChange, AutoWriterWordsSurviveTextToMemo) {
    OneField f(TEXT_T);
    f.field->TextProps()->SetAutoWriterWords({"alpha", "beta"});
    f.field->SetType(MEMO_T);
    EXPECT_EQ(f.field->TextProps()->GetAutoWriterWords(), (std::vector<std::string>{"alpha", "beta"}));
}

class TypeChangeResetTest : public testing::TestWithParam<TypeChangeCase> {};

TEST_P(TypeChangeResetTest, ResetsPrintSequenceAndAttributesAndMarksModified) {
    OneField f(GetParam().from);
    f.field->SetPrintSequence(4);
    f.field->SetAttributes(0x80);
    f.field->SetName("Kept name");
    f.db.SetModified(false);

    f.field->SetType(GetParam().to);

    EXPECT_EQ(f.field->GetPrintSequence(), 0);
    EXPECT_EQ(f.field->GetAttributes(), 0);
    EXPECT_EQ(f.field->GetName(), "Kept name");
    EXPECT_EQ(f.field->GetSlot(), 1);
    EXPECT_TRUE(f.db.IsModified());
}

INSTANTIATE_TEST_SUITE_P(Changes, TypeChangeResetTest,
                         testing::Values(TypeChangeCase{TEXT_T, MEMO_T, true}, TypeChangeCase{INTEGER_T, LONG_T, true},
                                         TypeChangeCase{DATE_T, DATE_T, true}, TypeChangeCase{CHECKBOX_T, KEY_T, false},
                                         TypeChangeCase{LIST_T, RADIO_T, false},
                                         TypeChangeCase{IMAGE_T, NOTUSED_T, false}));

TEST(TypeChange, ListItemsDoNotSurviveListToRadio) {
    OneField f(LIST_T);
    f.field->ListProps()->Items().AddItem("Red");
    f.field->SetType(RADIO_T);
    EXPECT_EQ(f.field->ListProps()->Items().Count(), 0);
}

TEST(TypeChange, ToCheckboxKeyOrFreeLeavesNoProperties) {
    for (TbFieldType type : {CHECKBOX_T, KEY_T, NOTUSED_T}) {
        OneField f(TEXT_T);
        f.field->SetType(type);
        EXPECT_EQ(f.field->AdvancedProperties(), nullptr) << type;
        EXPECT_EQ(PropsPresent(*f.field), 0u) << type;
    }
}

// ---------------------------------------------------------------------------------------------
// A field's own settings

TEST(FieldSettings, FreeSlotIsNamedAfterItsNumber) {
    CTbObjDB db;
    EXPECT_EQ(db.Field(7)->GetName(), "Fld07");
    EXPECT_EQ(db.Field(80)->GetName(), "Fld80");
    EXPECT_EQ(db.Field(7)->GetPrintSequence(), 0);
    EXPECT_EQ(db.Field(7)->GetAttributes(), 0);
    EXPECT_FALSE(db.Field(7)->IsUsed());
    EXPECT_EQ(db.Field(7)->Database(), &db);
}

// ---------------------------------------------------------------------------------------------
// Defaults of each properties class

TEST(PropertyDefaults, Text) {
    OneField f(MEMO_T);
    const CTbObjFieldText* p = f.field->TextProps();
    EXPECT_EQ(p->GetDefaultValue(), "");
    EXPECT_EQ(p->GetAutoWriter(), 0);
    EXPECT_FALSE(p->GetAutoShift());
}

TEST(PropertyDefaults, NumberHasThreeDecimalsAndNextValueOne) {
    for (TbFieldType type : {INTEGER_T, LONG_T, FLOATING_T, AUTO_INC_T}) {
        OneField f(type);
        const CTbObjFieldNumber* p = f.field->NumberProps();
        EXPECT_EQ(p->GetDecimals(), 3) << type;
        EXPECT_EQ(p->GetNextValue(), 1) << type;
        EXPECT_EQ(p->GetDefaultValue(), "") << type;
        EXPECT_EQ(p->GetIncDec(), 0) << type;
    }
}

TEST(PropertyDefaults, DateTime) {
    OneField f(TIME_T);
    EXPECT_EQ(f.field->DateTimeProps()->GetDefaultValue(), 0u);
}

TEST(PropertyDefaults, List) {
    OneField f(RADIO_T);
    const CTbObjFieldList* p = f.field->ListProps();
    EXPECT_EQ(p->GetButtonCount(), 0);
    EXPECT_EQ(p->Items().Count(), 0);
    EXPECT_EQ(p->Items().GetNextIndex(), 1);
    EXPECT_EQ(p->Items().GetDefaultIndex(), 0);
}

TEST(PropertyDefaults, Join) {
    OneField f(DB_LOOKUP_T);
    const CTbObjFieldJoin* p = f.field->JoinProps();
    EXPECT_EQ(p->GetJoinFieldType(), 0);
    EXPECT_EQ(p->GetSourceDatabase(), "");
    EXPECT_EQ(p->GetJoinField(), 0);
    EXPECT_EQ(p->GetDisplayField(), 0);
    EXPECT_EQ(p->GetViewNumber(), 0);
    EXPECT_EQ(p->GetSecondText(), "");
}

TEST(PropertyDefaults, ExpressionHasFloatingResultAndThreeDecimals) {
    for (TbFieldType type : {EXPRESSION_T, ADV_EXPRESSION_T}) {
        OneField f(type);
        const CTbObjFieldExpr* p = f.field->ExprProps();
        EXPECT_EQ(p->GetResultFormat(), EXPR_RESULT_FLOATING);
        EXPECT_EQ(p->GetDecimals(), 3);
        EXPECT_TRUE(p->GetTokenTypes().empty());
        EXPECT_TRUE(p->GetTokenValues().empty());
    }
}

TEST(PropertyDefaults, ConditionalExpression) {
    OneField f(COND_EXP_T);
    const CTbObjFieldCondExpr* p = f.field->CondExprProps();
    EXPECT_EQ(p->GetTrueField(), 0);
    EXPECT_EQ(p->GetTrueConstant(), "");
    EXPECT_EQ(p->GetTrueColour(), 0u);
    EXPECT_EQ(p->GetFalseField(), 0);
    EXPECT_EQ(p->GetFalseConstant(), "");
    EXPECT_EQ(p->GetFalseColour(), 0u);
    EXPECT_FALSE(p->Condition().IsDefined());
}

TEST(PropertyDefaults, PlugInAndOneToMany) {
    OneField plugIn(PLUGIN_T);
    const CTbObjFieldPlugIn* p = plugIn.field->PlugInProps();
    EXPECT_EQ(p->GetPlugInType(), 0u);
    EXPECT_FALSE(p->GetAutoActivate());
    EXPECT_EQ(p->GetResultField(), 0);
    EXPECT_EQ(p->GetParameterCount(), 0);

    OneField otm(ONE_TO_MANY_T);
    const CTbObjFieldOTM* o = otm.field->OtmProps();
    EXPECT_EQ(o->GetRelatedDatabase(), "");
    EXPECT_EQ(o->GetParentField(), 0);
    EXPECT_EQ(o->GetRelatedField(), 0);
    EXPECT_EQ(o->GetViewName(), "");
    EXPECT_EQ(o->GetViewLabel(), "");
}

TEST(PropertyDefaults, ImageHasEightBitsPerPixel) {
    OneField f(IMAGE_T);
    EXPECT_EQ(f.field->ImageProps()->GetBitsPerPixel(), 8u);
    EXPECT_EQ(f.field->ImageProps()->GetSecondSetting(), 8u);
}

// ---------------------------------------------------------------------------------------------
// Which setters mark the Tabulon modified

namespace {

struct SetterCase {
    const char* name;
    TbFieldType type;
    std::function<void(CTbObjField&)> set;
    std::function<bool(const CTbObjField&)> stored;
    bool marksModified;
};

void PrintTo(const SetterCase& c, std::ostream* os) { *os << c.name; }

}  // namespace

class PropertySetterTest : public testing::TestWithParam<SetterCase> {};

TEST_P(PropertySetterTest, StoresAndMarksModifiedAsDocumented) {
    const SetterCase& c = GetParam();
    OneField f(c.type);
    c.set(*f.field);
    EXPECT_TRUE(c.stored(*f.field));
    EXPECT_EQ(f.db.IsModified(), c.marksModified);
}

#define SETTER_CASE(label, type, setExpr, storedExpr, marks) \
    SetterCase{label, type, [](CTbObjField& f) { setExpr; }, [](const CTbObjField& f) { return storedExpr; }, marks}

INSTANTIATE_TEST_SUITE_P(
    Setters, PropertySetterTest,
    testing::Values(
        SETTER_CASE("FieldName", TEXT_T, f.SetName("Other"), f.GetName() == "Other", true),
        SETTER_CASE("FieldAttributes", TEXT_T, f.SetAttributes(0x80), f.GetAttributes() == 0x80, true),
        SETTER_CASE("FieldPrintSequence", TEXT_T, f.SetPrintSequence(3), f.GetPrintSequence() == 3, true),
        SETTER_CASE("TextDefault", TEXT_T, f.TextProps()->SetDefaultValue("x"), f.TextProps()->GetDefaultValue() == "x", true),
        SETTER_CASE("TextAutoWriter", MEMO_T, f.TextProps()->SetAutoWriter(6), f.TextProps()->GetAutoWriter() == 6, true),
        SETTER_CASE("TextAutoShift", TEXT_T, f.TextProps()->SetAutoShift(true), f.TextProps()->GetAutoShift(), true),
        SETTER_CASE("NumberDecimals", FLOATING_T, f.NumberProps()->SetDecimals(2), f.NumberProps()->GetDecimals() == 2, true),
        SETTER_CASE("NumberDefault", INTEGER_T, f.NumberProps()->SetDefaultValue("9"), f.NumberProps()->GetDefaultValue() == "9", true),
        SETTER_CASE("NumberIncDec", LONG_T, f.NumberProps()->SetIncDec(2), f.NumberProps()->GetIncDec() == 2, true),
        SETTER_CASE("NumberNextValue", AUTO_INC_T, f.NumberProps()->SetNextValue(50), f.NumberProps()->GetNextValue() == 50, true),
        SETTER_CASE("DateDefault", DATE_T, f.DateTimeProps()->SetDefaultValue(1), f.DateTimeProps()->GetDefaultValue() == 1, true),
        SETTER_CASE("ListButtons", RADIO_T, f.ListProps()->SetButtonCount(3), f.ListProps()->GetButtonCount() == 3, true),
        SETTER_CASE("ListAddItem", LIST_T, f.ListProps()->Items().AddItem("A"), f.ListProps()->Items().Count() == 1, true),
        SETTER_CASE("ListDefaultIndex", LIST_T, f.ListProps()->Items().SetDefaultIndex(2), f.ListProps()->Items().GetDefaultIndex() == 2, true),
        SETTER_CASE("ListSameDefaultIndex", LIST_T, f.ListProps()->Items().SetDefaultIndex(0), f.ListProps()->Items().GetDefaultIndex() == 0, false),
        SETTER_CASE("JoinFieldType", DB_JOIN_T, f.JoinProps()->SetJoinFieldType(DATE_T), f.JoinProps()->GetJoinFieldType() == DATE_T, true),
        SETTER_CASE("JoinSource", DB_JOIN_T, f.JoinProps()->SetSourceDatabase("Clients"), f.JoinProps()->GetSourceDatabase() == "Clients", true),
        SETTER_CASE("JoinField", DB_LOOKUP_T, f.JoinProps()->SetJoinField(4), f.JoinProps()->GetJoinField() == 4, true),
        SETTER_CASE("JoinDisplayField", DB_LOOKUP_T, f.JoinProps()->SetDisplayField(5), f.JoinProps()->GetDisplayField() == 5, true),
        SETTER_CASE("JoinView", ADDR_BK_JOIN_T, f.JoinProps()->SetViewNumber(2), f.JoinProps()->GetViewNumber() == 2, true),
        SETTER_CASE("JoinSecondText", ADDR_BK_LOOKUP_T, f.JoinProps()->SetSecondText("s"), f.JoinProps()->GetSecondText() == "s", true),
        SETTER_CASE("JoinResolvedType", DB_JOIN_T, f.JoinProps()->SetResolvedType(LONG_T), f.JoinProps()->GetResolvedType() == LONG_T, false),
        SETTER_CASE("OtmRelated", ONE_TO_MANY_T, f.OtmProps()->SetRelatedDatabase("Orders"), f.OtmProps()->GetRelatedDatabase() == "Orders", true),
        SETTER_CASE("OtmParent", ONE_TO_MANY_T, f.OtmProps()->SetParentField(2), f.OtmProps()->GetParentField() == 2, true),
        SETTER_CASE("OtmRelatedField", ONE_TO_MANY_T, f.OtmProps()->SetRelatedField(3), f.OtmProps()->GetRelatedField() == 3, true),
        SETTER_CASE("OtmViewName", ONE_TO_MANY_T, f.OtmProps()->SetViewName("v"), f.OtmProps()->GetViewName() == "v", true),
        SETTER_CASE("OtmViewLabel", ONE_TO_MANY_T, f.OtmProps()->SetViewLabel("l"), f.OtmProps()->GetViewLabel() == "l", true),
        SETTER_CASE("ExprResultFormat", EXPRESSION_T, f.ExprProps()->SetResultFormat(EXPR_RESULT_TEXT), f.ExprProps()->GetResultFormat() == EXPR_RESULT_TEXT, true),
        SETTER_CASE("ExprDecimals", ADV_EXPRESSION_T, f.ExprProps()->SetDecimals(0), f.ExprProps()->GetDecimals() == 0, true),
        SETTER_CASE("ExprTokens", ADV_EXPRESSION_T, f.ExprProps()->SetTokens({1, 2}, {"a", "b"}), f.ExprProps()->GetTokenTypes().size() == 2, true),
        SETTER_CASE("CondTrueField", COND_EXP_T, f.CondExprProps()->SetTrueField(2), f.CondExprProps()->GetTrueField() == 2, true),
        SETTER_CASE("CondTrueConstant", COND_EXP_T, f.CondExprProps()->SetTrueConstant("yes"), f.CondExprProps()->GetTrueConstant() == "yes", true),
        SETTER_CASE("CondTrueColour", COND_EXP_T, f.CondExprProps()->SetTrueColour(TB_GREEN), f.CondExprProps()->GetTrueColour() == TB_GREEN, true),
        SETTER_CASE("CondFalseField", COND_EXP_T, f.CondExprProps()->SetFalseField(3), f.CondExprProps()->GetFalseField() == 3, true),
        SETTER_CASE("CondFalseConstant", COND_EXP_T, f.CondExprProps()->SetFalseConstant("no"), f.CondExprProps()->GetFalseConstant() == "no", true),
        SETTER_CASE("CondFalseColour", COND_EXP_T, f.CondExprProps()->SetFalseColour(TB_RED), f.CondExprProps()->GetFalseColour() == TB_RED, true),
        SETTER_CASE("PlugInType", PLUGIN_T, f.PlugInProps()->SetPlugInType(0x41424344), f.PlugInProps()->GetPlugInType() == 0x41424344u, true),
        SETTER_CASE("PlugInAutoActivate", PLUGIN_T, f.PlugInProps()->SetAutoActivate(true), f.PlugInProps()->GetAutoActivate(), true),
        SETTER_CASE("PlugInResultField", PLUGIN_T, f.PlugInProps()->SetResultField(9), f.PlugInProps()->GetResultField() == 9, true),
        SETTER_CASE("PlugInParameters", PLUGIN_T, f.PlugInProps()->SetParameters({{1, 0, "c"}}), f.PlugInProps()->GetParameterCount() == 1, true),
        SETTER_CASE("ImageBitsPerPixel", IMAGE_T, f.ImageProps()->SetBitsPerPixel(4), f.ImageProps()->GetBitsPerPixel() == 4, true),
        SETTER_CASE("ImageSecondSetting", IMAGE_T, f.ImageProps()->SetSecondSetting(1), f.ImageProps()->GetSecondSetting() == 1, false)),
    [](const testing::TestParamInfo<SetterCase>& info) { return std::string(info.param.name); });

#undef SETTER_CASE

// ---------------------------------------------------------------------------------------------
// Rules of particular properties

namespace {

struct ImageCase {
    bool setBitsPerPixel;  // false: the second setting is set
    uint32_t n;
    uint32_t bitsPerPixel;
    uint32_t second;
};

void PrintTo(const ImageCase& c, std::ostream* os) {
    *os << (c.setBitsPerPixel ? "bits per pixel " : "second setting ") << c.n;
}

}  // namespace

class ImagePairingTest : public testing::TestWithParam<ImageCase> {};

TEST_P(ImagePairingTest, KeepsBothSettingsPaired) {
    OneField f(IMAGE_T);
    CTbObjFieldImage* image = f.field->ImageProps();
    if (GetParam().setBitsPerPixel)
        image->SetBitsPerPixel(GetParam().n);
    else
        image->SetSecondSetting(GetParam().n);
    EXPECT_EQ(image->GetBitsPerPixel(), GetParam().bitsPerPixel);
    EXPECT_EQ(image->GetSecondSetting(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Depths, ImagePairingTest,
                         testing::Values(ImageCase{true, 1, 1, 1}, ImageCase{true, 4, 4, 4}, ImageCase{true, 8, 8, 8},
                                         ImageCase{true, 2, 2, 8}, ImageCase{true, 16, 16, 8}, ImageCase{true, 0, 0, 8},
                                         ImageCase{false, 1, 1, 1}, ImageCase{false, 4, 4, 4},
                                         ImageCase{false, 8, 8, 8}, ImageCase{false, 2, 8, 2},
                                         ImageCase{false, 16, 8, 16}, ImageCase{false, 0, 8, 0}));

TEST(ImageProperties, LowerDepthIsLeftWhenTheOtherSettingIsRaised) {
    OneField f(IMAGE_T);
    CTbObjFieldImage* image = f.field->ImageProps();
    image->SetBitsPerPixel(1);
    image->SetSecondSetting(16);
    EXPECT_EQ(image->GetBitsPerPixel(), 8u);
    EXPECT_EQ(image->GetSecondSetting(), 16u);
}

namespace {

struct NextValueCase {
    int32_t value;
    bool raiseOnly;
    int32_t expected;
    bool modified;
};

void PrintTo(const NextValueCase& c, std::ostream* os) {
    *os << c.value << (c.raiseOnly ? " raise only" : "");
}

}  // namespace

class NextValueTest : public testing::TestWithParam<NextValueCase> {};

TEST_P(NextValueTest, RaiseOnlyNeverLowersOrRepeats) {
    OneField f(AUTO_INC_T);
    f.field->NumberProps()->SetNextValue(10);
    f.db.SetModified(false);

    f.field->NumberProps()->SetNextValue(GetParam().value, GetParam().raiseOnly);

    EXPECT_EQ(f.field->NumberProps()->GetNextValue(), GetParam().expected);
    EXPECT_EQ(f.db.IsModified(), GetParam().modified);
}

INSTANTIATE_TEST_SUITE_P(Values, NextValueTest,
                         testing::Values(NextValueCase{10, true, 10, false}, NextValueCase{9, true, 10, false},
                                         NextValueCase{-5, true, 10, false}, NextValueCase{11, true, 11, true},
                                         NextValueCase{1000, true, 1000, true}, NextValueCase{5, false, 5, true},
                                         NextValueCase{10, false, 10, true}));

TEST(NextValue, NewFieldRaiseOnlyToOneChangesNothing) {
    OneField f(AUTO_INC_T);
    f.field->NumberProps()->SetNextValue(1, true);
    EXPECT_EQ(f.field->NumberProps()->GetNextValue(), 1);
    EXPECT_FALSE(f.db.IsModified());
}

class AutoWriterTest : public testing::TestWithParam<std::pair<uint16_t, uint16_t>> {};

TEST_P(AutoWriterTest, CodesOutsideZeroToSevenStoreZero) {
    OneField f(TEXT_T);
    f.field->TextProps()->SetAutoWriter(3);
    f.field->TextProps()->SetAutoWriter(GetParam().first);
    EXPECT_EQ(f.field->TextProps()->GetAutoWriter(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Codes, AutoWriterTest,
                         testing::Values(std::pair<uint16_t, uint16_t>{0, 0}, std::pair<uint16_t, uint16_t>{1, 1},
                                         std::pair<uint16_t, uint16_t>{5, 5}, std::pair<uint16_t, uint16_t>{7, 7},
                                         std::pair<uint16_t, uint16_t>{8, 0}, std::pair<uint16_t, uint16_t>{100, 0},
                                         std::pair<uint16_t, uint16_t>{0xFFFF, 0}));

// ---------------------------------------------------------------------------------------------
// List items

namespace {

std::vector<std::string> ItemTexts(const CTbObjListItems& items) {
    std::vector<std::string> texts;
    for (int i = 0; i < items.Count(); ++i) texts.push_back(items.ItemAt(i)->text);
    return texts;
}

}  // namespace

TEST(ListItems, NewItemsTakeConsecutiveIndexesThatAreNeverReused) {
    OneField f(LIST_T);
    CTbObjListItems& items = f.field->ListProps()->Items();
    EXPECT_EQ(items.AddItem("Red"), 1);
    EXPECT_EQ(items.AddItem("Green"), 2);
    EXPECT_EQ(items.AddItem("Blue"), 3);
    items.RemoveItem(2);
    EXPECT_EQ(items.AddItem("Black"), 4);
    EXPECT_EQ(items.GetNextIndex(), 5);
    EXPECT_EQ(ItemTexts(items), (std::vector<std::string>{"Red", "Green", "Black"}));
    EXPECT_EQ(items.ItemAt(2)->index, 4);
    EXPECT_EQ(items.ItemAt(3), nullptr);
    EXPECT_EQ(items.ItemAt(-1), nullptr);
}

TEST(ListItems, TextOfIndexFindsTheItemCarryingTheIndex) {
    OneField f(RADIO_T);
    CTbObjListItems& items = f.field->ListProps()->Items();
    items.AddItem("Small");
    items.AddItem("Medium");
    items.AddItem("Large");
    items.RemoveItem(0);
    EXPECT_EQ(items.TextOfIndex(2), "Medium");
    EXPECT_EQ(items.TextOfIndex(3), "Large");
    EXPECT_EQ(items.TextOfIndex(1), "");
    EXPECT_EQ(items.TextOfIndex(0), "");
    EXPECT_EQ(items.TextOfIndex(99), "");
}

TEST(ListItems, SettingTheSameDefaultIndexDoesNotMarkModified) {
    OneField f(LIST_T);
    CTbObjListItems& items = f.field->ListProps()->Items();
    items.AddItem("A");
    items.AddItem("B");
    items.SetDefaultIndex(2);
    f.db.SetModified(false);

    items.SetDefaultIndex(2);
    EXPECT_FALSE(f.db.IsModified());
    items.SetDefaultIndex(1);
    EXPECT_TRUE(f.db.IsModified());
    EXPECT_EQ(items.GetDefaultIndex(), 1);
}

TEST(ListItems, SortOrdersIgnoringCaseAndKeepsEachItemsIndex) {
    OneField f(LIST_T);
    CTbObjListItems& items = f.field->ListProps()->Items();
    items.AddItem("cherry");  // 1
    items.AddItem("Banana");  // 2
    items.AddItem("apple");   // 3
    items.AddItem("Date");    // 4
    f.db.SetModified(false);

    items.Sort();

    EXPECT_EQ(ItemTexts(items), (std::vector<std::string>{"apple", "Banana", "cherry", "Date"}));
    EXPECT_EQ(items.ItemAt(0)->index, 3);
    EXPECT_EQ(items.ItemAt(1)->index, 2);
    EXPECT_EQ(items.ItemAt(2)->index, 1);
    EXPECT_EQ(items.ItemAt(3)->index, 4);
    EXPECT_EQ(items.TextOfIndex(1), "cherry");
    EXPECT_TRUE(f.db.IsModified());
}

TEST(ListItems, SortOfOrderedItemsSwapsNothingAndDoesNotMarkModified) {
    OneField f(LIST_T);
    CTbObjListItems& items = f.field->ListProps()->Items();
    items.AddItem("alpha");
    items.AddItem("Beta");
    items.AddItem("BETA");
    items.AddItem("gamma");
    f.db.SetModified(false);

    items.Sort();

    EXPECT_EQ(ItemTexts(items), (std::vector<std::string>{"alpha", "Beta", "BETA", "gamma"}));
    EXPECT_FALSE(f.db.IsModified());
}

TEST(ListItems, CategoriesAreTheItemsOfSlotZero) {
    CTbObjDB db;
    CTbObjListItems& categories = db.Field(0)->ListProps()->Items();
    EXPECT_EQ(categories.Count(), 0);
    EXPECT_EQ(categories.AddItem("Business"), 1);
    EXPECT_TRUE(db.IsModified());
}

// ---------------------------------------------------------------------------------------------
// Expression token lists

namespace {

struct TokenCase {
    TbFieldType type;
    int count;
    bool accepted;
};

void PrintTo(const TokenCase& c, std::ostream* os) { *os << FieldTypeName(c.type) << " " << c.count << " tokens"; }

}  // namespace

class TokenLimitTest : public testing::TestWithParam<TokenCase> {};

TEST_P(TokenLimitTest, AcceptsUpToTheTypesLimit) {
    OneField f(GetParam().type);
    CTbObjFieldExpr* expr = f.field->ExprProps();
    ASSERT_TRUE(expr->SetTokens({7}, {"earlier"}));
    f.db.SetModified(false);

    std::vector<uint8_t> types(GetParam().count, 3);
    std::vector<std::string> values(GetParam().count, "v");
    EXPECT_EQ(expr->SetTokens(types, values), GetParam().accepted);

    if (GetParam().accepted) {
        EXPECT_EQ(expr->GetTokenTypes(), types);
        EXPECT_EQ(expr->GetTokenValues(), values);
    } else {
        EXPECT_EQ(expr->GetTokenTypes(), (std::vector<uint8_t>{7}));
        EXPECT_EQ(expr->GetTokenValues(), (std::vector<std::string>{"earlier"}));
    }
    EXPECT_EQ(f.db.IsModified(), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Limits, TokenLimitTest,
                         testing::Values(TokenCase{ADV_EXPRESSION_T, 48, true}, TokenCase{ADV_EXPRESSION_T, 49, false},
                                         TokenCase{ADV_EXPRESSION_T, 16, true}, TokenCase{EXPRESSION_T, 15, true},
                                         TokenCase{EXPRESSION_T, 16, false}, TokenCase{EXPRESSION_T, 48, false},
                                         TokenCase{EXPRESSION_T, 0, true}));

TEST(TokenList, TypesAndValuesMustPairUp) {
    OneField f(ADV_EXPRESSION_T);
    EXPECT_FALSE(f.field->ExprProps()->SetTokens({1, 2}, {"only one"}));
    EXPECT_TRUE(f.field->ExprProps()->GetTokenTypes().empty());
    EXPECT_FALSE(f.db.IsModified());
}

TEST(TokenList, MaxTokensFollowsTheExpressionKind) {
    EXPECT_EQ(OneField(ADV_EXPRESSION_T).field->ExprProps()->MaxTokens(), 48);
    EXPECT_EQ(OneField(EXPRESSION_T).field->ExprProps()->MaxTokens(), 15);
}
