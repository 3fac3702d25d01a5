// The texts an evaluation makes (joins), kept until the next evaluation starts so that values
// can point into them; their storage is reused from one evaluation to the next.
#pragma once

#include <deque>
#include <string>

namespace orvanta::expression {

class TextArena {
public:
    // Forgets the texts of the previous evaluation, keeping their storage.
    void Reset() { m_used = 0; }

    // An empty text that stays in place until the next Reset.
    std::string& Next() {
        if (m_used == m_texts.size()) m_texts.emplace_back();
        std::string& text = m_texts[m_used++];
        text.clear();
        return text;
    }

private:
    std::deque<std::string> m_texts;  // a deque never moves its elements as it grows
    size_t m_used = 0;
};

}  // namespace orvanta::expression
