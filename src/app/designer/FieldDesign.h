// The field design's commands on a Tabulon: adding, naming, deleting and retyping fields, with
// the limits and questions the designer shows.
#pragma once

#include "app/designer/DesignMessage.h"
#include "model/TbTypes.h"

#include <string>
#include <vector>

class CTbObjDB;
class IProgressIndicator;

namespace orvanta::app {

inline constexpr DesignMessage kDeleteFieldQuestion{
    "Warning", "Are you sure you want to permanently delete this field from all records in the database?"};
inline constexpr DesignMessage kTypeChangeQuestion{
    "Confirmation", "Field type conversion is NOT undoable. Do you still want to proceed?"};

class FieldDesign {
public:
    explicit FieldDesign(CTbObjDB& db) : m_db(db) {}

    // The user fields (slots 1 to 80) in use, in slot order.
    std::vector<int> Fields() const;
    // Adds "New Field" (Text) in the lowest free slot; its slot in *slot.
    DesignMessage AddField(int* slot);
    DesignMessage Rename(int slot, const std::string& name);
    // Frees the slot (asked first with kDeleteFieldQuestion).
    void Delete(int slot);
    // Retypes the field and converts its values (asked first with kTypeChangeQuestion).
    void ChangeType(int slot, TbFieldType type, IProgressIndicator* progress);

private:
    CTbObjDB& m_db;
};

}  // namespace orvanta::app
