// The mapping of analysed columns onto a Tabulon's fields.
#include "app/datalink/ImportMapping.h"

#include "app/widgets/FieldSlots.h"
#include "importexport/CORVTImportExportSpecXml.h"
#include "importexport/TbColumnTypes.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"

#include <algorithm>

namespace orvanta::app {
namespace {

const char* const kMappingLost =
    "The field mapping is no longer valid for this Import specification, you have to re-map one more more "
    "fields.";

// A column without values reads as text.
int32_t StartType(int32_t detected) { return detected == NOTUSED_T ? TEXT_T : detected; }

}  // namespace

ImportMapping::ImportMapping(CTbObjDB& db, const CImportFields& columns)
    : m_db(db), m_wasModified(db.IsModified()) {
    for (const auto& column : columns)
        m_rows.push_back({column->value, column->type, StartType(column->type), kNotMapped});
}

DataLinkMessage ImportMapping::ApplySaved(const CORVTImportExportSpecXml& spec) {
    bool lost = false;
    for (int i = 0; i < spec.ImportFieldCount(); ++i) {
        const CORVTImportFieldXml& saved = *spec.ImportField(i);
        if (saved.target == kNotMapped) continue;
        MappingRow* row = i < RowCount() ? &m_rows[static_cast<size_t>(i)] : nullptr;
        const CTbObjField* field = saved.target < MaxFieldSlots ? m_db.Field(saved.target) : nullptr;
        if (row && row->name == saved.value && row->detected == saved.type && field && field->IsUsed() &&
            IsCompatibleColumn(field->GetType(), row->detected)) {
            row->importAs = field->GetType();
            row->target = saved.target;
        } else {
            lost = true;
        }
    }
    return lost ? DataLinkMessage{"Warning", kMappingLost} : DataLinkMessage{};
}

std::vector<int32_t> ImportMapping::ImportTypes(int row) const {
    std::vector<int32_t> types;
    const int32_t detected = Row(row).detected;
    for (int32_t type = TEXT_T; type < TbFieldTypeCount; ++type)
        if (type == StartType(detected) || IsCompatibleColumn(type, detected)) types.push_back(type);
    return types;
}

void ImportMapping::SetImportType(int row, int32_t type) {
    MappingRow& changed = m_rows[static_cast<size_t>(row)];
    changed.importAs = type;
    const CTbObjField* field = changed.target == kNotMapped ? nullptr : m_db.Field(changed.target);
    if (field && field->GetType() != type) changed.target = kNotMapped;
}

std::vector<int> ImportMapping::TargetChoices(int row) const {
    std::vector<int> slots;
    for (int slot = 0; slot < MaxFieldSlots; ++slot)
        if (const CTbObjField* field = m_db.Field(slot);
            field && field->IsUsed() && field->GetType() == Row(row).importAs)
            slots.push_back(slot);
    return slots;
}

void ImportMapping::SetTarget(int row, uint16_t target) { m_rows[static_cast<size_t>(row)].target = target; }

DataLinkMessage ImportMapping::FieldsFull() const {
    if (static_cast<int>(UserFieldSlots(m_db).size()) < MaxUserFields) return {};
    return {"Cannot add new field.", "The maximum number of fields is 80. Cannot add any more fields."};
}

DataLinkMessage ImportMapping::AddField(int row, const std::string& name) {
    if (DataLinkMessage full = FieldsFull()) return full;
    if (name.find_first_not_of(' ') == std::string::npos)
        return {"Invalid Field Name", "The field cannot be blank."};
    CTbObjField* field = m_db.AddField(name, static_cast<TbFieldType>(Row(row).importAs));
    if (!field)
        return {"Cannot add new field.", "The maximum number of fields is 80. Cannot add any more fields."};
    SetTarget(row, static_cast<uint16_t>(field->GetSlot()));
    m_added.push_back(field->GetSlot());
    return {};
}

void ImportMapping::RemoveAddedFields() {
    if (m_added.empty()) return;
    for (int slot : m_added) m_db.DeleteField(slot);
    for (MappingRow& row : m_rows)
        if (std::find(m_added.begin(), m_added.end(), row.target) != m_added.end()) row.target = kNotMapped;
    m_added.clear();
    m_db.SetModified(m_wasModified);
}

DataLinkMessage ImportMapping::AddAllFields() {
    for (int row = 0; row < RowCount(); ++row)
        if (DataLinkMessage refused = AddField(row, Row(row).name)) return refused;
    return {};
}

void ImportMapping::Clear() {
    for (MappingRow& row : m_rows) row.target = kNotMapped;
}

bool ImportMapping::AnyMapped() const {
    for (const MappingRow& row : m_rows)
        if (row.target != kNotMapped) return true;
    return false;
}

DataLinkMessage ImportMapping::CheckUnique() const {
    std::vector<bool> taken(MaxFieldSlots, false);
    for (const MappingRow& row : m_rows) {
        if (row.target == kNotMapped || row.target >= MaxFieldSlots) continue;
        if (taken[row.target])
            return {
                "Field Mapping Error",
                "Each Tabulon field can only be mapped to one import field.  The following Tabulon field is "
                "being mapped to multiple import fields: \"" +
                    m_db.Field(row.target)->GetName() + "\""};
        taken[row.target] = true;
    }
    return {};
}

void ImportMapping::ApplyTargets(CImportFields& columns) const {
    for (size_t i = 0; i < columns.size() && i < m_rows.size(); ++i) columns[i]->target = m_rows[i].target;
}

void ImportMapping::Store(CORVTImportExportSpecXml& spec) const {
    spec.ClearImportFields();
    for (const MappingRow& row : m_rows) spec.AddImportField(row.name, row.detected, row.target);
}

}  // namespace orvanta::app
