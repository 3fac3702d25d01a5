// How two records compare on a field, the order that sorting by views and headings uses.
#include "model/TbRecordOrder.h"
#include "model/TbText.h"

namespace {
template <typename T>
int Sign(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}
}  // namespace

using Order = TbOrder;

TbOrder TbOrderOfValueType(int type) {
    switch (TbValueKindOf(type)) {
        case TbValueKind::Text:
            return Order::Text;
        case TbValueKind::ItemText:
            return Order::ItemText;
        case TbValueKind::Short:
            return Order::Short;
        case TbValueKind::Long:
        case TbValueKind::Key:
            return Order::Long;
        case TbValueKind::Float:
            return Order::Float;
        case TbValueKind::Checked:
            return Order::Checked;
        case TbValueKind::Date:
        case TbValueKind::Time:
            return Order::Packed;
        default:
            return Order::Equal;
    }
}

TbOrder TbOrderOfField(const CTbObjField& field) {
    switch (field.GetType()) {
        case NOTUSED_T:
        case ONE_TO_MANY_T:
        case IMAGE_T:
        case PLUGIN_T:
            return Order::Equal;
        case KEY_T:
            return Order::Key;
        case EXPRESSION_T:
        case ADV_EXPRESSION_T:
        case DB_JOIN_T:
        case DB_LOOKUP_T:
            return TbOrderOfValueType(field.GetValueType());
        default:
            return TbOrderOfValueType(field.GetType());
    }
}

std::string TbItemText(const CTbObjRecordValue& value, const CTbObjField* field) {
    std::string_view text = value.GetText();
    if (text.empty() && field && field->ListProps())
        return field->ListProps()->Items().TextOfIndex(value.GetShort());
    return std::string(text);
}

int TbCompareValues(TbOrder order, const CTbObjRecordValue& a, const CTbObjRecordValue& b,
                    const CTbObjField* field) {
    switch (order) {
        case Order::Text:
            return CompareNoCase(a.GetText(), b.GetText());
        case Order::ItemText:
            if (!a.GetText().empty() && !b.GetText().empty()) return CompareNoCase(a.GetText(), b.GetText());
            return CompareNoCase(TbItemText(a, field), TbItemText(b, field));
        case Order::Short:
            return Sign(a.GetShort(), b.GetShort());
        case Order::Long:
            return Sign(a.GetLong(), b.GetLong());
        case Order::Float:
            return Sign(a.GetFloat(), b.GetFloat());
        case Order::Checked:
            return a.GetChecked() == b.GetChecked() ? 0 : (a.GetChecked() ? -1 : 1);
        case Order::Packed:
            return Sign(a.PackedDate(), b.PackedDate());
        default:
            return 0;
    }
}

int CTbObjRecordList::CompareRecords(const CTbObjRecord& a, const CTbObjRecord& b, const CTbObjField& field) {
    const CTbObjRecordValue& va = *a.Value(field.GetSlot());
    const CTbObjRecordValue& vb = *b.Value(field.GetSlot());
    if (TbIsJoinType(field.GetType()) && TbIsJoinType(va.GetType()) && TbIsJoinType(vb.GetType())) {
        static const CTbObjRecordValue kEmpty;
        const CTbObjRecordValue* ja = va.JoinedValueIfAny();
        const CTbObjRecordValue* jb = vb.JoinedValueIfAny();
        const CTbObjRecordValue& left = ja ? *ja : kEmpty;
        return TbCompareValues(TbOrderOfValueType(left.GetType()), left, jb ? *jb : kEmpty, nullptr);
    }
    TbOrder order = TbOrderOfField(field);
    if (order == Order::Key) return Sign(static_cast<int32_t>(a.GetKey()), static_cast<int32_t>(b.GetKey()));
    return TbCompareValues(order, va, vb, &field);
}
