// Join groups and the resolving of one record against one group: the join value in the type
// of the joined field, its matched record through the group's index, and the display values.
#include "library/CTbJoinResolver.h"

#include "library/TbJoinIndex.h"
#include "library/TbJoinValues.h"
#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

namespace {

// The joined field types a join value can be matched against.
bool IsMatchableType(int type) {
    return type == TEXT_T || type == INTEGER_T || type == LONG_T || type == DATE_T || type == KEY_T ||
           type == AUTO_INC_T;
}

bool HasType(const CTbObjField* field, TbFieldType type) { return field && field->GetType() == type; }

// Sets a display value's field's resolved joined type, without marking the Tabulon modified.
void SetResolvedType(const CTbObjField& field, int type) {
    if (CTbObjFieldJoin* props = field.JoinProps()) props->SetResolvedType(static_cast<uint16_t>(type));
}

}  // namespace

struct CTbJoinResolver::Group {
    const CTbObjField* join = nullptr;
    std::vector<const CTbObjField*> lookups;
    CTbObjDB* joined = nullptr;
    const CTbObjField* joinedField = nullptr;  // the joined Tabulon's field matched against; none: unresolved
    std::unique_ptr<TbJoinIndex> index;
};

CTbJoinResolver::CTbJoinResolver(CTbObjDB& db, const TabulonFinder& find) : m_db(db) {
    for (int slot = 0; slot <= MaxUserFields; ++slot) {
        const CTbObjField* join = db.Field(slot);
        if (!HasType(join, DB_JOIN_T) || !join->JoinProps()) continue;
        auto group = std::make_unique<Group>();
        group->join = join;
        for (int other = 0; other <= MaxUserFields; ++other)
            if (const CTbObjField* lookup = db.Field(other); HasType(lookup, DB_LOOKUP_T) &&
                                                             lookup->JoinProps() &&
                                                             lookup->JoinProps()->GetJoinField() == slot)
                group->lookups.push_back(lookup);
        const CTbObjFieldJoin& props = *join->JoinProps();
        if (!props.GetSourceDatabase().empty()) group->joined = find(props.GetSourceDatabase());
        if (group->joined) {
            const CTbObjField* field = group->joined->Field(props.GetJoinField());
            if (field && IsMatchableType(field->GetType())) {
                group->joinedField = field;
                group->index =
                    std::make_unique<TbJoinIndex>(*group->joined, field->GetSlot(), field->GetType());
            }
        }
        m_groups.push_back(std::move(group));
    }
}

CTbJoinResolver::~CTbJoinResolver() = default;

void CTbJoinResolver::ResolveAll(IProgressIndicator* progress) {
    if (m_groups.empty()) return;
    CTbObjRecordList& records = m_db.Records();
    int count = records.Count(true);
    if (count >= 1 && progress) {
        progress->Begin();
        progress->SetRange(count + 1);
        progress->SetText("Resolving joins and lookups...");
        progress->Step(1);
    }
    for (int i = 0; i < count; ++i) {
        ResolveRecord(*records.RecordInStoredOrder(i));
        if (progress) progress->Step(1);
    }
    if (count >= 1 && progress) progress->End();
}

void CTbJoinResolver::ResolveRecord(CTbObjRecord& record) {
    for (const auto& group : m_groups) Resolve(*group, record);
}

bool CTbJoinResolver::ResolveGroup(const CTbObjField& joinField, CTbObjRecord& record) {
    for (const auto& group : m_groups)
        if (group->join == &joinField) {
            Resolve(*group, record);
            return true;
        }
    return false;
}

void CTbJoinResolver::Resolve(const Group& group, CTbObjRecord& record) {
    CTbObjRecordValue* value = record.Value(group.join->GetSlot());
    if (!value) return;
    const CTbObjRecord* matched = nullptr;
    if (group.joinedField) {
        ConvertJoinValue(*value, group.joinedField->GetType());
        if (value->HasValue()) matched = group.index->Find(*value);
    }
    auto show = [&](const CTbObjField& field, int displaySlot, bool unresolved) {
        CTbObjRecordValue* own = record.Value(field.GetSlot());
        if (!own) return;
        const CTbObjField* shown = matched ? group.joined->Field(displaySlot) : nullptr;
        if (shown) {
            CopyJoinedValue(own->JoinedValue(), *matched, *shown);
            SetResolvedType(field, own->JoinedValue().GetType());
        } else {
            SetUnmatchedValue(own->JoinedValue(), unresolved);
            SetResolvedType(field, NOTUSED_T);
        }
    };
    show(*group.join, group.join->JoinProps()->GetDisplayField(), !group.joinedField);
    for (const CTbObjField* lookup : group.lookups)
        show(*lookup, lookup->JoinProps()->GetDisplayField(), false);
}
