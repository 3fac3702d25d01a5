// A field slot and its advanced properties: type names, which properties each type owns, the
// value type its data is kept as, what survives a type change, the rules of particular properties
// and which setters mark the Tabulon modified.
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The properties a type change may keep, as one text: text, whole-number or date/time family.
std::string FamilyProps(const CTbObjField& f) {
    std::ostringstream out;
    if (const CTbObjFieldText* t = f.TextProps())
        out << t->GetDefaultValue() << '/' << t->GetAutoWriter() << '/' << t->GetAutoShift() << '/'
            << t->Words().Count();
    if (const CTbObjFieldNumber* n = f.NumberProps())
        out << n->GetDefaultValue() << '/' << int{n->GetIncDec()} << '/' << n->GetDecimals() << '/'
            << n->GetNextValue();
    if (const CTbObjFieldDateTime* d = f.DateTimeProps()) out << d->GetDefaultValue();
    return out.str();
}

}  // namespace

TEST(TypeNames, LabelTypesAndFormatsAndSayUnknownOutsideThem) {
    EXPECT_EQ(FieldTypeName(ADV_EXPRESSION_T), "ADV_EXPRESSION_T");
    EXPECT_EQ(FieldTypeLabel(COND_EXP_T), "Conditional Expression");
    EXPECT_EQ(ExprResultLabel(EXPR_RESULT_HHMMSS), "Hours-Minutes-Seconds");
    EXPECT_EQ(std::string(FieldTypeName(TbFieldTypeCount)) + std::string(ExprResultLabel(-1)),
              "UNKNOWNUnknown");
}

TEST(ValueType, OfAnExpressionFollowsItsResultFormat) {
    // Formats 0 to 13: the three Date +/- formats are dates, Time a time, Text a text, others numbers.
    const TbFieldType byFormat[] = {FLOATING_T, DATE_T,     DATE_T,     DATE_T,     FLOATING_T,
                                    FLOATING_T, FLOATING_T, TIME_T,     FLOATING_T, FLOATING_T,
                                    FLOATING_T, FLOATING_T, FLOATING_T, TEXT_T};
    for (TbFieldType type : {EXPRESSION_T, ADV_EXPRESSION_T}) {
        OneField f(type);
        EXPECT_EQ(f.field.GetValueType(), FLOATING_T);  // a new expression is floating
        for (int format = -1; format <= TbExprResultCount; ++format) {
            TbFieldType expected = format >= 0 && format < TbExprResultCount ? byFormat[format] : NOTUSED_T;
            f.field.ExprProps()->SetResultFormat(format);
            EXPECT_EQ(ExprResultValueType(format), expected) << format;
            EXPECT_EQ(f.field.GetValueType(), expected) << type << " " << format;
        }
    }
}

TEST(ValueType, OfOtherFieldsIsTheirOwnTypeExceptDbJoinsAndConditionalExpressions) {
    EXPECT_EQ(CTbObjDB().Field(5)->GetValueType(), NOTUSED_T);
    for (TbFieldType type : {TEXT_T, INTEGER_T, LIST_T, CHECKBOX_T, TIME_T, KEY_T, IMAGE_T, AUTO_INC_T})
        EXPECT_EQ(OneField(type).field.GetValueType(), type) << type;
    for (TbFieldType type : {DB_JOIN_T, DB_LOOKUP_T, ADDR_BK_JOIN_T, ADDR_BK_LOOKUP_T}) {
        OneField f(type);
        f.field.JoinProps()->SetJoinFieldType(DATE_T);  // address joins keep their own type
        EXPECT_EQ(f.field.GetValueType(), type == DB_JOIN_T || type == DB_LOOKUP_T ? DATE_T : type) << type;
    }
    OneField conditional(COND_EXP_T);
    conditional.field.ExprProps()->SetResultFormat(EXPR_RESULT_DATE_DAYS);
    EXPECT_EQ(conditional.field.GetValueType(), TEXT_T);
}

TEST(TypedProperties, OnlyTheTypesOwnPropertiesAreOffered) {
    constexpr unsigned kText = 1, kNumber = 2, kList = 4, kDate = 8, kExpr = 16, kJoin = 32, kOtm = 64,
                       kCond = 128, kPlugIn = 256, kImage = 512;
    // Indexed by field type, NOTUSED_T to ADV_EXPRESSION_T.
    const unsigned kinds[TbFieldTypeCount] = {
        0,     kText, kNumber, kNumber, kNumber, kList, 0,      kDate,         kDate,   kExpr,   kText, 0,
        kJoin, kJoin, kOtm,    kJoin,   kJoin,   kList, kImage, kExpr | kCond, kNumber, kPlugIn, kExpr};
    for (int type = 0; type < TbFieldTypeCount; ++type) {
        OneField one(TEXT_T);
        one.field.SetType(static_cast<TbFieldType>(type));
        const CTbObjField& f = one.field;
        unsigned present = (f.TextProps() ? kText : 0) | (f.NumberProps() ? kNumber : 0) |
                           (f.ListProps() ? kList : 0) | (f.DateTimeProps() ? kDate : 0) |
                           (f.ExprProps() ? kExpr : 0) | (f.JoinProps() ? kJoin : 0) |
                           (f.OtmProps() ? kOtm : 0) | (f.CondExprProps() ? kCond : 0) |
                           (f.PlugInProps() ? kPlugIn : 0) | (f.ImageProps() ? kImage : 0);
        EXPECT_EQ(present, kinds[type]) << FieldTypeName(type);
        EXPECT_EQ(f.AdvancedProperties() != nullptr, kinds[type] != 0) << FieldTypeName(type);
    }
    EXPECT_EQ(OneField(RADIO_T).field.ListProps()->GetFieldType(), RADIO_T);
    EXPECT_EQ(OneField(COND_EXP_T).field.ExprProps()->GetFieldType(), COND_EXP_T);
    EXPECT_EQ(OneField(ADDR_BK_LOOKUP_T).field.JoinProps()->GetFieldType(), ADDR_BK_LOOKUP_T);
}

TEST(TypeChange, KeepsFamilyPropertiesOnlyInsideTheFamilyAndResetsTheFieldsSettings) {
    const std::string text = "hello/3/1/2", newText = "/0/0/0", whole = "42/5/3/1", newNumber = "/0/3/1";
    struct Case {
        TbFieldType from, to;
        std::string props;  // decimals and next value never survive
    };
    const Case cases[] = {{TEXT_T, MEMO_T, text},          {MEMO_T, TEXT_T, text},
                          {TEXT_T, TEXT_T, text},          {INTEGER_T, LONG_T, whole},
                          {LONG_T, INTEGER_T, whole},      {DATE_T, TIME_T, "2"},
                          {TIME_T, DATE_T, "2"},           {TEXT_T, INTEGER_T, newNumber},
                          {MEMO_T, DATE_T, "0"},           {INTEGER_T, FLOATING_T, newNumber},
                          {LONG_T, AUTO_INC_T, newNumber}, {FLOATING_T, FLOATING_T, newNumber},
                          {TIME_T, MEMO_T, newText}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(FieldTypeName(c.from)) + " -> " + std::string(FieldTypeName(c.to)));
        OneField f(c.from);
        if (CTbObjFieldText* t = f.field.TextProps()) {
            t->SetDefaultValue("hello");
            t->SetAutoWriter(3);
            t->SetAutoShift(true);
            t->SetAutoWriterWords({"alpha", "beta"});
        }
        if (CTbObjFieldNumber* n = f.field.NumberProps()) {
            n->SetDefaultValue("42");
            n->SetIncDec(5);
            n->SetDecimals(1);
            n->SetNextValue(77);
        }
        if (CTbObjFieldDateTime* d = f.field.DateTimeProps()) d->SetDefaultValue(2);
        f.field.SetPrintSequence(4);
        f.field.SetAttributes(0x80);
        f.db.SetModified(false);
        f.field.SetType(c.to);
        EXPECT_EQ(f.field.GetType(), c.to);
        EXPECT_EQ(FamilyProps(f.field), c.props);
        EXPECT_EQ(f.field.GetPrintSequence() + f.field.GetAttributes(), 0);
        EXPECT_TRUE(f.db.IsModified());
    }
    OneField list(LIST_T);
    list.field.ListProps()->Items().AddItem("Red");
    list.field.SetType(RADIO_T);
    EXPECT_EQ(list.field.ListProps()->Items().Count(), 0);
}

TEST(PropertySetters, MarkModifiedExceptTheBookkeepingOnes) {
    struct Case {
        const char* name;
        TbFieldType type;
        void (*set)(CTbObjField&);
        bool marks;
    };
    const Case cases[] = {
        {"name", TEXT_T, [](CTbObjField& f) { f.SetName("N"); }, true},
        {"auto-writer", MEMO_T, [](CTbObjField& f) { f.TextProps()->SetAutoWriter(6); }, true},
        {"next value", AUTO_INC_T, [](CTbObjField& f) { f.NumberProps()->SetNextValue(50); }, true},
        {"list item", LIST_T, [](CTbObjField& f) { f.ListProps()->Items().AddItem("A"); }, true},
        {"default item", LIST_T, [](CTbObjField& f) { f.ListProps()->Items().SetDefaultIndex(2); }, true},
        {"plug-in", PLUGIN_T, [](CTbObjField& f) { f.PlugInProps()->SetAutoActivate(true); }, true},
        {"resolved join type", DB_JOIN_T, [](CTbObjField& f) { f.JoinProps()->SetResolvedType(LONG_T); },
         false},
        {"same default item", LIST_T, [](CTbObjField& f) { f.ListProps()->Items().SetDefaultIndex(0); },
         false}};
    for (const Case& c : cases) {
        OneField f(c.type);
        c.set(f.field);
        EXPECT_EQ(f.db.IsModified(), c.marks) << c.name;
    }
}

TEST(FieldProperties, ImageDepthsStayPairedAndNumbersAndAutoWriterCodesAreChecked) {
    struct Case {
        bool setBitsPerPixel;  // false: the second setting is set, which does not mark modified
        uint32_t n, bitsPerPixel, second;
    };
    for (const Case& c : {Case{true, 1, 1, 1}, Case{true, 4, 4, 4}, Case{true, 2, 2, 8}, Case{false, 1, 1, 1},
                          Case{false, 4, 4, 4}, Case{false, 16, 8, 16}}) {
        OneField f(IMAGE_T);
        CTbObjFieldImage* image = f.field.ImageProps();
        EXPECT_EQ(std::pair(image->GetBitsPerPixel(), image->GetSecondSetting()), std::pair(8u, 8u));
        c.setBitsPerPixel ? image->SetBitsPerPixel(c.n) : image->SetSecondSetting(c.n);
        EXPECT_EQ(std::pair(image->GetBitsPerPixel(), image->GetSecondSetting()),
                  std::pair(c.bitsPerPixel, c.second))
            << c.setBitsPerPixel << " " << c.n;
        EXPECT_EQ(f.db.IsModified(), c.setBitsPerPixel);
    }
    OneField f(AUTO_INC_T);
    CTbObjFieldNumber& number = *f.field.NumberProps();
    number.SetNextValue(10);
    f.db.SetModified(false);
    number.SetNextValue(10, true);  // raising only: a value not above the current one changes nothing
    number.SetNextValue(-5, true);
    EXPECT_EQ(number.GetNextValue(), 10);
    EXPECT_FALSE(f.db.IsModified());
    number.SetNextValue(11, true);
    EXPECT_EQ(number.GetNextValue(), 11);
    number.SetNextValue(5);
    EXPECT_EQ(number.GetNextValue(), 5);

    OneField text(TEXT_T);
    for (auto [code, stored] : {std::pair<uint16_t, uint16_t>{7, 7}, {8, 0}, {1, 1}, {0xFFFF, 0}}) {
        text.field.TextProps()->SetAutoWriter(3);
        text.field.TextProps()->SetAutoWriter(code);
        EXPECT_EQ(text.field.TextProps()->GetAutoWriter(), stored) << code;
    }
}

TEST(ListItems, IndexesAreHandedOutOnceAndTextIsFoundByIndex) {
    OneField f(LIST_T);
    CTbObjListItems& items = f.field.ListProps()->Items();
    for (const char* text : {"Red", "Green", "Blue"}) items.AddItem(text);
    items.RemoveItem(0);
    items.RemoveItem(5);
    EXPECT_EQ(items.AddItem("Black"), 4);
    EXPECT_EQ(items.Count(), 3);
    EXPECT_EQ(items.ItemAt(2)->index, 4);
    EXPECT_EQ(items.ItemAt(3), nullptr);
    EXPECT_EQ(items.TextOfIndex(3), "Blue");
    EXPECT_EQ(items.TextOfIndex(1), "");
    EXPECT_EQ(items.PositionOfIndex(4), 2);
    items.AddItemWithIndex(9, "Read");  // as read from a file: new items are numbered above it
    items.AddItemWithIndex(6, "Older");
    EXPECT_EQ(items.AddItem("Next"), 10);
}

TEST(ListItems, SortOrdersIgnoringCaseKeepsEachItemsIndexAndMarksOnlyWhenItSwaps) {
    OneField f(LIST_T);
    CTbObjListItems& items = f.field.ListProps()->Items();
    for (const char* text : {"cherry", "Banana", "apple", "Date"}) items.AddItem(text);
    f.db.SetModified(false);
    items.Sort();
    std::vector<std::pair<uint16_t, std::string>> sorted;
    for (int i = 0; i < items.Count(); ++i) sorted.push_back({items.ItemAt(i)->index, items.ItemAt(i)->text});
    EXPECT_EQ(sorted, (decltype(sorted){{3, "apple"}, {2, "Banana"}, {1, "cherry"}, {4, "Date"}}));
    EXPECT_TRUE(f.db.IsModified());
    items.Clear();
    for (const char* text : {"alpha", "Beta", "BETA", "gamma"}) items.AddItem(text);
    f.db.SetModified(false);
    items.Sort();
    EXPECT_EQ(items.ItemAt(1)->text, "Beta");
    EXPECT_FALSE(f.db.IsModified());
}

TEST(ExpressionTokens, AreAcceptedUpToTheKindsLimitAndOnlyInPairs) {
    for (auto [type, count] : {std::pair{ADV_EXPRESSION_T, 48}, {EXPRESSION_T, 15}}) {
        OneField f(type);
        CTbObjFieldExpr* expr = f.field.ExprProps();
        std::vector<uint8_t> types(count, 3);
        std::vector<std::string> values(count, "v");
        EXPECT_TRUE(expr->SetTokens(types, values)) << type;
        EXPECT_TRUE(f.db.IsModified());
        f.db.SetModified(false);
        types.push_back(4);
        values.push_back("w");
        EXPECT_FALSE(expr->SetTokens(types, values)) << type;  // one too many changes nothing
        EXPECT_FALSE(expr->SetTokens({1, 2}, {"only one"})) << type;
        ASSERT_EQ(expr->GetTokenTypes().size(), static_cast<size_t>(count));
        EXPECT_EQ(expr->GetTokenValues().back(), "v");
        EXPECT_FALSE(f.db.IsModified());
    }
}
