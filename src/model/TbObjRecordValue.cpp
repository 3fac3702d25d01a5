// CTbObjRecordValue: storage of one value, its defaults, and dates and times as text.
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/OleDate.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>

static_assert(sizeof(CTbObjRecordValue) == 16, "a value is packed into two words");

struct CTbObjRecordValue::Extension {
    std::string text;
    std::vector<uint8_t> data;
    std::unique_ptr<CTbObjRecordValue> joined;
    uint32_t extraWord = 0;
};

namespace {

namespace pf = orvanta::platform;

// atoi/atol as the handheld's defaults are read: leading blanks, a sign, digits, then anything.
long ParseWhole(const std::string& text) {
    errno = 0;
    long value = std::strtol(text.c_str(), nullptr, 10);
    return errno == ERANGE ? 0 : value;
}

uint32_t Pack(int a, int b, int c) {
    return static_cast<uint32_t>(a) * 65536u + static_cast<uint32_t>(b) * 256u + c;
}

}  // namespace

CTbObjRecordValue::CTbObjRecordValue() = default;

CTbObjRecordValue::CTbObjRecordValue(const CTbObjRecordValue& other)
    : m_type(other.m_type), m_bits(other.m_bits) {
    std::memcpy(m_parts, other.m_parts, sizeof m_parts);
    TakeStore(other);
}

CTbObjRecordValue& CTbObjRecordValue::operator=(const CTbObjRecordValue& other) {
    if (this == &other) return *this;
    std::memcpy(m_parts, other.m_parts, sizeof m_parts);
    m_type = other.m_type;
    m_bits = other.m_bits;
    ReleaseStore();
    TakeStore(other);
    return *this;
}

// A value's own text and extension move with it; a shared text is copied, so that a value
// moved out of its record never refers to an arena that may go before it.
CTbObjRecordValue::CTbObjRecordValue(CTbObjRecordValue&& other) noexcept
    : m_type(other.m_type), m_bits(other.m_bits) {
    std::memcpy(m_parts, other.m_parts, sizeof m_parts);
    if (other.StoreKind() == TagSharedText) {
        TakeStore(other);
    } else {
        m_store = other.m_store;
        other.m_store = 0;
    }
}

CTbObjRecordValue& CTbObjRecordValue::operator=(CTbObjRecordValue&& other) noexcept {
    if (this == &other) return *this;
    std::memcpy(m_parts, other.m_parts, sizeof m_parts);
    m_type = other.m_type;
    m_bits = other.m_bits;
    ReleaseStore();
    if (other.StoreKind() == TagSharedText) {
        TakeStore(other);
    } else {
        m_store = other.m_store;
        other.m_store = 0;
    }
    return *this;
}

// Copies the text and extension of another value as this value's own (the store is empty).
void CTbObjRecordValue::TakeStore(const CTbObjRecordValue& other) {
    if (const Extension* ext = other.ExtIfAny()) {
        auto copy = std::make_unique<Extension>();
        copy->text = ext->text;
        copy->data = ext->data;
        copy->extraWord = ext->extraWord;
        if (ext->joined) copy->joined = std::make_unique<CTbObjRecordValue>(*ext->joined);
        m_store = reinterpret_cast<uintptr_t>(copy.release()) | TagExtension;
    } else {
        StoreOwnText(other.GetText());
    }
}

void CTbObjRecordValue::ReleaseStore() {
    if (Extension* ext = ExtIfAny())
        delete ext;
    else if (m_store != 0 && StoreKind() == TagOwnText)
        std::free(const_cast<char*>(StoredText()));
    m_store = 0;
}

// The text (up to its first NUL) as the value's own: in the extension when there is one,
// else in one block laid out as an arena's stored text.
void CTbObjRecordValue::StoreOwnText(std::string_view text) {
    text = TbTextBeforeNul(text);
    if (Extension* ext = ExtIfAny()) {
        ext->text.assign(text);
        return;
    }
    ReleaseStore();
    if (text.empty()) return;
    auto length = static_cast<uint32_t>(text.size());
    auto* block = static_cast<char*>(std::malloc(sizeof length + text.size()));
    if (!block) throw std::bad_alloc();
    std::memcpy(block, &length, sizeof length);
    std::memcpy(block + sizeof length, text.data(), text.size());
    m_store = reinterpret_cast<uintptr_t>(block) | TagOwnText;
}

std::string_view CTbObjRecordValue::ExtensionText() const { return ExtIfAny()->text; }

CTbObjRecordValue::Extension& CTbObjRecordValue::Ext() {
    if (Extension* ext = ExtIfAny()) return *ext;
    auto ext = std::make_unique<Extension>();
    ext->text.assign(GetText());
    ReleaseStore();
    m_store = reinterpret_cast<uintptr_t>(ext.release()) | TagExtension;
    return *ExtIfAny();
}

void CTbObjRecordValue::Reset(const CTbObjField* field, bool applyDefaults) {
    std::memset(m_parts, 0, sizeof m_parts);
    m_bits = 0;
    ReleaseStore();
    if (!applyDefaults || !field) return;
    switch (field->GetType()) {
        case TEXT_T:
        case MEMO_T:
            StoreOwnText(field->TextProps()->GetDefaultValue());
            break;
        case INTEGER_T:
            SetShort(static_cast<int16_t>(ParseWhole(field->NumberProps()->GetDefaultValue())));
            break;
        case LONG_T:
            SetLong(static_cast<int32_t>(ParseWhole(field->NumberProps()->GetDefaultValue())));
            break;
        case FLOATING_T:
            SetFloat(
                static_cast<float>(std::strtod(field->NumberProps()->GetDefaultValue().c_str(), nullptr)));
            break;
        case LIST_T:
        case RADIO_T: {
            const CTbObjListItems& items = field->ListProps()->Items();
            std::string text = items.TextOfIndex(items.GetDefaultIndex());
            SetShort(text.empty() ? 0 : static_cast<int16_t>(items.GetDefaultIndex()));
            StoreOwnText(text);
            break;
        }
        case DATE_T:
            if (uint32_t d = field->DateTimeProps()->GetDefaultValue(); d == 1 || d == 2) SetToday();
            break;
        case TIME_T:
            if (uint32_t d = field->DateTimeProps()->GetDefaultValue(); d == 1 || d == 2) SetNow();
            break;
        case AUTO_INC_T:
            SetLong(field->NumberProps()->GetNextValue());
            break;
        default:
            break;
    }
}

void CTbObjRecordValue::SetText(std::string_view text) {
    StoreOwnText(text);
    SetHasValue(true);
}

void CTbObjRecordValue::ShareTextReplacingOwn(const char* stored) {
    if (ExtIfAny()) {
        StoreOwnText(stored ? TbStoredTextView(stored) : std::string_view());
    } else {
        ReleaseStore();
        m_store = reinterpret_cast<uintptr_t>(stored) | (stored ? TagSharedText : TagOwnText);
    }
    SetHasValue(true);
}

void CTbObjRecordValue::StoreParts(int a, int b, int c) {
    m_parts[0] = static_cast<int16_t>(a);
    m_parts[1] = static_cast<int16_t>(b);
    m_parts[2] = static_cast<int16_t>(c);
}

void CTbObjRecordValue::SetShort(int16_t value) {
    StoreParts(value, 0, 0);
    SetKind(KindShort);
    SetHasValue(true);
}

void CTbObjRecordValue::SetLong(int32_t value) {
    StoreParts(0, 0, 0);
    std::memcpy(m_parts, &value, sizeof value);
    SetKind(KindLong);
    SetHasValue(true);
}

void CTbObjRecordValue::SetFloat(float value) {
    StoreParts(0, 0, 0);
    std::memcpy(m_parts, &value, sizeof value);
    SetKind(KindFloat);
    SetHasValue(true);
}

void CTbObjRecordValue::SetChecked(bool checked) {
    SetBit(kChecked, checked);
    SetHasValue(true);
}

void CTbObjRecordValue::SetColour(uint32_t colour) {
    uint32_t code = colour <= TB_YELLOW ? colour : TB_BLACK;
    m_bits = static_cast<uint8_t>((m_bits & ~(7u << kColourShift)) | (code << kColourShift));
}

uint32_t CTbObjRecordValue::GetExtraWord() const {
    const Extension* ext = ExtIfAny();
    return ext ? ext->extraWord : 0;
}

void CTbObjRecordValue::SetExtraWord(uint32_t word) {
    if (word != 0 || ExtIfAny()) Ext().extraWord = word;
}

void CTbObjRecordValue::SetDate(int year, int month, int day) {
    StoreParts(year, month, day);
    SetKind(KindParts);
    SetHasValue(year != 0 || month != 0 || day != 0);
}

void CTbObjRecordValue::GetDate(int16_t* year, int16_t* month, int16_t* day) const {
    bool parts = StoredKind() == KindParts;
    *year = parts ? m_parts[0] : 0;
    *month = parts ? m_parts[1] : 0;
    *day = parts ? m_parts[2] : 0;
}

void CTbObjRecordValue::SetTime(int hour, int minute, int second) {
    StoreParts(hour, minute, second);
    SetKind(KindParts);
    SetHasValue(true);
}

void CTbObjRecordValue::GetTime(int16_t* hour, int16_t* minute, int16_t* second) const {
    GetDate(hour, minute, second);
}

void CTbObjRecordValue::SetToday() {
    pf::CalendarDate today = pf::LocalToday();
    SetDate(today.year, today.month, today.day);
}

void CTbObjRecordValue::SetNow() {
    pf::ClockTime now = pf::LocalNow();
    SetTime(now.hour, now.minute, now.second);
}

uint32_t CTbObjRecordValue::PackedDate() const {
    int16_t y, m, d;
    GetDate(&y, &m, &d);
    return Pack(y, m, d);
}

uint32_t CTbObjRecordValue::PackedTime() const { return PackedDate(); }

std::string CTbObjRecordValue::DateAsText() {
    int16_t y, m, d;
    GetDate(&y, &m, &d);
    if (!HasValue() || y < 1 || m < 1 || d < 1) return {};
    if (!pf::IsValidDate(y, m, d)) {
        StoreParts(0, 0, 0);
        return {};
    }
    return pf::FormatDateOnly(y, m, d);
}

std::string CTbObjRecordValue::TimeAsText() {
    int16_t h, m, s;
    GetTime(&h, &m, &s);
    if (!pf::IsValidTime(h, m, s)) {
        StoreParts(0, 0, 0);
        h = m = s = 0;
    }
    return pf::FormatTimeOnly(h, m, s);
}

const std::vector<uint8_t>& CTbObjRecordValue::GetData() const {
    static const std::vector<uint8_t> kNone;
    const Extension* ext = ExtIfAny();
    return ext ? ext->data : kNone;
}

void CTbObjRecordValue::SetData(std::vector<uint8_t> data) {
    if (data.empty() && !ExtIfAny()) return;
    Ext().data = std::move(data);
}

CTbObjRecordValue& CTbObjRecordValue::JoinedValue() {
    Extension& ext = Ext();
    if (!ext.joined) ext.joined = std::make_unique<CTbObjRecordValue>();
    return *ext.joined;
}

const CTbObjRecordValue* CTbObjRecordValue::JoinedValueIfAny() const {
    const Extension* ext = ExtIfAny();
    return ext ? ext->joined.get() : nullptr;
}
