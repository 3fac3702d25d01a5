// The view sort takes each record's sort values out once for speed; these cases check that
// the order it gives is exactly the order of comparing the records themselves.
#include "model/TbObjDB.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

struct KeyChoice {
    TbFieldType type;
    uint16_t direction;
};

class SortOrderTest : public ::testing::TestWithParam<unsigned> {};

// Few distinct values per field, so that ties fall through to the later keys.
void Fill(CTbObjDB& db, std::mt19937& random, int records) {
    static const char* kWords[] = {"apple", "Apple", "b", "", "Äpfel", "zebra", "äpfel"};
    for (int i = 0; i < records; ++i) {
        CTbObjRecord* record = db.Records().AddRecord(true, false);
        for (int slot = 1; slot < MaxFieldSlots; ++slot) {
            CTbObjRecordValue& value = *record->Value(slot);
            switch (db.Field(slot)->GetType()) {
            case TEXT_T: value.SetText(kWords[random() % 7]); break;
            case INTEGER_T: value.SetShort(static_cast<int16_t>(random() % 5 - 2)); break;
            case LONG_T: value.SetLong(static_cast<int32_t>(random() % 5) * 1000000 - 2000000); break;
            case FLOATING_T: value.SetFloat(static_cast<float>(random() % 5) / 4.0f - 0.5f); break;
            case CHECKBOX_T: if (random() % 2) value.SetChecked(true); break;
            case DATE_T: if (random() % 4) value.SetDate(2000 + random() % 2, 1 + random() % 2, 1 + random() % 2); break;
            case TIME_T: value.SetTime(random() % 2, random() % 2, random() % 3); break;
            case LIST_T: value.SetShort(static_cast<int16_t>(random() % 4)); break;
            default: break;
            }
        }
        if (random() % 3 == 0) record->SetKey(static_cast<uint32_t>(random() % 4) * 0x7FFFFFFFu);
    }
}

TEST_P(SortOrderTest, ViewOrderEqualsRecordComparisonOrder) {
    std::mt19937 random(GetParam());
    CTbObjDB db;
    const TbFieldType types[] = {TEXT_T, INTEGER_T, LONG_T, FLOATING_T, CHECKBOX_T, DATE_T, TIME_T, LIST_T, KEY_T};
    for (TbFieldType type : types) db.AddField(std::string(FieldTypeLabel(type)), type);
    CTbObjListItems& items = db.Field(db.FindField("List", LIST_T))->ListProps()->Items();
    for (const char* item : {"one", "Two", "three"}) items.AddItem(item);
    Fill(db, random, 300);

    CTbObjView* view = db.AddView();
    std::vector<std::pair<const CTbObjField*, bool>> keys;
    for (int k = 1; k <= 3; ++k) {
        const CTbObjField* field = db.Field(1 + static_cast<int>(random() % std::size(types)));
        bool descending = random() % 2;
        view->AddColumn(static_cast<uint16_t>(field->GetSlot()));
        view->SetSortKey(k, static_cast<uint16_t>(field->GetSlot()), descending ? 1 : 0);
        keys.push_back({field, descending});
    }
    db.Records().ApplyView(0);

    std::vector<CTbObjRecord*> expected;
    for (int i = 0; i < db.Records().Count(true); ++i) expected.push_back(db.Records().RecordInStoredOrder(i));
    std::stable_sort(expected.begin(), expected.end(), [&](CTbObjRecord* a, CTbObjRecord* b) {
        for (auto& [field, descending] : keys) {
            int r = CTbObjRecordList::CompareRecords(*a, *b, *field);
            if (r != 0) return descending ? r > 0 : r < 0;
        }
        return false;
    });
    ASSERT_EQ(db.Records().Count(), static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(db.Records().Record(static_cast<int>(i)), expected[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Seeds, SortOrderTest, ::testing::Range(1u, 41u));

}  // namespace
