// The commands that look into a Tabulon: info (a summary for people, from the header and the
// design alone) and json (everything, for programs, from a full read).
#include "cli/Commands.h"
#include "cli/JsonExport.h"
#include "cli/TabulonIo.h"

#include "model/TbObjDB.h"
#include "platform/CodePage.h"

#include <string>

namespace orvanta::cli {
namespace {

using platform::Utf8FromWindows1252;

// A name padded to a column width counted in characters, not UTF-8 bytes.
std::string Padded(const std::string& utf8, size_t width) {
    size_t characters = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    return characters >= width ? utf8 + ' ' : utf8 + std::string(width - characters, ' ');
}

void PrintFields(const CTbObjDB& db, std::ostream& out) {
    out << "Fields (" << db.UsedFieldCount() << "):\n";
    for (int slot = 0; slot < MaxFieldSlots; ++slot) {
        const CTbObjField* field = db.Field(slot);
        if (!field || !field->IsUsed()) continue;
        std::string number = std::to_string(slot);
        out << std::string(4 - number.size(), ' ') << number << "  "
            << Padded(Utf8FromWindows1252(field->GetName()), 22) << FieldTypeLabel(field->GetType()) << '\n';
    }
}

void PrintViews(const CTbObjDB& db, std::ostream& out) {
    out << "Views (" << db.ViewCount() << "):\n";
    for (int i = 0; i < db.ViewCount(); ++i) {
        const CTbObjView* view = db.View(i);
        out << "  " << Utf8FromWindows1252(view->GetName()) << ": columns";
        for (int c = 0; c < view->ColumnCount(); ++c) out << (c ? ", " : " ") << view->Column(c)->GetField();
        if (view->ColumnCount() == 0) out << " none";
        out << '\n';
    }
}

void PrintFilters(const CTbObjDB& db, std::ostream& out) {
    out << "Filters (" << db.FilterCount() << "):\n";
    for (int i = 0; i < db.FilterCount(); ++i) {
        const CTbObjFilter* filter = db.Filter(i);
        int used = 0;
        for (int c = 0; c < 3; ++c) used += filter->GetCondition(c).field != 0;
        out << "  " << Utf8FromWindows1252(filter->GetName()) << ": " << used
            << (used == 1 ? " condition\n" : " conditions\n");
    }
}

void PrintTabs(const CTbObjDB& db, std::ostream& out) {
    out << "Tabs (" << db.TabCount() << "):\n";
    for (int i = 0; i < db.TabCount(); ++i) {
        const CTbObjTab* tab = db.Tab(i);
        int rows = tab->UsedRowCount();
        out << "  " << Utf8FromWindows1252(tab->GetName()) << ": " << rows
            << (rows == 1 ? " row\n" : " rows\n");
    }
}

// Only a damaged file has this part: what its read passed over or repaired.
void PrintWarnings(const CTbObjDB& db, std::ostream& out) {
    if (db.LoadWarnings().empty()) return;
    out << "Warnings (" << db.LoadWarnings().size() << "):\n";
    for (const TbLoadWarning& warning : db.LoadWarnings()) out << "  " << warning.text << '\n';
}

}  // namespace

int RunInfo(const std::string& path, CommandIo& io) {
    CTbObjDB db;
    std::string message;
    if (!LoadTabulon(db, path, io, &message, true)) return Failed(io, message);
    io.out << "Name: " << Utf8FromWindows1252(db.GetPdbName()) << '\n'
           << "Design version: " << static_cast<int>(db.GetDbVersion()) << '\n'
           << "Records: " << db.RecordCount() << '\n';
    PrintFields(db, io.out);
    PrintViews(db, io.out);
    PrintFilters(db, io.out);
    PrintTabs(db, io.out);
    PrintWarnings(db, io.out);
    return 0;
}

int RunJson(const std::string& path, CommandIo& io) {
    CTbObjDB db;
    std::string message;
    if (!LoadTabulon(db, path, io, &message)) return Failed(io, message);
    JsonWriter out(&io.out);
    WriteTabulonJson(out, db);
    out.Flush();
    io.out << '\n';
    return 0;
}

}  // namespace orvanta::cli
