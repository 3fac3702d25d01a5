// The advanced-properties classes: their setters and the pairing and sorting rules.
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjView.h"
#include "model/TbSetter.h"
#include "model/TbText.h"

#include <utility>

void TbMarkModified(CTbObjDB* db) {
    if (db) db->SetModified(true);
}

void CTbObjFieldAdvProp::MarkModified() { TbMarkModified(m_db); }

TB_SETTER(CTbObjFieldText, DefaultValue, std::string, m_defaultValue)
TB_SETTER(CTbObjFieldText, AutoShift, bool, m_autoShift)
TB_SETTER(CTbObjFieldNumber, Decimals, uint16_t, m_decimals)
TB_SETTER(CTbObjFieldNumber, DefaultValue, std::string, m_defaultValue)
TB_SETTER(CTbObjFieldNumber, IncDec, uint8_t, m_incDec)
TB_SETTER(CTbObjFieldDateTime, DefaultValue, uint32_t, m_defaultValue)
TB_SETTER(CTbObjFieldList, ButtonCount, uint16_t, m_buttons)
TB_SETTER(CTbObjFieldJoin, JoinFieldType, uint8_t, m_joinFieldType)
TB_SETTER(CTbObjFieldJoin, SourceDatabase, std::string, m_sourceDatabase)
TB_SETTER(CTbObjFieldJoin, JoinField, uint8_t, m_joinField)
TB_SETTER(CTbObjFieldJoin, DisplayField, uint8_t, m_displayField)
TB_SETTER(CTbObjFieldJoin, ViewNumber, uint8_t, m_viewNumber)
TB_SETTER(CTbObjFieldJoin, SecondText, std::string, m_secondText)
TB_SETTER(CTbObjFieldOTM, RelatedDatabase, std::string, m_relatedDatabase)
TB_SETTER(CTbObjFieldOTM, ParentField, uint16_t, m_parentField)
TB_SETTER(CTbObjFieldOTM, RelatedField, uint16_t, m_relatedField)
TB_SETTER(CTbObjFieldOTM, ViewName, std::string, m_viewName)
TB_SETTER(CTbObjFieldOTM, ViewLabel, std::string, m_viewLabel)
TB_SETTER(CTbObjFieldOTM, ExtraSetting, int16_t, m_extraSetting)
TB_SETTER(CTbObjFieldExpr, ResultFormat, int32_t, m_resultFormat)
TB_SETTER(CTbObjFieldExpr, Decimals, uint16_t, m_decimals)
TB_SETTER(CTbObjFieldCondExpr, TrueField, uint16_t, m_trueField)
TB_SETTER(CTbObjFieldCondExpr, TrueConstant, std::string, m_trueConstant)
TB_SETTER(CTbObjFieldCondExpr, TrueColour, uint32_t, m_trueColour)
TB_SETTER(CTbObjFieldCondExpr, FalseField, uint16_t, m_falseField)
TB_SETTER(CTbObjFieldCondExpr, FalseConstant, std::string, m_falseConstant)
TB_SETTER(CTbObjFieldCondExpr, FalseColour, uint32_t, m_falseColour)
TB_SETTER(CTbObjFieldPlugIn, PlugInType, uint32_t, m_plugInType)
TB_SETTER(CTbObjFieldPlugIn, AutoActivate, bool, m_autoActivate)
TB_SETTER(CTbObjFieldPlugIn, ResultField, uint16_t, m_resultField)
TB_SETTER(CTbObjFieldPlugIn, Parameters, std::vector<Parameter>, m_parameters)
TB_SETTER(CTbObjFieldPlugIn, ResultFields, std::vector<uint16_t>, m_resultFields)

void CTbObjFieldText::SetAutoWriter(uint16_t code) {
    m_autoWriter = code <= 7 ? code : 0;
    MarkModified();
}

void CTbObjFieldNumber::SetNextValue(int32_t value, bool raiseOnly) {
    if (raiseOnly && value <= m_nextValue) return;
    m_nextValue = value;
    MarkModified();
}

bool CTbObjFieldExpr::SetTokens(std::vector<uint8_t> types, std::vector<std::string> values) {
    if (types.size() != values.size() || static_cast<int>(types.size()) > MaxTokens()) return false;
    m_tokenTypes = std::move(types);
    m_tokenValues = std::move(values);
    MarkModified();
    return true;
}

CTbObjFieldCondExpr::CTbObjFieldCondExpr(CTbObjDB* db)
    : CTbObjFieldExpr(db, COND_EXP_T), m_condition(std::make_unique<CTbObjFilter>(db)) {}

CTbObjFieldCondExpr::~CTbObjFieldCondExpr() = default;

namespace {
// 1-bit and 4-bit pictures keep their depth; everything else is shown with 8 bits.
uint32_t PairedDepth(uint32_t n) { return n == 1 || n == 4 ? n : 8; }
}  // namespace

void CTbObjFieldImage::SetBitsPerPixel(uint32_t n) {
    m_bitsPerPixel = n;
    m_second = PairedDepth(n);
    MarkModified();
}

void CTbObjFieldImage::SetSecondSetting(uint32_t n) {
    m_second = n;
    m_bitsPerPixel = PairedDepth(n);
}

void CTbObjFieldText::SetAutoWriterWords(const std::vector<std::string>& words) {
    m_words.Clear();
    m_words.SetNextIndex(1);
    for (const std::string& word : words) m_words.AddItem(word);
}

void CTbObjListItems::MarkModified() { TbMarkModified(m_db); }

const CTbObjListItems::Item* CTbObjListItems::ItemAt(int position) const {
    return position >= 0 && position < Count() ? &m_items[position] : nullptr;
}

int CTbObjListItems::PositionOfIndex(int index) const {
    for (int i = 0; i < Count(); ++i)
        if (m_items[i].index == index) return i;
    return -1;
}

std::string CTbObjListItems::TextOfIndex(int index) const {
    int position = PositionOfIndex(index);
    return position < 0 ? std::string() : m_items[position].text;
}

uint16_t CTbObjListItems::AddItem(std::string text) {
    uint16_t index = m_nextIndex++;
    m_items.push_back({index, std::move(text)});
    MarkModified();
    return index;
}

void CTbObjListItems::AddItemWithIndex(uint16_t index, std::string text) {
    m_items.push_back({index, std::move(text)});
    if (index >= m_nextIndex) m_nextIndex = static_cast<uint16_t>(index + 1);
    MarkModified();
}

void CTbObjListItems::SetItemText(int position, std::string text) {
    if (position < 0 || position >= Count()) return;
    m_items[position].text = std::move(text);
    MarkModified();
}

void CTbObjListItems::RemoveItem(int position) {
    if (position < 0 || position >= Count()) return;
    m_items.erase(m_items.begin() + position);
    MarkModified();
}

void CTbObjListItems::Clear() {
    m_items.clear();
    MarkModified();
}

void CTbObjListItems::SetNextIndex(uint16_t index) {
    m_nextIndex = index;
    MarkModified();
}

void CTbObjListItems::SetDefaultIndex(uint16_t index) {
    if (index == m_defaultIndex) return;
    m_defaultIndex = index;
    MarkModified();
}

void CTbObjListItems::Sort() {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (size_t i = 1; i < m_items.size(); ++i) {
            if (CompareNoCase(m_items[i - 1].text, m_items[i].text) <= 0) continue;
            std::swap(m_items[i - 1], m_items[i]);
            MarkModified();
            swapped = true;
        }
    }
}
