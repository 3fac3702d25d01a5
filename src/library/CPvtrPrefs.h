// CPvtrPrefs: the desktop program's preferences in the registry: the six column widths of the
// list of Tabulons, the main window's placement and splitter, the last HotSync user and the
// designer's first run.
#pragma once

#include "library/CQnRegEntry.h"
#include "library/CQnRegEntryMulti.h"

#include <cstdint>
#include <string>

class CPvtrPrefs {
public:
    static constexpr int kColumnCount = 6;

    CPvtrPrefs();
    virtual ~CPvtrPrefs() = default;

    // Reads all five entries; a missing width or window value brings back the defaults of its
    // whole group. Non-zero when defaults were applied to the widths or the window.
    virtual int32_t Load();
    // Writes all five entries: 0, or the first failure.
    virtual int32_t Save();
    // Index 0 to 5; 0 for any other index.
    virtual uint32_t GetColumnWidth(int index) const;
    // Ignored for an index outside 0 to 5.
    virtual void SetColumnWidth(int index, uint32_t width);
    virtual void GetWindowPosition(int32_t* x, int32_t* y, int32_t* h, int32_t* w) const;
    virtual void SetWindowPosition(int32_t x, int32_t y, int32_t h, int32_t w);
    // The HotSync user last chosen, at most 255 characters; empty when none is stored.
    virtual std::string GetUserName() const;
    virtual void SetUserName(const std::string& name);
    // The width of the list beside the tabs; 0 when none is stored.
    uint32_t GetSplitterPosition() const { return m_splitter.GetDword(); }
    void SetSplitterPosition(uint32_t width) { m_splitter.SetDword(width); }
    bool IsDesignFirstRun() const { return m_firstRun.GetBool(); }
    void SetDesignFirstRun(bool firstRun) { m_firstRun.SetDword(firstRun ? 1 : 0); }

private:
    void DefaultColumnWidths();
    void DefaultWindowPosition();

    CQnRegEntryMulti m_columnWidths;
    CQnRegEntryMulti m_windowPosition;
    CQnRegEntry m_user;
    CQnRegEntry m_firstRun;
    CQnRegEntry m_splitter;
};
