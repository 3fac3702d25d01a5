// Unique IDs of the records of one written Tabulon file: records keep the 24-bit IDs they
// were read with, and each record without one gets a new ID no other record carries.
#pragma once

#include <cstdint>
#include <unordered_set>
#include <vector>

namespace TbPdb {

inline constexpr uint32_t kUniqueIdMask = 0xFFFFFF;      // IDs are 24 bits in the record list
inline constexpr uint32_t kFirstNewUniqueId = 0x7FFFFF;  // the first new ID when none is in use

// Hands out new IDs for one write: the candidate starts at the largest ID in use (or at
// 0x7FFFFF when none is above 0) and goes up past every ID in use; it is kept between calls,
// so successive new IDs ascend.
class CTbUniqueIdAllocator {
public:
    // inUse: every ID that must not be given again; 0 stands for no ID and is ignored.
    explicit CTbUniqueIdAllocator(const std::vector<uint32_t>& inUse);

    // A new ID, marked in use from now on.
    uint32_t Next();

private:
    std::unordered_set<uint32_t> m_used;
    uint32_t m_candidate = kFirstNewUniqueId;
};

// The IDs to write, in file order: wanted[i] when it is not 0 (cut to 24 bits), else a new
// ID. known holds the IDs of the file as last read or written, which are not given again.
std::vector<uint32_t> AssignUniqueIds(const std::vector<uint32_t>& wanted,
                                      const std::vector<uint32_t>& known);

}  // namespace TbPdb
