// analyze and import: a delimited file's columns, and its rows added to a Tabulon through a
// mapping given column by column or as a new field per column.
#include "cli/DataLinkCommands.h"
#include "cli/DataLinkSupport.h"
#include "cli/SpecStore.h"
#include "cli/StreamPrompt.h"
#include "cli/TabulonIo.h"

#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "platform/CodePage.h"

namespace orvanta::cli {

namespace {

using platform::Utf8FromWindows1252;

// Writes the reason on io.err; false.
bool Refuse(CommandIo& io, const std::string& message) {
    Failed(io, message);
    return false;
}

// Applies "N=SLOT" choices to the columns; false with the reason on io.err.
bool ApplyMaps(const std::vector<std::string>& maps, CTbObjDB& db, CImportFields& columns, CommandIo& io) {
    for (const std::string& map : maps) {
        size_t equals = map.find('=');
        int column = 0, slot = -1;
        try {
            column = equals == std::string::npos ? 0 : std::stoi(map.substr(0, equals));
            slot = std::stoi(map.substr(equals + 1));
        } catch (const std::exception&) {
            column = 0;
        }
        if (column < 1 || column > static_cast<int>(columns.size()))
            return Refuse(io, std::string("No such column in the file: --map ").append(map));
        const CTbObjField* field = slot >= 0 && slot < MaxFieldSlots ? db.Field(slot) : nullptr;
        if (!field || !field->IsUsed())
            return Refuse(io, std::string("No field in that slot: --map ").append(map));
        columns[column - 1]->target = static_cast<uint16_t>(slot);
    }
    return true;
}

// A new field per column, named and typed like it, as "Add All Fields" does.
bool AddAllFields(CTbObjDB& db, CImportFields& columns, CommandIo& io) {
    for (auto& column : columns) {
        const TbFieldType type = column->type == NOTUSED_T ? TEXT_T : static_cast<TbFieldType>(column->type);
        CTbObjField* field = db.AddField(column->value, type);
        if (!field) {
            StreamPrompt(io.err).Show("Cannot add new field.",
                                      "The maximum number of fields is 80. Cannot add any more fields.",
                                      platform::PromptIcon::Error, platform::PromptButtons::Ok);
            return false;
        }
        column->target = static_cast<uint16_t>(field->GetSlot());
    }
    return true;
}

// Two columns into one field is refused with the field's name.
bool MappingIsUnique(const CTbObjDB& db, const CImportFields& columns, CommandIo& io) {
    std::vector<bool> taken(MaxFieldSlots, false);
    for (const auto& column : columns) {
        if (column->target == kNotMapped) continue;
        if (taken[column->target]) {
            StreamPrompt(io.err).Show(
                "Field Mapping Error",
                std::string(
                    "Each Tabulon field can only be mapped to one import field.  The following Tabulon "
                    "field is being mapped to multiple import fields: \"")
                    .append(db.Field(column->target)->GetName())
                    .append("\""),
                platform::PromptIcon::Error, platform::PromptButtons::Ok);
            return false;
        }
        taken[column->target] = true;
    }
    return true;
}

}  // namespace

int RunAnalyze(const std::string& file, const DataLinkRequest& request, CommandIo& io) {
    AnalysedFile analysed(OptionsForFile(file, request));
    analysed.encoding = request.encoding;
    if (!AnalyzeForImport(file, &analysed, io)) return 1;
    const CImportFields& columns = analysed.columns;
    for (size_t i = 0; i < columns.size(); ++i)
        io.out << i + 1 << '\t' << Utf8FromWindows1252(columns[i]->value) << '\t' << columns[i]->type << '\t'
               << FieldTypeLabel(columns[i]->type) << '\n';
    io.out << "records: " << analysed.records << '\n';
    return 0;
}

int RunImport(const std::string& tabulon, const std::string& file, const DataLinkRequest& request,
              CommandIo& io) {
    if (request.maps.empty() && !request.addAll)
        return Failed(io, "Give the mapping: --map N=SLOT ... or --add-all.");
    CTbObjDB db;
    std::string message;
    if (!LoadTabulon(db, tabulon, io, &message)) return Failed(io, message);
    AnalysedFile analysed(OptionsForFile(file, request));
    analysed.encoding = request.encoding;
    if (!AnalyzeForImport(file, &analysed, io)) return 1;
    CImportFields& columns = analysed.columns;
    if (request.addAll ? !AddAllFields(db, columns, io) : !ApplyMaps(request.maps, db, columns, io)) return 1;
    if (!MappingIsUnique(db, columns, io)) return 1;
    if (request.saveSpec &&
        !SaveImportSpec(tabulon, *request.saveSpec, file, analysed.options, request.encoding, columns, io))
        return 1;
    int added = 0;
    const bool imported = ImportInto(db, analysed, &added, io);
    // What was imported before a failure is kept.
    if (!SaveTabulon(db, SaveTarget{}, io, &message)) return Failed(io, message);
    io.out << "imported: " << added << '\n';
    return imported ? 0 : 1;
}

}  // namespace orvanta::cli
