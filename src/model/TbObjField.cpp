// A field slot: its name, attributes, type changes and typed access to its properties.
#include "model/TbObjField.h"

#include "model/TbObjDB.h"
#include "model/TbObjView.h"

#include <cstdio>

namespace {

bool IsTextFamily(int type) { return type == TEXT_T || type == MEMO_T; }
bool IsWholeNumberFamily(int type) { return type == INTEGER_T || type == LONG_T; }
bool IsDateTimeFamily(int type) { return type == DATE_T || type == TIME_T; }

std::unique_ptr<CTbObjFieldAdvProp> MakeProperties(CTbObjDB* db, TbFieldType type) {
    switch (type) {
        case TEXT_T:
        case MEMO_T:
            return std::make_unique<CTbObjFieldText>(db);
        case INTEGER_T:
        case LONG_T:
        case FLOATING_T:
        case AUTO_INC_T:
            return std::make_unique<CTbObjFieldNumber>(db);
        case LIST_T:
        case RADIO_T:
            return std::make_unique<CTbObjFieldList>(db, type);
        case DATE_T:
        case TIME_T:
            return std::make_unique<CTbObjFieldDateTime>(db);
        case EXPRESSION_T:
        case ADV_EXPRESSION_T:
            return std::make_unique<CTbObjFieldExpr>(db, type);
        case DB_JOIN_T:
        case DB_LOOKUP_T:
        case ADDR_BK_JOIN_T:
        case ADDR_BK_LOOKUP_T:
            return std::make_unique<CTbObjFieldJoin>(db, type);
        case ONE_TO_MANY_T:
            return std::make_unique<CTbObjFieldOTM>(db);
        case IMAGE_T:
            return std::make_unique<CTbObjFieldImage>(db);
        case COND_EXP_T:
            return std::make_unique<CTbObjFieldCondExpr>(db);
        case PLUGIN_T:
            return std::make_unique<CTbObjFieldPlugIn>(db);
        default:
            return nullptr;  // NOTUSED_T, CHECKBOX_T, KEY_T and unknown types have none
    }
}

// What survives a type change inside a family of types.
struct Survivors {
    int family = 0;  // 0 nothing, 1 text, 2 whole number, 3 date/time
    std::string defaultText;
    uint16_t autoWriter = 0;
    bool autoShift = false;
    std::vector<CTbObjListItems::Item> words;
    uint8_t incDec = 0;
    uint32_t defaultDateTime = 0;
};

}  // namespace

CTbObjField::CTbObjField(CTbObjDB* db, int16_t slot) : m_slot(slot), m_db(db) {
    char name[16];
    std::snprintf(name, sizeof name, "Fld%02d", static_cast<int>(slot));
    m_name = name;
}

CTbObjField::~CTbObjField() = default;

void CTbObjField::SetName(std::string name) {
    m_name = std::move(name);
    if (m_db) m_db->SetModified(true);
}

void CTbObjField::SetPrintSequence(int8_t sequence) {
    m_printSequence = sequence;
    if (m_db) m_db->SetModified(true);
}

void CTbObjField::SetAttributes(uint8_t attributes) {
    m_attributes = attributes;
    if (m_db) m_db->SetModified(true);
}

void CTbObjField::SetType(TbFieldType type) {
    if (m_db) m_db->SetModified(true);
    Survivors kept;
    if (IsTextFamily(m_type) && IsTextFamily(type)) {
        const CTbObjFieldText* text = TextProps();
        kept = {1, text->GetDefaultValue(), text->GetAutoWriter(), text->GetAutoShift(), {}};
        for (int i = 0; i < text->Words().Count(); ++i) kept.words.push_back(*text->Words().ItemAt(i));
    } else if (IsWholeNumberFamily(m_type) && IsWholeNumberFamily(type)) {
        kept.family = 2;
        kept.defaultText = NumberProps()->GetDefaultValue();
        kept.incDec = NumberProps()->GetIncDec();
    } else if (IsDateTimeFamily(m_type) && IsDateTimeFamily(type)) {
        kept.family = 3;
        kept.defaultDateTime = DateTimeProps()->GetDefaultValue();
    }

    m_props.reset();
    m_printSequence = 0;
    m_attributes = 0;
    m_type = type;
    m_props = MakeProperties(m_db, type);

    if (kept.family == 1) {
        TextProps()->SetDefaultValue(kept.defaultText);
        TextProps()->SetAutoWriter(kept.autoWriter);
        TextProps()->SetAutoShift(kept.autoShift);
        for (CTbObjListItems::Item& word : kept.words)
            TextProps()->Words().AddItemWithIndex(word.index, std::move(word.text));
    } else if (kept.family == 2) {
        NumberProps()->SetDefaultValue(kept.defaultText);
        NumberProps()->SetIncDec(kept.incDec);
    } else if (kept.family == 3) {
        DateTimeProps()->SetDefaultValue(kept.defaultDateTime);
    }
}

TbFieldType CTbObjField::GetValueType() const {
    switch (m_type) {
        case EXPRESSION_T:
        case ADV_EXPRESSION_T:
            return ExprResultValueType(ExprProps()->GetResultFormat());
        case DB_JOIN_T:
        case DB_LOOKUP_T:
            return static_cast<TbFieldType>(JoinProps()->GetJoinFieldType());
        case COND_EXP_T:
            return TEXT_T;
        default:
            return m_type;
    }
}

template <typename T>
T* CTbObjField::PropsIf(std::initializer_list<int> types) const {
    for (int type : types)
        if (m_type == type) return static_cast<T*>(m_props.get());
    return nullptr;
}

CTbObjFieldText* CTbObjField::TextProps() const { return PropsIf<CTbObjFieldText>({TEXT_T, MEMO_T}); }
CTbObjFieldNumber* CTbObjField::NumberProps() const {
    return PropsIf<CTbObjFieldNumber>({INTEGER_T, LONG_T, FLOATING_T, AUTO_INC_T});
}
CTbObjFieldList* CTbObjField::ListProps() const { return PropsIf<CTbObjFieldList>({LIST_T, RADIO_T}); }
CTbObjFieldDateTime* CTbObjField::DateTimeProps() const {
    return PropsIf<CTbObjFieldDateTime>({DATE_T, TIME_T});
}
CTbObjFieldExpr* CTbObjField::ExprProps() const {
    return PropsIf<CTbObjFieldExpr>({EXPRESSION_T, COND_EXP_T, ADV_EXPRESSION_T});
}
CTbObjFieldJoin* CTbObjField::JoinProps() const {
    return PropsIf<CTbObjFieldJoin>({DB_JOIN_T, DB_LOOKUP_T, ADDR_BK_JOIN_T, ADDR_BK_LOOKUP_T});
}
CTbObjFieldOTM* CTbObjField::OtmProps() const { return PropsIf<CTbObjFieldOTM>({ONE_TO_MANY_T}); }
CTbObjFieldCondExpr* CTbObjField::CondExprProps() const { return PropsIf<CTbObjFieldCondExpr>({COND_EXP_T}); }
CTbObjFieldPlugIn* CTbObjField::PlugInProps() const { return PropsIf<CTbObjFieldPlugIn>({PLUGIN_T}); }
CTbObjFieldImage* CTbObjField::ImageProps() const { return PropsIf<CTbObjFieldImage>({IMAGE_T}); }
