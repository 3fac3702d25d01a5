// ExportFieldChoice: the export field page's decisions: which fields may be exported, the two
// lists "Tabulon Fields" and "Fields To Export", and a saved list checked against the Tabulon.
#pragma once

#include "app/datalink/DataLinkMessage.h"

#include <cstdint>
#include <vector>

class CTbObjDB;

namespace orvanta::app {

// Every used slot from 0 to 80 whose field is neither Image nor Plug-In, in slot order.
std::vector<int32_t> ExportableSlots(const CTbObjDB& db);

class ExportFieldChoice {
public:
    explicit ExportFieldChoice(const CTbObjDB& db) : m_db(db) {}

    // A saved list: the slots that can no longer be exported are dropped, with the warning.
    DataLinkMessage SetChosen(const std::vector<int32_t>& saved);
    const std::vector<int32_t>& Chosen() const { return m_chosen; }
    // The exportable slots not chosen, in slot order.
    std::vector<int32_t> Available() const;
    // Appends the slot when it is available.
    void Choose(int32_t slot);
    void ChooseAll() { m_chosen = ExportableSlots(m_db); }
    void Remove(int32_t slot);

private:
    const CTbObjDB& m_db;
    std::vector<int32_t> m_chosen;
};

}  // namespace orvanta::app
