// CTbObjDB: the database passwords, kept scrambled as the handheld stores them.
#include "model/TbObjDB.h"

namespace {

constexpr size_t kStoredLength = 10;
constexpr unsigned char kTerminator = 0xA5;

unsigned char ScrambleChar(char c) {
    return static_cast<unsigned char>((static_cast<unsigned char>(c) + 0x2B) & 0xFF) ^ 0xA5;
}

bool IsKind(int kind, int count) { return kind >= 0 && kind < count; }

}  // namespace

const std::string& CTbObjDB::GetStoredPassword(int kind) const {
    static const std::string kNone;
    return IsKind(kind, TbPasswordKindCount) ? m_storedPasswords[kind] : kNone;
}

void CTbObjDB::SetStoredPassword(int kind, std::string scrambled) {
    if (!IsKind(kind, TbPasswordKindCount)) return;
    m_storedPasswords[kind] = std::move(scrambled);
    m_modified = true;
    if (IsKind(kind, TbEnteredPasswordCount)) m_enteredPasswords[kind].clear();
}

std::string CTbObjDB::Scramble(const std::string& plain) {
    std::string scrambled;
    for (char c : plain) scrambled += static_cast<char>(ScrambleChar(c));
    if (scrambled.size() < kStoredLength) scrambled += static_cast<char>(kTerminator);
    return scrambled;
}

bool CTbObjDB::SetEnteredPassword(int kind, std::string plain) {
    if (!IsKind(kind, TbEnteredPasswordCount)) return AccessGranted(kind);
    m_enteredPasswords[kind] = std::move(plain);
    return AccessGranted(kind);
}

bool CTbObjDB::AccessGranted(int kind) const {
    if (!IsKind(kind, TbEnteredPasswordCount)) return true;
    return m_storedPasswords[kind].empty() ||
           PasswordMatches(m_storedPasswords[kind], m_enteredPasswords[kind]);
}

bool CTbObjDB::PasswordMatches(const std::string& stored, const std::string& entered) {
    auto storedAt = [&](size_t i) { return i < stored.size() ? static_cast<unsigned char>(stored[i]) : -1; };
    size_t i = 0;
    for (; i < kStoredLength && i < entered.size(); ++i)
        if (ScrambleChar(entered[i]) != storedAt(i)) return false;
    return i >= kStoredLength || storedAt(i) == kTerminator;
}
