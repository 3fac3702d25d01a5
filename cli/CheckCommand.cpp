// check: whether a Tabulon survives a save and a second read unchanged. The design is compared
// as JSON and each record by a digest of what its JSON is made from, so only one Tabulon is in
// memory at a time; the records that differ are shown by their JSON path, after what the first
// read passed over or repaired.
#include "cli/Commands.h"
#include "cli/JsonDiff.h"
#include "cli/JsonExport.h"
#include "cli/RecordDigest.h"
#include "cli/TabulonIo.h"

#include "model/TbObjDB.h"
#include "platform/FileSystem.h"

#include <sstream>

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

// A Tabulon as the comparison needs it: the design as a document, a digest of each record.
struct Summary {
    Json design;
    std::vector<uint64_t> records;
};

Summary Summarize(CTbObjDB& db) {
    Summary summary;
    JsonWriter out;
    WriteTabulonJson(out, db, false);
    summary.design = Json::parse(out.Gathered());
    const CTbObjRecordList& list = db.Records();
    summary.records.reserve(list.Count(true));
    for (int i = 0; i < list.Count(true); ++i)
        summary.records.push_back(RecordDigest(db, *list.RecordInStoredOrder(i)));
    return summary;
}

// The records to compare as JSON: those whose digests differ. A digest covers the values but not
// the fields that give them their JSON, so when the design differs every record is compared.
std::vector<int> RecordsToCompare(const Summary& expected, const Summary& actual, bool designDiffers) {
    size_t shared = std::min(expected.records.size(), actual.records.size());
    std::vector<int> shown;
    for (size_t i = 0; i < shared; ++i)
        if (designDiffers || expected.records[i] != actual.records[i]) shown.push_back(static_cast<int>(i));
    return shown;
}

// Reads path and saves it to savePath: the first Tabulon as the comparison knows it.
bool ReadAndSave(CTbObjDB& db, const std::string& path, const std::string& savePath, CommandIo& io,
                 std::string* message) {
    // Read a second time only to show the differences: its warnings were told the first time.
    std::ostringstream told;
    CommandIo quiet{io.out, told, io.progress};
    return LoadTabulon(db, path, quiet, message) && SaveTabulon(db, SaveTarget{savePath}, io, message);
}

// The lines of the records whose JSON differs among those given. The first Tabulon is read and
// saved again (the same file gives the same model, unique IDs included) to show them in full.
bool DiffRecords(const std::string& path, const std::vector<int>& differing, CTbObjDB& second, CommandIo& io,
                 std::vector<std::string>* lines) {
    CTbObjDB first;
    TempTabulonFile temp;
    std::string message;
    if (temp.Path().empty() || !ReadAndSave(first, path, temp.Path(), io, &message)) {
        Failed(io, message.empty() ? "Could not read " + path + " again." : message);
        return false;
    }
    for (int i : differing) {
        std::vector<std::string> found =
            DiffJson(RecordToJson(first, *first.Records().RecordInStoredOrder(i)),
                     RecordToJson(second, *second.Records().RecordInStoredOrder(i)),
                     "records[" + std::to_string(i) + "]");
        lines->insert(lines->end(), found.begin(), found.end());
    }
    return true;
}

}  // namespace

int RunCheck(const std::string& path, CommandIo& io) {
    TempTabulonFile temp;
    Summary expected;
    TbLoadWarnings warnings;
    {
        CTbObjDB first;
        std::string message;
        if (!LoadTabulon(first, path, io, &message)) return Failed(io, message);
        warnings = first.LoadWarnings();  // a save empties the list
        if (temp.Path().empty())
            return Failed(io, "Could not create a temporary file in " + platform::TempFolder() + ".");
        if (!SaveTabulon(first, SaveTarget{temp.Path()}, io, &message)) return Failed(io, message);
        expected = Summarize(first);
    }
    CTbObjDB second;
    std::string message;
    if (!LoadTabulon(second, temp.Path(), io, &message)) return Failed(io, message);
    Summary actual = Summarize(second);

    std::vector<std::string> differences = DiffJson(JsonAfterRoundTrip(expected.design), actual.design);
    std::vector<int> differing = RecordsToCompare(expected, actual, !differences.empty());
    if (!differing.empty() && !DiffRecords(path, differing, second, io, &differences)) return 1;
    if (expected.records.size() != actual.records.size())
        differences.push_back("records: " + std::to_string(expected.records.size()) +
                              " items != " + std::to_string(actual.records.size()) + " items");
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
