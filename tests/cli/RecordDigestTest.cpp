// Record digests as check compares them: equal for records whose JSON is made from the same
// parts, different after any change the JSON shows, and blind to values the JSON leaves out
// (those of unused fields).
#include "cli/RecordDigest.h"

#include "model/TbObjDB.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

using orvanta::cli::RecordDigest;

namespace {

struct DigestCase {
    const char* name;
    std::function<void(CTbObjRecord&)> change;
};

// A Tabulon with a field of each kind of part, slots 1 to 7.
class RecordDigests : public ::testing::TestWithParam<DigestCase> {
protected:
    RecordDigests() {
        const std::pair<const char*, TbFieldType> fields[] = {
            {"Text", TEXT_T},     {"Integer", INTEGER_T},      {"Float", FLOATING_T}, {"Date", DATE_T},
            {"Mood", COND_EXP_T}, {"Address", ADDR_BK_JOIN_T}, {"Picture", IMAGE_T}};
        for (const auto& [name, type] : fields) db.AddField(name, type);
    }
    // A record with every field set, the same each time.
    CTbObjRecord& FilledRecord() {
        CTbObjRecord& record = *db.Records().AddRecord(true, false);
        record.SetUniqueId(0x123456);
        record.Value(0)->SetShort(2);
        record.Value(1)->SetText("Caf\xE9");
        record.Value(2)->SetShort(42);
        record.Value(3)->SetFloat(2.5f);
        record.Value(4)->SetDate(2004, 10, 27);
        record.Value(5)->SetText("warm");
        record.Value(5)->SetColour(TB_RED);
        record.Value(6)->SetText("Zo\xEB");
        record.Value(6)->SetExtraWord(77);
        record.Value(7)->SetData({1, 2, 3});
        record.Value(7)->SetHasValue(true);
        return record;
    }
    uint64_t Digest(const CTbObjRecord& record) const { return RecordDigest(db, record); }

    CTbObjDB db;
};

TEST_P(RecordDigests, ChangeOfAPartTheJsonShowsChangesTheDigest) {
    CTbObjRecord& first = FilledRecord();
    CTbObjRecord& second = FilledRecord();
    second.SetKey(first.GetKey());
    second.Value(40)->SetText("a slot without a field");  // values of unused fields do not count
    first.Value(80)->SetLong(12);
    EXPECT_EQ(Digest(first), Digest(second));
    GetParam().change(second);
    EXPECT_NE(Digest(first), Digest(second));
}

INSTANTIATE_TEST_SUITE_P(
    EachPart, RecordDigests,
    ::testing::Values(DigestCase{"Key", [](CTbObjRecord& r) { r.SetKey(r.GetKey() + 1); }},
                      DigestCase{"Category", [](CTbObjRecord& r) { r.Value(0)->SetShort(3); }},
                      DigestCase{"UniqueId", [](CTbObjRecord& r) { r.SetUniqueId(0x123457); }},
                      DigestCase{"Text", [](CTbObjRecord& r) { r.Value(1)->SetText("Cafe"); }},
                      DigestCase{"TextUnset", [](CTbObjRecord& r) { r.Value(1)->Reset(nullptr, false); }},
                      DigestCase{"Integer", [](CTbObjRecord& r) { r.Value(2)->SetShort(43); }},
                      DigestCase{"Float", [](CTbObjRecord& r) { r.Value(3)->SetFloat(2.25f); }},
                      DigestCase{"Day", [](CTbObjRecord& r) { r.Value(4)->SetDate(2004, 10, 28); }},
                      DigestCase{"Colour", [](CTbObjRecord& r) { r.Value(5)->SetColour(TB_GREEN); }},
                      DigestCase{"ExtraWord", [](CTbObjRecord& r) { r.Value(6)->SetExtraWord(78); }},
                      DigestCase{"DataBytes",
                                 [](CTbObjRecord& r) {
                                     r.Value(7)->SetData({1, 2, 4});
                                 }},
                      DigestCase{"HasValue", [](CTbObjRecord& r) { r.Value(2)->SetHasValue(false); }},
                      DigestCase{"TextMovedToTheNextField",
                                 [](CTbObjRecord& r) {
                                     r.Value(1)->Reset(nullptr, false);
                                     r.Value(5)->SetText("Caf\xE9");
                                 }}),
    [](const ::testing::TestParamInfo<DigestCase>& info) { return std::string(info.param.name); });

}  // namespace
