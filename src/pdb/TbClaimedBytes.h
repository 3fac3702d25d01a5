// TbClaimedBytes: the stretches of a file that the records read so far have used, ordered by
// start, to tell whether a record starts inside one of them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

class TbClaimedBytes {
public:
    // Keeps the stretch from start up to end; a stretch with the same start is kept as it was.
    // Records met in file order are appended, so a sound file never shifts the list.
    void Claim(uint32_t start, uint32_t end) {
        if (m_stretches.empty() || m_stretches.back().first < start) {
            m_stretches.emplace_back(start, end);
            return;
        }
        auto at = After(start);
        if (at != m_stretches.begin() && std::prev(at)->first == start) return;
        m_stretches.insert(at, {start, end});
    }
    // Whether offset lies inside a stretch kept so far (its start included, its end not), as
    // far as the stretch that starts last at or before offset tells.
    bool Holds(uint32_t offset) const {
        auto after = After(offset);
        return after != m_stretches.begin() && offset < std::prev(after)->second;
    }
    void Clear() { m_stretches = {}; }

private:
    using Stretch = std::pair<uint32_t, uint32_t>;

    // The first stretch starting after offset.
    std::vector<Stretch>::const_iterator After(uint32_t offset) const {
        return std::upper_bound(m_stretches.begin(), m_stretches.end(), offset,
                                [](uint32_t at, const Stretch& stretch) { return at < stretch.first; });
    }

    std::vector<Stretch> m_stretches;
};
