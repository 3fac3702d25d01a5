// CTbJoinResolver: the join groups of a Tabulon (each DB Join with its joined Tabulon and the
// DB Lookups tied to it) and the resolving of their display values, record by record.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CTbObjDB;
class CTbObjField;
class CTbObjRecord;
class IProgressIndicator;
class TbJoinIndex;

class CTbJoinResolver {
public:
    // Finds a joined Tabulon by its display name (exact), read in full; none when there is no
    // such Tabulon or it cannot be read.
    using TabulonFinder = std::function<CTbObjDB*(const std::string& displayName)>;

    // Builds the join groups of db; joined Tabulons are found and indexed now, once.
    CTbJoinResolver(CTbObjDB& db, const TabulonFinder& find);
    ~CTbJoinResolver();
    CTbJoinResolver(const CTbJoinResolver&) = delete;
    CTbJoinResolver& operator=(const CTbJoinResolver&) = delete;

    int GroupCount() const { return static_cast<int>(m_groups.size()); }

    // Resolves every group for all records (the whole record list), in record-list order,
    // with the progress "Resolving joins and lookups..." over N + 1 steps when there are
    // groups and records.
    void ResolveAll(IProgressIndicator* progress);
    // Resolves every group for one record.
    void ResolveRecord(CTbObjRecord& record);
    // Resolves the group of one DB Join field for one record; false when the field has no group.
    bool ResolveGroup(const CTbObjField& joinField, CTbObjRecord& record);

private:
    struct Group;
    void Resolve(const Group& group, CTbObjRecord& record);

    CTbObjDB& m_db;
    std::vector<std::unique_ptr<Group>> m_groups;
};
