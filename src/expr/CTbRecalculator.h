// CTbRecalculator: recomputes the Expression, Conditional Expression and Advanced Expression
// fields of records, each record's fields after the computed fields they depend on.
#pragma once

#include "model/TbTypes.h"

#include <array>
#include <vector>

class CTbObjDB;
class CTbObjField;
class CTbObjRecord;
class IProgressIndicator;
class TbObjExprEvaluator;

namespace orvanta::platform {
class IPrompt;
}

class CTbRecalculator {
public:
    // Evaluation failures of Advanced Expressions are shown through the prompt when given.
    explicit CTbRecalculator(CTbObjDB& db, orvanta::platform::IPrompt* prompt = nullptr);
    ~CTbRecalculator();

    // The computed fields of slots 1 to 80, in slot order. The fields' definitions must not
    // change while the recalculator is in use.
    const std::vector<const CTbObjField*>& ComputedFields() const { return m_fields; }

    // Recalculates one record; previous is the record before it (none for the first).
    // True when any value changed.
    bool RecalculateRecord(CTbObjRecord& record, const CTbObjRecord* previous);

    // Recalculates every record of the current record set (the filtered subset when one is
    // active), each with the record before it in that set, reporting progress. Returns the
    // number of records in which a value changed.
    int RecalculateAll(IProgressIndicator* progress);

private:
    int EntryOf(int slot) const { return slot >= 1 && slot <= MaxUserFields ? m_entryOfSlot[slot] : -1; }
    void DependencyStep(int entry, CTbObjRecord& record, const CTbObjRecord* previous, bool* changed);
    int FindDependency(int entry) const;
    bool EvaluateField(const CTbObjField& field, CTbObjRecord& record, const CTbObjRecord* previous);

    CTbObjDB& m_db;
    orvanta::platform::IPrompt* m_prompt;
    std::vector<const CTbObjField*> m_fields;
    std::vector<std::vector<int>> m_references;  // per entry, the slots its field reads
    std::array<int, MaxFieldSlots> m_entryOfSlot{};
    std::vector<bool> m_evaluated;
    std::array<bool, MaxFieldSlots> m_visited{};
};
