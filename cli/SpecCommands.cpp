// the specs and run-spec commands: the saved specifications of a Tabulon, listed and run without questions.
#include "cli/DataLinkCommands.h"
#include "cli/DataLinkSupport.h"
#include "cli/SpecStore.h"
#include "cli/StreamPrompt.h"
#include "cli/TabulonIo.h"

#include "importexport/TbColumnTypes.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "platform/CodePage.h"

#include <algorithm>

namespace orvanta::cli {

namespace {

using platform::Utf8FromWindows1252;

// Gives each analysed column the saved target of the column at its place when name and type
// are equal and the target is a used field of a compatible type; false when a saved mapping
// found no such column.
bool MatchSavedMapping(const CORVTImportExportSpecXml& spec, const CTbObjDB& db, CImportFields& columns) {
    bool valid = true;
    for (int i = 0; i < spec.ImportFieldCount(); ++i) {
        const CORVTImportFieldXml& saved = *spec.ImportField(i);
        if (saved.target == kNotMapped) continue;
        CImportField* column = i < static_cast<int>(columns.size()) ? columns[i].get() : nullptr;
        const CTbObjField* field = saved.target < MaxFieldSlots ? db.Field(saved.target) : nullptr;
        if (column && column->value == saved.value && column->type == saved.type && field &&
            field->IsUsed() && IsCompatibleColumn(field->GetType(), column->type))
            column->target = saved.target;
        else
            valid = false;
    }
    return valid;
}

void Warn(const char* text, CommandIo& io) {
    StreamPrompt(io.err).Show("Warning", text, platform::PromptIcon::Warning, platform::PromptButtons::Ok);
}

int RunImportSpec(CTbObjDB& db, const CORVTImportExportSpecXml& spec, CommandIo& io) {
    AnalysedFile analysed(spec.GetOptions());
    analysed.encoding = spec.GetEncoding();
    if (!AnalyzeForImport(spec.GetImportPath(), &analysed, io)) return 1;
    if (!MatchSavedMapping(spec, db, analysed.columns)) {
        Warn(
            "The field mapping is no longer valid for this Import specification, you have to re-map one more "
            "more fields.",
            io);
        return 1;
    }
    int added = 0;
    const bool imported = ImportInto(db, analysed, &added, io);
    std::string message;
    if (!SaveTabulon(db, SaveTarget{}, io, &message)) return Failed(io, message);
    io.out << "imported: " << added << '\n';
    return imported ? 0 : 1;
}

int RunExportSpec(CTbObjDB& db, const CORVTImportExportSpecXml& spec, CommandIo& io) {
    const std::vector<int32_t> exportable = ExportableSlots(db);
    for (int32_t slot : spec.ExportFields()) {
        if (std::find(exportable.begin(), exportable.end(), slot) == exportable.end()) {
            Warn(
                "One or more Tabulon fields are no longer available to export, verify that the correct "
                "fields are "
                "being exported.",
                io);
            return 1;
        }
    }
    const std::string& out = spec.GetExportPath();
    const ExportChoice choice{spec.GetExportFormat().value_or(ExportFormatForPath(out)), spec.GetEncoding()};
    if (!ExportFrom(db, out, spec.ExportFields(), spec.GetOptions(), choice, io)) return 1;
    io.out << "exported: " << db.RecordCount() << '\n';
    return 0;
}

}  // namespace

int RunSpecs(const std::string& tabulon, CommandIo& io) {
    CORVTImportExportSpecListXml list;
    if (!LoadSpecs(tabulon, &list, io)) return 1;
    for (int i = 0; i < list.Count(); ++i) {
        const CORVTImportExportSpecXml& spec = *list.Spec(i);
        const bool import = spec.GetKind() == SPEC_KIND_IMPORT;
        io.out << Utf8FromWindows1252(spec.GetName()) << '\t' << (import ? "Import" : "Export") << '\t'
               << (import ? spec.GetImportPath() : spec.GetExportPath()) << '\n';
    }
    return 0;
}

int RunSavedSpec(const std::string& tabulon, const std::string& specName, CommandIo& io) {
    CORVTImportExportSpecListXml list;
    if (!LoadSpecs(tabulon, &list, io)) return 1;
    const CORVTImportExportSpecXml* spec = list.FindSpec(specName);
    if (!spec) return Failed(io, std::string("No specification named \"").append(specName).append("\"."));
    CTbObjDB db;
    std::string message;
    if (!LoadTabulon(db, tabulon, io, &message)) return Failed(io, message);
    return spec->GetKind() == SPEC_KIND_IMPORT ? RunImportSpec(db, *spec, io) : RunExportSpec(db, *spec, io);
}

}  // namespace orvanta::cli
