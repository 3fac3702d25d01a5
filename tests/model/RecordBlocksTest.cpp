// Records kept in blocks: many records across blocks keep their values, a removed record's room
// is used again by the next one, and a list emptied and filled again starts afresh.
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>

TEST(RecordBlocks, RecordsAcrossManyBlocksKeepTheirValuesAndRemovedOnesLeaveTheRest) {
    CTbObjDB db;
    CTbObjField& field = AddTypedField(db, "Name", TEXT_T);
    const int count = 3000;  // about three blocks
    for (int i = 0; i < count; ++i)
        db.Records().AddRecord(true, false)->Value(field.GetSlot())->SetText("record " + std::to_string(i));
    db.Records().RemoveRecord(db.Records().RecordInStoredOrder(1500));
    CTbObjRecord* added = db.Records().AddRecord(true, true);
    EXPECT_EQ(added->Value(field.GetSlot())->GetType(), TEXT_T);
    EXPECT_FALSE(added->Value(field.GetSlot())->HasValue());
    ASSERT_EQ(db.Records().Count(true), count);
    for (int i = 0; i < count - 1; ++i) {
        int number = i < 1500 ? i : i + 1;
        const CTbObjRecord* record = db.Records().RecordInStoredOrder(i);
        ASSERT_EQ(record->GetKey(), static_cast<uint32_t>(number + 1)) << i;
        ASSERT_EQ(record->Value(field.GetSlot())->GetText(), "record " + std::to_string(number)) << i;
    }
    EXPECT_EQ(db.Records().RecordInStoredOrder(count - 1), added);
}

TEST(RecordBlocks, AListEmptiedAndFilledAgainHoldsOnlyTheNewRecords) {
    CTbObjDB db;
    CTbObjField& field = AddTypedField(db, "Count", INTEGER_T);
    for (int i = 0; i < 2000; ++i) db.Records().AddRecord(true, false)->Value(field.GetSlot())->SetShort(1);
    db.Records().DeleteAllRecords();
    EXPECT_EQ(db.Records().Count(true), 0);
    CTbObjRecord* record = db.Records().AddRecord(true, false);
    EXPECT_EQ(db.Records().Count(true), 1);
    EXPECT_EQ(record->Value(field.GetSlot())->GetType(), INTEGER_T);
    EXPECT_FALSE(record->Value(field.GetSlot())->HasValue());
    EXPECT_EQ(record->Value(field.GetSlot())->GetShort(), 0);
}
