// Helpers shared by the record, filter and view tests: building a Tabulon with fields, reading
// back the order of a record list, the clocks as the tests compute them, and a time zone that a
// test can move the local clock to.
#pragma once

#include "model/TbObjDB.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
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

// A position the list counts but has no record for shows as this key.
inline constexpr uint32_t kMissingRecord = 0xFFFFFFFFu;

// The record keys in the order the list shows them (the subset when it is active).
inline std::vector<uint32_t> ShownKeys(const CTbObjRecordList& list) {
    std::vector<uint32_t> keys;
    for (int i = 0; i < list.Count(); ++i) {
        const CTbObjRecord* record = list.Record(i);
        keys.push_back(record ? record->GetKey() : kMissingRecord);
    }
    return keys;
}

// The record keys in stored order.
inline std::vector<uint32_t> StoredKeys(const CTbObjRecordList& list) {
    std::vector<uint32_t> keys;
    for (int i = 0; i < list.Count(true); ++i) {
        const CTbObjRecord* record = list.RecordInStoredOrder(i);
        keys.push_back(record ? record->GetKey() : kMissingRecord);
    }
    return keys;
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

inline uint32_t PackedDateOf(const std::tm& parts) {
    return PackParts(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
}

inline uint32_t PackedTimeOf(const std::tm& parts) {
    return PackParts(parts.tm_hour, parts.tm_min, parts.tm_sec > 59 ? 59 : parts.tm_sec);
}

// Moves the local clock to another zone (a POSIX TZ text) for the test's lifetime.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* tz) {
        if (const char* old = std::getenv("TZ")) m_previous = old;
        ::setenv("TZ", tz, 1);
        ::tzset();
    }
    ~ScopedTimeZone() {
        if (m_previous)
            ::setenv("TZ", m_previous->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> m_previous;
};

// A zone whose calendar date differs from the UTC date right now: twelve hours behind UTC in the
// UTC morning, fourteen hours ahead in the UTC afternoon. With it, reading the local clock where
// the UTC clock is meant (or the other way round) gives another day.
inline const char* ZoneOnAnotherDayThanUtc() {
    return UtcParts(std::time(nullptr)).tm_hour < 10 ? "XYZ+12" : "XYZ-14";
}
