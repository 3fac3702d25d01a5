// export: the records of a Tabulon written as delimited text, JSON, a workbook or an SQLite table.
#include "cli/DataLinkCommands.h"
#include "cli/DataLinkSupport.h"
#include "cli/SpecStore.h"
#include "cli/TabulonIo.h"

#include "model/TbObjDB.h"
#include "model/TbObjField.h"

namespace orvanta::cli {

std::vector<int32_t> ExportableSlots(const CTbObjDB& db) {
    std::vector<int32_t> slots;
    for (int slot = 0; slot < MaxFieldSlots; ++slot) {
        const CTbObjField* field = db.Field(slot);
        if (field && field->IsUsed() && field->GetType() != IMAGE_T && field->GetType() != PLUGIN_T)
            slots.push_back(slot);
    }
    return slots;
}

int RunExport(const std::string& tabulon, const std::string& out, const DataLinkRequest& request,
              CommandIo& io) {
    CTbObjDB db;
    std::string message;
    if (!LoadTabulon(db, tabulon, io, &message)) return Failed(io, message);
    ImportExportOptions options = request.options;
    if (!request.delimiterGiven) options.delimiter = DelimiterForFile(out);
    std::vector<int32_t> slots;
    if (request.fields) {
        for (int slot : *request.fields) {
            const CTbObjField* field = slot >= 0 && slot < MaxFieldSlots ? db.Field(slot) : nullptr;
            if (!field || !field->IsUsed())
                return Failed(io, std::string("No field in slot ").append(std::to_string(slot)).append("."));
            slots.push_back(slot);
        }
    } else {
        slots = ExportableSlots(db);
    }
    if (request.saveSpec && !SaveExportSpec(tabulon, *request.saveSpec, out, options, request, slots, io))
        return 1;
    const ExportChoice choice{request.format.value_or(ExportFormatForPath(out)), request.encoding};
    if (!ExportFrom(db, out, slots, options, choice, io)) return 1;
    io.out << "exported: " << db.RecordCount() << '\n';
    return 0;
}

}  // namespace orvanta::cli
