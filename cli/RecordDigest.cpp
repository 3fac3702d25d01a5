// RecordDigest: each part of a record folded into 64 bits, a word at a time; texts and data
// bytes through the standard library's string hash.
#include "cli/RecordDigest.h"

#include "cli/JsonExport.h"

#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"

#include <bit>
#include <functional>
#include <string_view>

namespace orvanta::cli {
namespace {

class Digest {
public:
    void Add(uint64_t word) { m_value = (std::rotl(m_value, 5) ^ word) * 0x9E3779B97F4A7C15ull; }
    void Add(std::string_view bytes) {
        Add(bytes.size());
        if (!bytes.empty()) Add(std::hash<std::string_view>{}(bytes));
    }
    uint64_t Value() const { return m_value; }

private:
    uint64_t m_value = 0;
};

void AddValue(Digest& digest, int slot, const CTbObjRecordValue& value) {
    int16_t parts[3];
    value.GetDate(&parts[0], &parts[1], &parts[2]);
    digest.Add(uint64_t{static_cast<uint16_t>(value.GetShort())} | uint64_t{value.GetType()} << 16 |
               uint64_t{value.HasValue()} << 32 | uint64_t{value.GetChecked()} << 33 |
               uint64_t{value.GetColour()} << 34 | uint64_t(slot) << 40);
    digest.Add(uint64_t{static_cast<uint32_t>(value.GetLong())} |
               uint64_t{std::bit_cast<uint32_t>(value.GetFloat())} << 32);
    digest.Add(uint64_t{static_cast<uint16_t>(parts[0])} | uint64_t{static_cast<uint16_t>(parts[1])} << 16 |
               uint64_t{static_cast<uint16_t>(parts[2])} << 32);
    digest.Add(uint64_t{value.GetExtraWord()});
    digest.Add(value.GetText());
    const std::vector<uint8_t>& data = value.GetData();
    digest.Add(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
}

}  // namespace

uint64_t RecordDigest(const CTbObjDB& db, const CTbObjRecord& record) {
    Digest digest;
    digest.Add(uint64_t{record.GetKey()} | uint64_t{record.GetCategory()} << 32);
    digest.Add(uint64_t{record.GetUniqueId()});
    for (int slot = 1; slot < MaxFieldSlots; ++slot) {
        const CTbObjField* field = db.Field(slot);
        const CTbObjRecordValue* value = record.Value(slot);
        if (field && field->IsUsed() && value && IsValueSet(*value)) AddValue(digest, slot, *value);
    }
    return digest.Value();
}

}  // namespace orvanta::cli
