// The field design's commands.
#include "app/designer/FieldDesign.h"

#include "app/designer/FieldTypeChange.h"
#include "app/widgets/FieldSlots.h"
#include "model/TbObjDB.h"

namespace orvanta::app {

std::vector<int> FieldDesign::Fields() const { return UserFieldSlots(m_db); }

DesignMessage FieldDesign::AddField(int* slot) {
    if (static_cast<int>(Fields().size()) >= MaxUserFields)
        return {"Cannot add new field.", "The maximum number of fields is 80. Cannot add any more fields."};
    CTbObjField* field = m_db.AddField("New Field", TEXT_T);
    if (slot) *slot = field ? field->GetSlot() : -1;
    return {};
}

DesignMessage FieldDesign::Rename(int slot, const std::string& name) {
    if (name.empty()) return {"Invalid Field Name", "The field cannot be blank."};
    if (CTbObjField* field = m_db.Field(slot); field && field->GetName() != name) {
        field->SetName(name);
        m_db.SetModified(true);
    }
    return {};
}

void FieldDesign::Delete(int slot) { m_db.DeleteField(slot); }

void FieldDesign::ChangeType(int slot, TbFieldType type, IProgressIndicator* progress) {
    ChangeFieldType(m_db, slot, type, true, progress);
}

}  // namespace orvanta::app
