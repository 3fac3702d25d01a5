// RecordCell: what the record grid shows for a field of a record: text, a number, a check box
// or an image button, and the colour of a computed value; each made only when a cell is drawn.
#pragma once

#include <QColor>
#include <QString>
#include <QVariant>

#include <optional>
#include <string_view>

class CTbObjField;
class CTbObjRecord;

namespace orvanta::app {

struct RecordCell {
    enum Kind { Text, Number, Check, Button };
    Kind kind = Text;
    QString text;
    bool checked = false;
    std::optional<QColor> colour;
};

RecordCell CellOf(const CTbObjRecord& record, const CTbObjField& field);

// What a grid shows of a cell for a display, check state, colour or alignment role.
QVariant CellRoleData(const RecordCell& cell, int role);

// The text up to its first line break.
QString FirstLine(std::string_view text);

// "HH:mm:ss" or "HH:mm" of a number of seconds held in 16 bits, as HHMMSS and HHMM results show.
QString ClockText(double seconds, bool withSeconds);

}  // namespace orvanta::app
