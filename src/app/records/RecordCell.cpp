// The cell of each field type, and the result formats of expression fields.
#include "app/records/RecordCell.h"

#include "app/widgets/QtText.h"
#include "expr/TbValueText.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

#include <algorithm>
#include <cmath>

namespace orvanta::app {
namespace {

RecordCell TextCell(QString text) { return {RecordCell::Text, std::move(text), false, std::nullopt}; }

RecordCell NumberCell(QString text) { return {RecordCell::Number, std::move(text), false, std::nullopt}; }

QString Fixed(double value, int decimals) { return QString::number(value, 'f', std::clamp(decimals, 0, 10)); }

// Black, red, green, blue and yellow, as a computed value's colour number names them.
std::optional<QColor> ValueColour(uint32_t colour) {
    static const QColor kColours[] = {QColor(0, 0, 0), QColor(255, 0, 0), QColor(0, 255, 0),
                                      QColor(0, 0, 255), QColor(255, 255, 0)};
    if (colour < 5) return kColours[colour];
    return std::nullopt;
}

RecordCell ExpressionCell(const CTbObjField& field, const CTbObjRecordValue& value) {
    const CTbObjFieldExpr* expr = field.ExprProps();
    const int format = expr ? expr->GetResultFormat() : EXPR_RESULT_TEXT;
    const double number = value.GetFloat();
    CTbObjRecordValue copy = value;
    if (ExprResultIsClock(format)) return TextCell(ClockText(number, format == EXPR_RESULT_HHMMSS));
    if (ExprResultIsCount(format))
        return NumberCell(QString::number(static_cast<long long>(std::trunc(number))));
    switch (ExprResultValueType(format)) {
        case FLOATING_T:
            return NumberCell(Fixed(number, expr->GetDecimals()));
        case DATE_T:
            return TextCell(ToQt(copy.DateAsText()));
        case TIME_T:
            return TextCell(ToQt(copy.TimeAsText()));
        default:
            return TextCell(ToQt(std::string(value.GetText())));
    }
}

RecordCell OwnCell(const CTbObjRecord& record, const CTbObjField& field, const CTbObjRecordValue& value) {
    switch (field.GetType()) {
        case TEXT_T:
        case MEMO_T:
        case COND_EXP_T:
            return TextCell(FirstLine(value.GetText()));
        case INTEGER_T:
            return NumberCell(QString::number(value.GetShort()));
        case LONG_T:
        case AUTO_INC_T:
            return NumberCell(QString::number(value.GetLong()));
        case KEY_T:
            return NumberCell(QString::number(record.GetKey()));
        case FLOATING_T: {
            const CTbObjFieldNumber* number = field.NumberProps();
            return NumberCell(Fixed(value.GetFloat(), number ? number->GetDecimals() : 3));
        }
        case LIST_T:
        case RADIO_T:
            return TextCell(ToQt(ListItemText(value, &field)));
        case CHECKBOX_T:
            return {RecordCell::Check, QString(), value.GetChecked(), std::nullopt};
        case ONE_TO_MANY_T:
            return TextCell("One To Many");
        case IMAGE_T:
            return {RecordCell::Button, value.GetData().empty() ? "No Image" : "View Image", false,
                    std::nullopt};
        case PLUGIN_T:
            return TextCell("Plugin");
        case EXPRESSION_T:
        case ADV_EXPRESSION_T:
            return ExpressionCell(field, value);
        default:
            return TextCell(ToQt(ValueAsText(record, field)));
    }
}

}  // namespace

QString FirstLine(std::string_view text) {
    size_t end = text.find_first_of("\r\n");
    return ToQt(std::string(text.substr(0, end)));
}

QString ClockText(double seconds, bool withSeconds) {
    const auto whole = static_cast<uint16_t>(static_cast<int64_t>(std::trunc(seconds)));
    const int hours = whole / 3600, minutes = whole % 3600 / 60, rest = whole % 60;
    QString text = QString("%1:%2").arg(hours, 2, 10, QChar('0')).arg(minutes, 2, 10, QChar('0'));
    return withSeconds ? text + QString(":%1").arg(rest, 2, 10, QChar('0')) : text;
}

QVariant CellRoleData(const RecordCell& cell, int role) {
    switch (role) {
        case Qt::DisplayRole:
            return cell.kind == RecordCell::Check ? QVariant() : QVariant(cell.text);
        case Qt::CheckStateRole:
            if (cell.kind != RecordCell::Check) return {};
            return cell.checked ? Qt::Checked : Qt::Unchecked;
        case Qt::ForegroundRole:
            return cell.colour ? QVariant(*cell.colour) : QVariant();
        case Qt::TextAlignmentRole:
            if (cell.kind == RecordCell::Number)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            if (cell.kind == RecordCell::Check || cell.kind == RecordCell::Button) return Qt::AlignCenter;
            return {};
        default:
            return {};
    }
}

RecordCell CellOf(const CTbObjRecord& record, const CTbObjField& field) {
    const CTbObjRecordValue* value = record.Value(field.GetSlot());
    if (!value) return {};
    if (field.GetType() == DB_JOIN_T || field.GetType() == DB_LOOKUP_T) {
        const CTbObjRecordValue* joined = value->JoinedValueIfAny();
        if (joined && joined->GetType() == CHECKBOX_T)
            return {RecordCell::Check, QString(), joined->GetChecked(), std::nullopt};
        return TextCell(ToQt(ValueAsText(record, field)));
    }
    RecordCell cell = OwnCell(record, field, *value);
    if (field.GetType() == COND_EXP_T || field.GetType() == ADV_EXPRESSION_T)
        cell.colour = ValueColour(value->GetColour());
    return cell;
}

}  // namespace orvanta::app
