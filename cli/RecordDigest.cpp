// RecordDigest: the parts of a record folded into 64 bits; texts and data bytes through the
// standard library's string hash.
#include "cli/RecordDigest.h"

#include "cli/JsonExport.h"

#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"

#include <bit>
#include <functional>
#include <string_view>

namespace orvanta::cli {
namespace {

// Parts of up to four words join a chain: the words of a part are mixed each on its own, so
// that the processor works on them side by side, and the chain takes one step per part.
class Digest {
public:
    void Add(uint64_t a, uint64_t b = 0, uint64_t c = 0, uint64_t d = 0) {
        uint64_t part = Mix(a, 0x9E3779B97F4A7C15ull) ^ Mix(b, 0xC2B2AE3D27D4EB4Full) ^
                        Mix(c, 0x165667B19E3779F9ull) ^ Mix(d, 0xD6E8FEB86659FD93ull);
        m_value = (std::rotl(m_value, 5) ^ part) * 0x9E3779B97F4A7C15ull;
    }
    uint64_t Value() const { return m_value; }

private:
    static uint64_t Mix(uint64_t word, uint64_t factor) {
        word *= factor;
        return word ^ (word >> 29);
    }

    uint64_t m_value = 0;
};

uint64_t BytesHash(std::string_view bytes) {
    return bytes.empty() ? 0 : std::hash<std::string_view>{}(bytes);
}

void AddValue(Digest& digest, int slot, const CTbObjRecordValue& value) {
    int16_t parts[3];
    value.GetDate(&parts[0], &parts[1], &parts[2]);
    digest.Add(uint64_t{static_cast<uint16_t>(value.GetShort())} | uint64_t{value.GetType()} << 16 |
                   uint64_t{value.HasValue()} << 32 | uint64_t{value.GetChecked()} << 33 |
                   uint64_t{value.GetColour()} << 34 | uint64_t(slot) << 40,
               uint64_t{static_cast<uint32_t>(value.GetLong())} |
                   uint64_t{std::bit_cast<uint32_t>(value.GetFloat())} << 32,
               uint64_t{static_cast<uint16_t>(parts[0])} | uint64_t{static_cast<uint16_t>(parts[1])} << 16 |
                   uint64_t{static_cast<uint16_t>(parts[2])} << 32,
               uint64_t{value.GetExtraWord()});
    std::string_view text = value.GetText();
    const std::vector<uint8_t>& data = value.GetData();
    std::string_view bytes(reinterpret_cast<const char*>(data.data()), data.size());
    digest.Add(text.size(), BytesHash(text), bytes.size(), BytesHash(bytes));
}

}  // namespace

uint64_t RecordDigest(const CTbObjDB& db, const CTbObjRecord& record) {
    Digest digest;
    digest.Add(record.GetKey(), record.GetCategory(), record.GetUniqueId());
    for (int slot = 1; slot < MaxFieldSlots; ++slot) {
        const CTbObjField* field = db.Field(slot);
        const CTbObjRecordValue* value = record.Value(slot);
        if (field && field->IsUsed() && value && IsValueSet(*value)) AddValue(digest, slot, *value);
    }
    return digest.Value();
}

}  // namespace orvanta::cli
