// CTbObjField: one of a Tabulon's 81 field slots (name, type, attributes) and the classes of
// "advanced properties" that each field type owns. Every setter marks the database modified.
#pragma once

#include "model/TbTypes.h"

#include <memory>
#include <string>
#include <vector>

class CTbObjDB;
class CTbObjFilter;

// Base of every advanced-properties class: knows the database whose modified flag it sets.
class CTbObjFieldAdvProp {
public:
    explicit CTbObjFieldAdvProp(CTbObjDB* db) : m_db(db) {}
    virtual ~CTbObjFieldAdvProp() = default;
    CTbObjFieldAdvProp(const CTbObjFieldAdvProp&) = delete;
    CTbObjFieldAdvProp& operator=(const CTbObjFieldAdvProp&) = delete;

protected:
    void MarkModified();
    CTbObjDB* m_db;
};

// The items of a List or Radio Button field (and of the "Categories" field): each carries a
// fixed index handed out once, so that records keep their selection when items move.
class CTbObjListItems {
public:
    struct Item {
        uint16_t index;
        std::string text;
    };

    explicit CTbObjListItems(CTbObjDB* db) : m_db(db) {}
    virtual ~CTbObjListItems() = default;

    int Count() const { return static_cast<int>(m_items.size()); }
    // The item at a position; none when out of range.
    const Item* ItemAt(int position) const;
    // The text of the item that carries index; empty when none does.
    std::string TextOfIndex(int index) const;
    // The position of the item that carries index, or -1.
    int PositionOfIndex(int index) const;
    // Appends an item with the next index and returns that index.
    uint16_t AddItem(std::string text);
    // Appends an item with a given index (as read from a file); the next index stays above it.
    void AddItemWithIndex(uint16_t index, std::string text);
    void SetItemText(int position, std::string text);
    void RemoveItem(int position);
    void Clear();
    uint16_t GetNextIndex() const { return m_nextIndex; }
    void SetNextIndex(uint16_t index);
    uint16_t GetDefaultIndex() const { return m_defaultIndex; }
    void SetDefaultIndex(uint16_t index);
    // Bubble passes that swap neighbours out of order ignoring case; each swap marks modified.
    void Sort();

private:
    void MarkModified();

    std::vector<Item> m_items;
    uint16_t m_nextIndex = 1;
    uint16_t m_defaultIndex = 0;
    CTbObjDB* m_db;
};

// Text and Memo.
class CTbObjFieldText : public CTbObjFieldAdvProp {
public:
    using CTbObjFieldAdvProp::CTbObjFieldAdvProp;
    const std::string& GetDefaultValue() const { return m_defaultValue; }
    void SetDefaultValue(std::string value);
    // 0 not using the auto-writer, 1 comma, 2 space, 3 semicolon, 4 slash, 5 backslash,
    // 6 dash, 7 no separator; other codes store 0.
    uint16_t GetAutoWriter() const { return m_autoWriter; }
    void SetAutoWriter(uint16_t code);
    bool GetAutoShift() const { return m_autoShift; }
    void SetAutoShift(bool on);
    // The auto-writer's word list with the item indexes the handheld stored.
    CTbObjListItems& Words() { return m_words; }
    const CTbObjListItems& Words() const { return m_words; }
    // Replaces the words by these, numbered from 1 in their order.
    void SetAutoWriterWords(const std::vector<std::string>& words);

private:
    std::string m_defaultValue;
    uint16_t m_autoWriter = 0;
    bool m_autoShift = false;
    CTbObjListItems m_words{m_db};
};

// Integer, Long, Float and Auto Incremental.
class CTbObjFieldNumber : public CTbObjFieldAdvProp {
public:
    using CTbObjFieldAdvProp::CTbObjFieldAdvProp;
    int32_t GetNextValue() const { return m_nextValue; }
    // With raiseOnly a value not above the current one changes nothing.
    void SetNextValue(int32_t value, bool raiseOnly = false);
    uint16_t GetDecimals() const { return m_decimals; }
    void SetDecimals(uint16_t decimals);
    const std::string& GetDefaultValue() const { return m_defaultValue; }
    void SetDefaultValue(std::string value);
    uint8_t GetIncDec() const { return m_incDec; }
    void SetIncDec(uint8_t value);

private:
    int32_t m_nextValue = 1;
    uint16_t m_decimals = 3;
    std::string m_defaultValue;
    uint8_t m_incDec = 0;
};

// Date and Time. For both, a default value of 1 or 2 gives new records today or now.
class CTbObjFieldDateTime : public CTbObjFieldAdvProp {
public:
    using CTbObjFieldAdvProp::CTbObjFieldAdvProp;
    uint32_t GetDefaultValue() const { return m_defaultValue; }
    void SetDefaultValue(uint32_t value);

private:
    uint32_t m_defaultValue = 0;
};

// List and Radio Button.
class CTbObjFieldList : public CTbObjFieldAdvProp {
public:
    CTbObjFieldList(CTbObjDB* db, TbFieldType type) : CTbObjFieldAdvProp(db), m_type(type), m_items(db) {}
    TbFieldType GetFieldType() const { return m_type; }
    CTbObjListItems& Items() { return m_items; }
    const CTbObjListItems& Items() const { return m_items; }
    uint16_t GetButtonCount() const { return m_buttons; }
    void SetButtonCount(uint16_t count);

private:
    TbFieldType m_type;
    CTbObjListItems m_items;
    uint16_t m_buttons = 0;
};

// DB Join, DB Lookup, Address Join and Address Lookup.
class CTbObjFieldJoin : public CTbObjFieldAdvProp {
public:
    CTbObjFieldJoin(CTbObjDB* db, TbFieldType type)
        : CTbObjFieldAdvProp(db), m_type(static_cast<uint16_t>(type)) {}
    uint16_t GetFieldType() const { return m_type; }
    // The type of the field at the other end, as stored.
    uint8_t GetJoinFieldType() const { return m_joinFieldType; }
    void SetJoinFieldType(uint8_t type);
    // The joined Tabulon's display name (its PDB name without "MRA_").
    const std::string& GetSourceDatabase() const { return m_sourceDatabase; }
    void SetSourceDatabase(std::string name);
    uint8_t GetJoinField() const { return m_joinField; }
    void SetJoinField(uint8_t slot);
    uint8_t GetDisplayField() const { return m_displayField; }
    void SetDisplayField(uint8_t slot);
    uint8_t GetViewNumber() const { return m_viewNumber; }
    void SetViewNumber(uint8_t view);
    const std::string& GetSecondText() const { return m_secondText; }
    void SetSecondText(std::string text);
    // Set when the join is resolved; does not mark the database modified.
    uint16_t GetResolvedType() const { return m_resolvedType; }
    void SetResolvedType(uint16_t type) { m_resolvedType = type; }

private:
    uint16_t m_type;
    uint8_t m_joinFieldType = 0;
    std::string m_sourceDatabase;
    uint8_t m_joinField = 0;
    uint8_t m_displayField = 0;
    uint8_t m_viewNumber = 0;
    std::string m_secondText;
    uint16_t m_resolvedType = 0;
};

// One To Many.
class CTbObjFieldOTM : public CTbObjFieldAdvProp {
public:
    using CTbObjFieldAdvProp::CTbObjFieldAdvProp;
    const std::string& GetRelatedDatabase() const { return m_relatedDatabase; }
    void SetRelatedDatabase(std::string name);
    uint16_t GetParentField() const { return m_parentField; }
    void SetParentField(uint16_t slot);
    uint16_t GetRelatedField() const { return m_relatedField; }
    void SetRelatedField(uint16_t slot);
    const std::string& GetViewName() const { return m_viewName; }
    void SetViewName(std::string name);
    const std::string& GetViewLabel() const { return m_viewLabel; }
    void SetViewLabel(std::string label);
    // The block's last, unlabelled setting, kept as read.
    int16_t GetExtraSetting() const { return m_extraSetting; }
    void SetExtraSetting(int16_t value);

private:
    std::string m_relatedDatabase;
    uint16_t m_parentField = 0;
    uint16_t m_relatedField = 0;
    std::string m_viewName;
    std::string m_viewLabel;
    int16_t m_extraSetting = 0;
};

// Expression and Advanced Expression: the result format and the stored token list.
class CTbObjFieldExpr : public CTbObjFieldAdvProp {
public:
    static constexpr int kMaxAdvancedTokens = 48;
    static constexpr int kMaxSimpleTokens = 15;

    CTbObjFieldExpr(CTbObjDB* db, TbFieldType type) : CTbObjFieldAdvProp(db), m_type(type) {}
    TbFieldType GetFieldType() const { return m_type; }
    int32_t GetResultFormat() const { return m_resultFormat; }
    void SetResultFormat(int32_t format);
    uint16_t GetDecimals() const { return m_decimals; }
    void SetDecimals(uint16_t decimals);
    // The most tokens this field's list holds: 48 for an Advanced Expression, 15 otherwise.
    int MaxTokens() const { return m_type == ADV_EXPRESSION_T ? kMaxAdvancedTokens : kMaxSimpleTokens; }
    // Token type bytes (without the terminating zero) and their value texts, one per token.
    const std::vector<uint8_t>& GetTokenTypes() const { return m_tokenTypes; }
    const std::vector<std::string>& GetTokenValues() const { return m_tokenValues; }
    // Stores a token list; false (and nothing changed) when it has more than MaxTokens() tokens
    // or the two lists differ in length.
    bool SetTokens(std::vector<uint8_t> types, std::vector<std::string> values);

private:
    TbFieldType m_type;
    int32_t m_resultFormat = EXPR_RESULT_FLOATING;
    uint16_t m_decimals = 3;
    std::vector<uint8_t> m_tokenTypes;
    std::vector<std::string> m_tokenValues;
};

// Conditional Expression: a condition (a filter) choosing one of two coloured results.
class CTbObjFieldCondExpr : public CTbObjFieldExpr {
public:
    explicit CTbObjFieldCondExpr(CTbObjDB* db);
    ~CTbObjFieldCondExpr() override;
    CTbObjFilter& Condition() { return *m_condition; }
    const CTbObjFilter& Condition() const { return *m_condition; }
    uint16_t GetTrueField() const { return m_trueField; }
    void SetTrueField(uint16_t slot);
    const std::string& GetTrueConstant() const { return m_trueConstant; }
    void SetTrueConstant(std::string text);
    uint32_t GetTrueColour() const { return m_trueColour; }
    void SetTrueColour(uint32_t colour);
    uint16_t GetFalseField() const { return m_falseField; }
    void SetFalseField(uint16_t slot);
    const std::string& GetFalseConstant() const { return m_falseConstant; }
    void SetFalseConstant(std::string text);
    uint32_t GetFalseColour() const { return m_falseColour; }
    void SetFalseColour(uint32_t colour);

private:
    std::unique_ptr<CTbObjFilter> m_condition;
    uint16_t m_trueField = 0;
    std::string m_trueConstant;
    uint32_t m_trueColour = 0;
    uint16_t m_falseField = 0;
    std::string m_falseConstant;
    uint32_t m_falseColour = 0;
};

// Plug-In.
class CTbObjFieldPlugIn : public CTbObjFieldAdvProp {
public:
    struct Parameter {
        uint8_t kind = 0;  // 0 a field, 1 a constant
        uint16_t field = 0;
        std::string constant;
    };
    static constexpr int kResultFieldCount = 10;

    using CTbObjFieldAdvProp::CTbObjFieldAdvProp;
    uint32_t GetPlugInType() const { return m_plugInType; }
    void SetPlugInType(uint32_t id);
    bool GetAutoActivate() const { return m_autoActivate; }
    void SetAutoActivate(bool on);
    uint16_t GetResultField() const { return m_resultField; }
    void SetResultField(uint16_t slot);
    int GetParameterCount() const { return static_cast<int>(m_parameters.size()); }
    const std::vector<Parameter>& GetParameters() const { return m_parameters; }
    void SetParameters(std::vector<Parameter> parameters);
    // The plug-in's further result fields, as the handheld stores them with the field.
    const std::vector<uint16_t>& GetResultFields() const { return m_resultFields; }
    void SetResultFields(std::vector<uint16_t> slots);

private:
    uint32_t m_plugInType = 0;
    bool m_autoActivate = false;
    uint16_t m_resultField = 0;
    std::vector<Parameter> m_parameters;
    std::vector<uint16_t> m_resultFields;
};

// Image: the bit depth of stored pictures, kept paired with a second setting.
class CTbObjFieldImage : public CTbObjFieldAdvProp {
public:
    using CTbObjFieldAdvProp::CTbObjFieldAdvProp;
    uint32_t GetBitsPerPixel() const { return m_bitsPerPixel; }
    // Stores n; the second setting becomes 1, 4 or (for any other n) 8. Marks modified.
    void SetBitsPerPixel(uint32_t n);
    uint32_t GetSecondSetting() const { return m_second; }
    // Stores n; the bits per pixel become 1, 4 or 8 the same way. Does not mark modified.
    void SetSecondSetting(uint32_t n);

private:
    uint32_t m_bitsPerPixel = 8;
    uint32_t m_second = 8;
};

class CTbObjField {
public:
    CTbObjField(CTbObjDB* db, int16_t slot);
    virtual ~CTbObjField();
    CTbObjField(const CTbObjField&) = delete;
    CTbObjField& operator=(const CTbObjField&) = delete;

    TbFieldType GetType() const { return m_type; }
    int16_t GetSlot() const { return m_slot; }
    const std::string& GetName() const { return m_name; }
    void SetName(std::string name);
    int8_t GetPrintSequence() const { return m_printSequence; }
    void SetPrintSequence(int8_t sequence);
    uint8_t GetAttributes() const { return m_attributes; }
    void SetAttributes(uint8_t attributes);
    bool IsUsed() const { return m_type != NOTUSED_T; }

    // Changes the type: replaces the advanced properties (keeping what survives a change
    // inside the Text/Memo, Integer/Long and Date/Time families) and marks modified.
    void SetType(TbFieldType type);
    // The type the field's values are stored, compared and formatted as.
    TbFieldType GetValueType() const;

    CTbObjFieldAdvProp* AdvancedProperties() const { return m_props.get(); }
    CTbObjFieldText* TextProps() const;
    CTbObjFieldNumber* NumberProps() const;
    CTbObjFieldList* ListProps() const;
    CTbObjFieldDateTime* DateTimeProps() const;
    CTbObjFieldExpr* ExprProps() const;
    CTbObjFieldJoin* JoinProps() const;
    CTbObjFieldOTM* OtmProps() const;
    CTbObjFieldCondExpr* CondExprProps() const;
    CTbObjFieldPlugIn* PlugInProps() const;
    CTbObjFieldImage* ImageProps() const;

    CTbObjDB* Database() const { return m_db; }

private:
    template <typename T>
    T* PropsIf(std::initializer_list<int> types) const;

    TbFieldType m_type = NOTUSED_T;
    int16_t m_slot;
    std::string m_name;
    int8_t m_printSequence = 0;
    std::unique_ptr<CTbObjFieldAdvProp> m_props;
    uint8_t m_attributes = 0;
    CTbObjDB* m_db;
};
