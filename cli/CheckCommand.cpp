// check: whether a Tabulon survives a save and a second read unchanged. The two models are
// compared through their JSON, and every difference is reported by its JSON path, after what
// the first read passed over or repaired.
#include "cli/Commands.h"
#include "cli/JsonDiff.h"
#include "cli/JsonExport.h"
#include "cli/TabulonIo.h"

#include "model/TbObjDB.h"
#include "platform/FileSystem.h"

namespace orvanta::cli {
namespace {

// A file in the system's temporary folder, removed when it goes out of scope.
class TempTabulonFile {
public:
    TempTabulonFile() {
        if (platform::MakeTempFile(platform::TempFolder(), "orvanta-check-", &m_path) != 0) m_path.clear();
    }
    ~TempTabulonFile() {
        if (!m_path.empty()) platform::DeleteFile(m_path);
    }
    TempTabulonFile(const TempTabulonFile&) = delete;
    TempTabulonFile& operator=(const TempTabulonFile&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

}  // namespace

int RunCheck(const std::string& path, CommandIo& io) {
    CTbObjDB first;
    std::string message;
    if (!LoadTabulon(first, path, io, &message)) return Failed(io, message);
    const TbLoadWarnings warnings = first.LoadWarnings();  // a save empties the list
    TempTabulonFile temp;
    if (temp.Path().empty())
        return Failed(io, "Could not create a temporary file in " + platform::TempFolder() + ".");
    if (!SaveTabulon(first, SaveTarget{temp.Path()}, io, &message)) return Failed(io, message);
    CTbObjDB second;
    if (!LoadTabulon(second, temp.Path(), io, &message)) return Failed(io, message);

    std::vector<std::string> differences =
        DiffJson(JsonAfterRoundTrip(TabulonToJson(first)), TabulonToJson(second));
    if (differences.empty() && warnings.empty()) {
        io.out << "ok\n";
        return 0;
    }
    // What the read passed over or repaired did not survive the round trip either.
    for (const TbLoadWarning& warning : warnings) io.out << "warning: " << warning.text << '\n';
    for (const std::string& line : differences) io.out << line << '\n';
    return 1;
}

}  // namespace orvanta::cli
