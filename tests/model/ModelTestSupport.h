// Helpers shared by the model tests: Tabulons with typed fields, the order a record list shows,
// packed dates and times as the tests compute them, and a time zone on another day than UTC.
#pragma once

#include "model/TbObjDB.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include <time.h>

// Adds a user field of a type and returns it (the lowest free slot, so the first is slot 1).
inline CTbObjField& AddTypedField(CTbObjDB& db, const std::string& name, TbFieldType type) {
    CTbObjField* field = db.AddField(name, type);
    if (!field) ADD_FAILURE() << "no free slot for " << name;
    return *field;
}

inline uint16_t SlotOf(const CTbObjField& field) { return static_cast<uint16_t>(field.GetSlot()); }

// A Tabulon whose only user field (slot 1) has the given type, not marked modified.
struct OneField {
    explicit OneField(TbFieldType type) : field(AddTypedField(db, "F", type)) { db.SetModified(false); }
    // The field's value in a new record.
    CTbObjRecordValue& NewValue(bool applyDefaults = true) {
        return *db.Records().AddRecord(true, applyDefaults)->Value(field.GetSlot());
    }
    CTbObjDB db;
    CTbObjField& field;
};

// Stores a value into one record value; table-driven cases give their values as these.
using Fill = std::function<void(CTbObjRecordValue&)>;
inline const auto Text = [](const char* t) -> Fill { return [=](CTbObjRecordValue& v) { v.SetText(t); }; };
inline const auto Short = [](int16_t n) -> Fill { return [=](CTbObjRecordValue& v) { v.SetShort(n); }; };
inline const auto Long = [](int32_t n) -> Fill { return [=](CTbObjRecordValue& v) { v.SetLong(n); }; };
inline const auto Float = [](float n) -> Fill { return [=](CTbObjRecordValue& v) { v.SetFloat(n); }; };
inline const auto Checked = [](bool on) -> Fill { return [=](CTbObjRecordValue& v) { v.SetChecked(on); }; };
inline const auto Date = [](int y, int m, int d) -> Fill {
    return [=](CTbObjRecordValue& v) { v.SetDate(y, m, d); };
};
inline const auto Time = [](int h, int m, int s) -> Fill {
    return [=](CTbObjRecordValue& v) { v.SetTime(h, m, s); };
};
inline const Fill Unset = [](CTbObjRecordValue&) {};
// A selected item as the record editor stores it: its index and its text.
inline const auto Item = [](int16_t i, const char* t) -> Fill {
    return [=](CTbObjRecordValue& v) { v.SetShort(i), v.SetText(t); };
};
// A value found in another Tabulon for a DB Join, beside the record's own text.
inline const auto Joined = [](TbFieldType type, Fill fill, const char* ownText) -> Fill {
    return [=](CTbObjRecordValue& v) {
        v.SetText(ownText);
        v.JoinedValue().SetType(static_cast<uint16_t>(type));
        fill(v.JoinedValue());
    };
};

// The record keys in the order the list shows them (the subset when it is active).
inline std::vector<uint32_t> ShownKeys(const CTbObjRecordList& list) {
    std::vector<uint32_t> keys;
    for (int i = 0; i < list.Count(); ++i) keys.push_back(list.Record(i) ? list.Record(i)->GetKey() : ~0u);
    return keys;
}

// The record keys in stored order.
inline std::vector<uint32_t> StoredKeys(const CTbObjRecordList& list) {
    std::vector<uint32_t> keys;
    for (int i = 0; i < list.Count(true); ++i) keys.push_back(list.RecordInStoredOrder(i)->GetKey());
    return keys;
}

// The fields of a view's columns in their order.
inline std::vector<uint16_t> ColumnFields(const CTbObjView& view) {
    std::vector<uint16_t> fields;
    for (int i = 0; i < view.ColumnCount(); ++i) fields.push_back(view.Column(i)->GetField());
    return fields;
}

inline uint32_t PackParts(int a, int b, int c) {
    return static_cast<uint32_t>(a) * 65536u + static_cast<uint32_t>(b) * 256u + static_cast<uint32_t>(c);
}

inline std::tm UtcParts(std::time_t when) {
    std::tm parts{};
    gmtime_r(&when, &parts);
    return parts;
}

inline std::tm LocalParts(std::time_t when) {
    std::tm parts{};
    localtime_r(&when, &parts);
    return parts;
}

inline uint32_t PackedDateOf(const std::tm& p) {
    return PackParts(p.tm_year + 1900, p.tm_mon + 1, p.tm_mday);
}
inline uint32_t PackedTimeOf(const std::tm& p) {
    return PackParts(p.tm_hour, p.tm_min, p.tm_sec > 59 ? 59 : p.tm_sec);
}

// A zone whose calendar date differs from the UTC date right now (twelve hours behind in the UTC
// morning, fourteen ahead in the afternoon): reading the wrong clock gives another day.
inline const char* ZoneOnAnotherDayThanUtc() {
    return UtcParts(std::time(nullptr)).tm_hour < 10 ? "XYZ+12" : "XYZ-14";
}
