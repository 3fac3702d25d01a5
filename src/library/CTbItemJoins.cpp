// Library items: resolving joins against the other Tabulons of the library and recalculating
// computed fields.
#include "library/CTbBrowser.h"
#include "library/CTbItem.h"
#include "library/CTbJoinResolver.h"

#include "expr/CTbRecalculator.h"

namespace {

// The joined Tabulon of a name: the library item of that display name, read in full.
CTbJoinResolver::TabulonFinder FinderIn(const CTbBrowser& browser) {
    return [&browser](const std::string& displayName) -> CTbObjDB* {
        CTbItem* item = browser.FindByDisplayName(displayName);
        if (!item || item->Load(false) < 0) return nullptr;
        TbLoadState state = item->Db().GetLoadState();
        return state == TB_LOAD_FULL || state == TB_LOAD_NEW ? &item->Db() : nullptr;
    };
}

}  // namespace

void CTbItem::ResolveJoins() { CTbJoinResolver(m_db, FinderIn(*m_owner)).ResolveAll(m_owner->Progress()); }

void CTbItem::ResolveJoin(const CTbObjField& joinField, CTbObjRecord& record) {
    CTbJoinResolver(m_db, FinderIn(*m_owner)).ResolveGroup(joinField, record);
}

void CTbItem::Recalculate(bool forced) {
    if (!m_recalculationNeeded && !forced) return;
    CTbRecalculator(m_db, m_owner->Prompt()).RecalculateAll(m_owner->Progress());
    m_recalculationNeeded = false;
}

bool CTbItem::RecalculateRecord(CTbObjRecord& record, const CTbObjRecord* previous) {
    return CTbRecalculator(m_db, m_owner->Prompt()).RecalculateRecord(record, previous);
}
