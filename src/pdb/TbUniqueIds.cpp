// The allocation of new unique IDs for the records of one written Tabulon file.
#include "pdb/TbUniqueIds.h"

#include <algorithm>

namespace TbPdb {

CTbUniqueIdAllocator::CTbUniqueIdAllocator(const std::vector<uint32_t>& inUse) {
    m_used.reserve(inUse.size());
    uint32_t largest = 0;
    for (uint32_t id : inUse) {
        id &= kUniqueIdMask;
        if (id == 0) continue;
        m_used.insert(id);
        largest = std::max(largest, id);
    }
    m_candidate = largest > 0 ? largest : kFirstNewUniqueId;
}

uint32_t CTbUniqueIdAllocator::Next() {
    // 0 means "no ID", so a candidate that wraps past 0xFFFFFF skips it.
    while (m_candidate == 0 || m_used.count(m_candidate)) m_candidate = (m_candidate + 1) & kUniqueIdMask;
    m_used.insert(m_candidate);
    return m_candidate;
}

std::vector<uint32_t> AssignUniqueIds(const std::vector<uint32_t>& wanted,
                                      const std::vector<uint32_t>& known) {
    std::vector<uint32_t> ids;
    ids.reserve(wanted.size());
    for (uint32_t id : wanted) ids.push_back(id & kUniqueIdMask);
    std::vector<uint32_t> inUse = known;
    inUse.insert(inUse.end(), ids.begin(), ids.end());
    CTbUniqueIdAllocator allocator(inUse);
    for (uint32_t& id : ids)
        if (id == 0) id = allocator.Next();
    return ids;
}

}  // namespace TbPdb
