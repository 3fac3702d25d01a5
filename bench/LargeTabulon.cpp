#include "LargeTabulon.h"

#include <malloc.h>
#include <random>
#include <string>

namespace {

// The field mix: 16 Text, 8 Memo, and 8 each of Integer, Long, Float, List, Checkbox, Date, Time.
void AddFields(CTbObjDB& db) {
    struct Group {
        TbFieldType type;
        int count;
        const char* name;
    };
    const Group groups[] = {{TEXT_T, 16, "Text"},     {MEMO_T, 8, "Memo"},      {INTEGER_T, 8, "Int"},
                            {LONG_T, 8, "Long"},      {FLOATING_T, 8, "Float"}, {LIST_T, 8, "List"},
                            {CHECKBOX_T, 8, "Check"}, {DATE_T, 8, "Date"},      {TIME_T, 8, "Time"}};
    for (const Group& group : groups)
        for (int i = 0; i < group.count; ++i) {
            CTbObjField* field = db.AddField(group.name + std::to_string(i), group.type);
            if (group.type == LIST_T)
                for (const char* item : {"Red", "Green", "Blue", "Yellow"})
                    field->ListProps()->Items().AddItem(item);
        }
}

std::string Word(std::mt19937& random, size_t length) {
    std::string text(length, ' ');
    for (char& c : text) c = static_cast<char>('a' + random() % 26);
    return text;
}

void FillRecord(CTbObjDB& db, CTbObjRecord& record, std::mt19937& random) {
    for (int slot = 1; slot <= MaxUserFields; ++slot) {
        CTbObjRecordValue& value = *record.Value(slot);
        switch (db.Field(slot)->GetType()) {
            case TEXT_T:
                value.SetText(Word(random, 20));
                break;
            case MEMO_T:
                value.SetText(Word(random, 100));
                break;
            case INTEGER_T:
                value.SetShort(static_cast<int16_t>(random() % 1000));
                break;
            case LONG_T:
                value.SetLong(static_cast<int32_t>(random()));
                break;
            case FLOATING_T:
                value.SetFloat(static_cast<float>(random() % 100000) / 100.0f);
                break;
            case LIST_T: {
                int index = 1 + static_cast<int>(random() % 4);
                value.SetShort(static_cast<int16_t>(index));
                value.SetText(db.Field(slot)->ListProps()->Items().TextOfIndex(index));
                break;
            }
            case CHECKBOX_T:
                value.SetChecked(random() % 2);
                break;
            case DATE_T:
                value.SetDate(1990 + random() % 30, 1 + random() % 12, 1 + random() % 28);
                break;
            case TIME_T:
                value.SetTime(random() % 24, random() % 60, random() % 60);
                break;
            default:
                break;
        }
    }
}

}  // namespace

size_t HeapInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

std::unique_ptr<CTbObjDB> BuildLargeTabulon() {
    auto db = std::make_unique<CTbObjDB>();
    AddFields(*db);
    std::mt19937 random(42);
    db->Records().Reserve(kLargeTabulonRecords);
    for (int i = 0; i < kLargeTabulonRecords; ++i)
        FillRecord(*db, *db->Records().AddRecord(true, false), random);
    return db;
}
