// ImportMapping: the mapping page's decisions on the analysed columns of a file: the types a
// column may be imported as, the fields it may go into, new fields for it, the saved specification's
// mapping matched again, and the checks before the mapping is saved and run.
#pragma once

#include "app/datalink/DataLinkMessage.h"
#include "importexport/ImportExportTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class CORVTImportExportSpecXml;
class CTbObjDB;

namespace orvanta::app {

struct MappingRow {
    std::string name;  // the column's name
    int32_t detected;  // the type the analysis found (0 for a column without values)
    int32_t importAs;  // the type chosen for it
    uint16_t target;   // the slot it goes into, kNotMapped for none
};

class ImportMapping {
public:
    ImportMapping(CTbObjDB& db, const CImportFields& columns);

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const MappingRow& Row(int row) const { return m_rows[static_cast<size_t>(row)]; }
    CTbObjDB& Db() const { return m_db; }

    // Matches the specification's saved columns place by place: a row keeps the saved target when name
    // and type are equal and the target is a used field of a compatible type (the row then
    // imports as that field's type). The warning when a saved target was lost.
    DataLinkMessage ApplySaved(const CORVTImportExportSpecXml& spec);

    // Every type a field may have to take the row's column, in type order.
    std::vector<int32_t> ImportTypes(int row) const;
    // A type from ImportTypes; a target of another type is unmapped.
    void SetImportType(int row, int32_t type);
    // The used fields whose type is the row's import type, in slot order.
    std::vector<int> TargetChoices(int row) const;
    void SetTarget(int row, uint16_t target);
    // A new field of the row's import type, mapped to the row; the refusal of an empty name
    // or of an 81st field.
    DataLinkMessage AddField(int row, const std::string& name);
    // The refusal of an 81st field, when the Tabulon has 80.
    DataLinkMessage FieldsFull() const;
    // A new field per row, named like its column, until the fields run out.
    DataLinkMessage AddAllFields();
    void Clear();
    // Takes the fields added for the mapping out of the Tabulon again (the command was left
    // without saving); the Tabulon's modified flag is as it was.
    void RemoveAddedFields();
    bool AnyMapped() const;
    // The refusal when two rows go into one field.
    DataLinkMessage CheckUnique() const;

    // The targets written into the engine's columns (in the same order).
    void ApplyTargets(CImportFields& columns) const;
    // The specification's columns replaced by the rows: name, detected type and target.
    void Store(CORVTImportExportSpecXml& spec) const;

private:
    CTbObjDB& m_db;
    std::vector<MappingRow> m_rows;
    std::vector<int> m_added;
    bool m_wasModified;
};

}  // namespace orvanta::app
