// The names of the 81 field slots as an expression names them: case-insensitive, a run of
// white space matching any run of white space. Slot 0 and unused slots (empty names) never match.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace orvanta::expression {

class FieldNames {
public:
    explicit FieldNames(std::span<const std::string> names) : m_names(names) {}

    struct Match {
        int slot = 0;  // 0: no field matches
        size_t length = 0;
    };

    // The longest field name that the text starts with, ending where no letter, digit or
    // underscore follows. On equal lengths the lower slot wins.
    Match LongestAt(std::string_view text) const;
    // The slot whose name is exactly the given text (as written inside [ ]); 0 when none.
    int SlotNamed(std::string_view name) const;

    // The name of a slot, empty for slots beyond the array.
    std::string_view NameOf(size_t slot) const;

private:
    std::span<const std::string> m_names;
};

}  // namespace orvanta::expression
