// The preferences' registry keys, value names and defaults.
#include "library/CPvtrPrefs.h"

#include "platform/Registry.h"

namespace {

const char* const kColumnNames[CPvtrPrefs::kColumnCount] = {"0", "1", "2", "3", "4", "5"};
const uint32_t kDefaultWidths[CPvtrPrefs::kColumnCount] = {250, 150, 150, 150, 150, 100};
const char* const kWindowNames[4] = {"X", "Y", "H", "W"};
const uint32_t kDefaultWindow[4] = {100, 100, 550, 850};

}  // namespace

CPvtrPrefs::CPvtrPrefs()
    : m_columnWidths("Orvanta\\Pvtr\\ColWidth", kColumnNames, kColumnCount),
      m_windowPosition("Orvanta\\Pvtr\\WinPos", kWindowNames, 4),
      m_user("Orvanta\\User", ""),
      m_firstRun("Orvanta\\DesignFirstRun", ""),
      m_splitter("Orvanta\\Pvtr\\Splitter", "") {
    m_firstRun.Preset(orvanta::platform::REG_DWORD, 4);
    m_splitter.Preset(orvanta::platform::REG_DWORD, 4);
}

void CPvtrPrefs::DefaultColumnWidths() {
    for (int i = 0; i < kColumnCount; ++i) m_columnWidths.SetNamedDword(kColumnNames[i], kDefaultWidths[i]);
}

void CPvtrPrefs::DefaultWindowPosition() {
    for (int i = 0; i < 4; ++i) m_windowPosition.SetNamedDword(kWindowNames[i], kDefaultWindow[i]);
}

int32_t CPvtrPrefs::Load() {
    bool widthsDefaulted = m_columnWidths.Read() != 0;
    if (widthsDefaulted) DefaultColumnWidths();
    bool windowDefaulted = m_windowPosition.Read() != 0;
    if (windowDefaulted) DefaultWindowPosition();
    m_user.Read();
    if (m_firstRun.Read() != 0) m_firstRun.SetDword(1);
    if (m_splitter.Read() != 0) m_splitter.SetDword(0);
    return widthsDefaulted || windowDefaulted ? 1 : 0;
}

int32_t CPvtrPrefs::Save() {
    int32_t results[] = {m_columnWidths.Write(), m_windowPosition.Write(), m_user.Write(), m_firstRun.Write(),
                         m_splitter.Write()};
    for (int32_t result : results)
        if (result < 0) return result;
    return 0;
}

uint32_t CPvtrPrefs::GetColumnWidth(int index) const {
    return index >= 0 && index < kColumnCount ? m_columnWidths.GetNamedDword(kColumnNames[index]) : 0;
}

void CPvtrPrefs::SetColumnWidth(int index, uint32_t width) {
    if (index >= 0 && index < kColumnCount) m_columnWidths.SetNamedDword(kColumnNames[index], width);
}

void CPvtrPrefs::GetWindowPosition(int32_t* x, int32_t* y, int32_t* h, int32_t* w) const {
    int32_t* outs[4] = {x, y, h, w};
    for (int i = 0; i < 4; ++i)
        *outs[i] = static_cast<int32_t>(m_windowPosition.GetNamedDword(kWindowNames[i]));
}

void CPvtrPrefs::SetWindowPosition(int32_t x, int32_t y, int32_t h, int32_t w) {
    int32_t values[4] = {x, y, h, w};
    for (int i = 0; i < 4; ++i)
        m_windowPosition.SetNamedDword(kWindowNames[i], static_cast<uint32_t>(values[i]));
}

std::string CPvtrPrefs::GetUserName() const {
    char name[CQnRegEntry::kBufferSize];
    m_user.GetString(name, sizeof name);
    return name;
}

void CPvtrPrefs::SetUserName(const std::string& name) { m_user.SetString(name); }
