// CTbBrowser: setting up and editing the desktop-database synchronisation of a Tabulon through
// the optional sync-configuration library.
#include "library/CTbBrowser.h"

namespace {

// Only a Tabulon whose header was read takes part; it is read in full before the library sees it.
bool ReadInFull(CTbItem& item) {
    TbLoadState state = item.Db().GetLoadState();
    if (state == TB_LOAD_FULL || state == TB_LOAD_NEW) return true;
    return state == TB_LOAD_HEADER && item.Load(false) >= 0;
}

}  // namespace

bool CTbBrowser::NewSyncConfiguration(CTbItem& item) {
    if (!m_syncConfig.IsAvailable() || !ReadInFull(item)) return false;
    bool made = m_syncConfig.NewConfiguration(m_userName, item.PdbName());
    item.ForgetSyncConfiguration();
    return made;
}

bool CTbBrowser::EditSyncConfiguration(CTbItem& item, uint16_t configId) {
    if (!m_syncConfig.IsAvailable() || configId >= kNoSyncConfig || !ReadInFull(item)) return false;
    bool edited = m_syncConfig.EditConfiguration(m_userName, item.FullPath(), configId);
    item.ForgetSyncConfiguration();
    return edited;
}
