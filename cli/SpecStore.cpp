// The ".tps" file of a Tabulon as the commands read and change it.
#include "cli/SpecStore.h"
#include "cli/StreamPrompt.h"

#include <filesystem>

namespace orvanta::cli {

namespace {

constexpr int32_t kFileNotFound = 2;

// Specs are run from anywhere: their files are kept with absolute paths.
std::string Absolute(const std::string& file) {
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(file, ec);
    return ec ? file : path.lexically_normal().string();
}

// The specification to store a run in: the one of that name emptied of its columns, else a new one.
CORVTImportExportSpecXml* SpecToStore(CORVTImportExportSpecListXml& list, int32_t kind,
                                      const std::string& name, const std::string& given) {
    const std::string file = Absolute(given);
    CORVTImportExportSpecXml* spec = list.FindSpec(name);
    if (!spec) return list.AddSpec(kind, name, file);
    spec->SetKind(kind);
    spec->SetName(name);
    if (kind == SPEC_KIND_IMPORT)
        spec->SetImportPath(file);
    else
        spec->SetExportPath(file);
    spec->ClearImportFields();
    spec->ClearExportFields();
    spec->SetEncoding(TextEncoding::Ansi);
    spec->SetExportFormat(std::nullopt);
    return spec;
}

// A Tabulon of a library keeps its specifications in the library's data folder, where the desktop
// program reads them; any other Tabulon beside its file.
std::string SpecPath(const std::string& tabulonPath) {
    const std::filesystem::path tabulon(tabulonPath);
    const std::filesystem::path data = tabulon.parent_path() / "data";
    std::error_code ec;
    if (!std::filesystem::is_directory(data, ec))
        return CORVTImportExportSpecListXml::PathForTabulon(tabulonPath);
    return (data / CORVTImportExportSpecListXml::PathForTabulon(tabulon.filename().string())).string();
}

bool Saved(const CORVTImportExportSpecListXml& list, CommandIo& io) {
    if (list.Save() == 0) return true;
    Failed(io, std::string("The specifications could not be written to ").append(list.GetPath()));
    return false;
}

}  // namespace

bool LoadSpecs(const std::string& tabulonPath, CORVTImportExportSpecListXml* list, CommandIo& io) {
    list->SetPath(SpecPath(tabulonPath));
    const int32_t status = list->Load();
    if (status == 0 || (status & 0xFFFF) == kFileNotFound) return true;
    StreamPrompt(io.err).Show("Error", "There was an error loading the Import / Export specifications.",
                              platform::PromptIcon::Error, platform::PromptButtons::Ok);
    return false;
}

bool SaveImportSpec(const std::string& tabulonPath, const std::string& name, const std::string& file,
                    const ImportExportOptions& options, TextEncoding encoding, const CImportFields& columns,
                    CommandIo& io) {
    CORVTImportExportSpecListXml list;
    if (!LoadSpecs(tabulonPath, &list, io)) return false;
    CORVTImportExportSpecXml* spec = SpecToStore(list, SPEC_KIND_IMPORT, name, file);
    spec->SetOptions(options);
    spec->SetEncoding(encoding);
    for (const auto& column : columns) spec->AddImportField(column->value, column->type, column->target);
    return Saved(list, io);
}

bool SaveExportSpec(const std::string& tabulonPath, const std::string& name, const std::string& file,
                    const ImportExportOptions& options, const DataLinkRequest& request,
                    const std::vector<int32_t>& slots, CommandIo& io) {
    CORVTImportExportSpecListXml list;
    if (!LoadSpecs(tabulonPath, &list, io)) return false;
    CORVTImportExportSpecXml* spec = SpecToStore(list, SPEC_KIND_EXPORT, name, file);
    spec->SetOptions(options);
    spec->SetEncoding(request.encoding);
    spec->SetExportFormat(request.format);
    for (int32_t slot : slots) spec->AddExportField(slot);
    return Saved(list, io);
}

}  // namespace orvanta::cli
