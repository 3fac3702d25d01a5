// Recalculating records: the dependency step that orders a record's computed fields, cycles
// included, and the pass over all records with its progress.
#include "expr/CTbRecalculator.h"

#include "expr/CCondExpEvaluator.h"
#include "expr/CTbObjRegExpEvaluator.h"
#include "expr/TbObjExprEvaluator.h"
#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "model/TbObjView.h"

namespace {

bool IsComputed(const CTbObjField* field) {
    if (!field) return false;
    TbFieldType type = field->GetType();
    return type == EXPRESSION_T || type == COND_EXP_T || type == ADV_EXPRESSION_T;
}

// The slots a computed field reads from its own record, in the order they are looked at.
std::vector<int> ReferencedSlots(const CTbObjField& field) {
    std::vector<int> slots;
    if (field.GetType() == COND_EXP_T) {
        const CTbObjFieldCondExpr* props = field.CondExprProps();
        if (!props) return slots;
        const CTbObjFilter& condition = props->Condition();
        for (int i = 0; i < 3; ++i) {
            CTbObjFilter::Condition c = condition.GetCondition(i);
            slots.push_back(c.field);
            slots.push_back(c.secondField);
            if (c.field == 0) break;
            char logic = condition.GetLogicOperator(i);
            if (logic != TbCompare::And && logic != TbCompare::Or) break;
        }
        slots.push_back(props->GetTrueField());
        slots.push_back(props->GetFalseField());
        return slots;
    }
    if (const CTbObjFieldExpr* props = field.ExprProps())
        for (uint8_t token : props->GetTokenTypes()) {
            if (token == 0) break;
            slots.push_back(token);
        }
    return slots;
}

}  // namespace

CTbRecalculator::CTbRecalculator(CTbObjDB& db, orvanta::platform::IPrompt* prompt)
    : m_db(db), m_prompt(prompt) {
    m_entryOfSlot.fill(-1);
    for (int slot = 1; slot <= MaxUserFields; ++slot)
        if (const CTbObjField* field = db.Field(slot); IsComputed(field)) {
            m_entryOfSlot[slot] = static_cast<int>(m_fields.size());
            m_fields.push_back(field);
            m_references.push_back(ReferencedSlots(*field));
        }
    m_evaluated.assign(m_fields.size(), false);
}

CTbRecalculator::~CTbRecalculator() = default;

bool CTbRecalculator::RecalculateRecord(CTbObjRecord& record, const CTbObjRecord* previous) {
    std::fill(m_evaluated.begin(), m_evaluated.end(), false);
    bool changed = false;
    for (size_t entry = 0; entry < m_fields.size(); ++entry)
        while (!m_evaluated[entry]) DependencyStep(static_cast<int>(entry), record, previous, &changed);
    return changed;
}

// Follows unevaluated dependencies from the entry as deep as they go (stopping at a field
// already visited, which closes a cycle) and evaluates the field found last.
void CTbRecalculator::DependencyStep(int entry, CTbObjRecord& record, const CTbObjRecord* previous,
                                     bool* changed) {
    m_visited.fill(false);
    int current = entry;
    m_visited[m_fields[current]->GetSlot()] = true;
    for (;;) {
        int dependency = FindDependency(current);
        if (dependency < 0 || m_visited[m_fields[dependency]->GetSlot()]) break;
        current = dependency;
        m_visited[m_fields[current]->GetSlot()] = true;
    }
    if (EvaluateField(*m_fields[current], record, previous)) *changed = true;
    m_evaluated[current] = true;
}

// The entry of the first computed field the field reads that is not evaluated yet, or -1.
int CTbRecalculator::FindDependency(int entry) const {
    for (int slot : m_references[entry])
        if (int entry = EntryOf(slot); entry >= 0 && !m_evaluated[entry]) return entry;
    return -1;
}

bool CTbRecalculator::EvaluateField(const CTbObjField& field, CTbObjRecord& record,
                                    const CTbObjRecord* previous) {
    switch (field.GetType()) {
        // Missing properties are the evaluators' own no-change case; a condition whose first
        // comparison names no field still takes its false side.
        case EXPRESSION_T:
            return CTbObjRegExpEvaluator().Evaluate(record, field, previous);
        case COND_EXP_T:
            return CCondExpEvaluator().Evaluate(record, field);
        default: {
            const CTbObjFieldExpr* props = field.ExprProps();
            if (!props || props->GetTokenTypes().empty()) return false;
            return TbObjExprEvaluator(m_db, m_prompt).Evaluate(record, field, previous);
        }
    }
}

int CTbRecalculator::RecalculateAll(IProgressIndicator* progress) {
    CTbObjRecordList& records = m_db.Records();
    int count = m_fields.empty() ? 0 : records.Count(false);
    if (count >= 1 && progress) {
        progress->Begin();
        progress->SetRange(count + 1);
        progress->SetText("Evaluating expressions...");
        progress->Step(1);
    }
    int changedRecords = 0;
    const CTbObjRecord* previous = nullptr;
    for (int i = 0; i < count; ++i) {
        CTbObjRecord* record = records.Record(i);
        if (RecalculateRecord(*record, previous)) ++changedRecords;
        previous = record;
        if (progress) progress->Step(1);
    }
    if (count >= 1 && progress) progress->End();
    return changedRecords;
}
