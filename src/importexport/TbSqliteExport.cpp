// Export into an SQLite database: the Tabulon's table created (or replaced) and filled in one
// transaction through one prepared insert.
#include "importexport/TbFormatExport.h"
#include "importexport/TbTypedValue.h"

#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"
#include "platform/CodePage.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>

namespace pf = orvanta::platform;

namespace {

// A name as an SQL identifier: in double quotes, each one inside written twice.
std::string Quoted(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) quoted.append(c == '"' ? "\"\"" : std::string(1, c));
    return quoted.append("\"");
}

const char* Affinity(TbTypedKind kind) {
    switch (kind) {
        case TbTypedKind::Boolean:
        case TbTypedKind::Integer:
            return "INTEGER";
        case TbTypedKind::Real:
            return "REAL";
        default:
            return "TEXT";
    }
}

// "YYYY-MM-DD" or "HH:MM:SS" into text (11 bytes); its length.
int Iso(const TbTypedValue& value, char* text) {
    auto put = [&](int at, int number, int digits) {
        for (int i = digits - 1; i >= 0; --i, number /= 10)
            text[at + i] = static_cast<char>('0' + number % 10);
    };
    const bool date = value.kind == TbTypedKind::Date;
    put(0, date ? value.year : value.hour, date ? 4 : 2);
    const int month = date ? 4 : 2;
    text[month] = date ? '-' : ':';
    put(month + 1, date ? value.month : value.minute, 2);
    text[month + 3] = date ? '-' : ':';
    put(month + 4, date ? value.day : value.second, 2);
    return month + 6;
}

// The database while the export runs: closed, and the transaction rolled back when not
// committed, on every way out.
class Database {
public:
    ~Database() { Close(); }
    void Close() {
        if (m_insert) sqlite3_finalize(m_insert);
        if (m_inTransaction) sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        if (m_db) sqlite3_close(m_db);
        m_insert = nullptr;
        m_inTransaction = false;
        m_db = nullptr;
    }
    bool Open(const std::string& path) {
        return sqlite3_open_v2(path.c_str(), &m_db,
                               SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                               nullptr) == SQLITE_OK;
    }
    bool Run(const std::string& sql) {
        return sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    bool Begin() { return m_inTransaction = Run("BEGIN IMMEDIATE"); }
    bool Commit() { return !(m_inTransaction = !Run("COMMIT")); }
    bool HasTable(const std::string& name, bool* has);
    bool Prepare(const std::string& sql) {
        return sqlite3_prepare_v2(m_db, sql.c_str(), -1, &m_insert, nullptr) == SQLITE_OK;
    }
    bool Insert(const std::vector<TbTypedValue>& values);
    std::string Reason() const { return m_db ? sqlite3_errmsg(m_db) : "out of memory"; }

private:
    void Bind(int column, const TbTypedValue& value);

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_insert = nullptr;
    bool m_inTransaction = false;
};

bool Database::HasTable(const std::string& name, bool* has) {
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(m_db,
                           "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE",
                           -1, &query, nullptr) != SQLITE_OK)
        return false;
    sqlite3_bind_text(query, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    const int step = sqlite3_step(query);
    sqlite3_finalize(query);
    *has = step == SQLITE_ROW;
    return step == SQLITE_ROW || step == SQLITE_DONE;
}

void Database::Bind(int column, const TbTypedValue& value) {
    switch (value.kind) {
        case TbTypedKind::Boolean:
            sqlite3_bind_int(m_insert, column, value.boolean ? 1 : 0);
            break;
        case TbTypedKind::Integer:
            sqlite3_bind_int64(m_insert, column, value.integer);
            break;
        case TbTypedKind::Real:
            sqlite3_bind_double(m_insert, column, value.real);
            break;
        case TbTypedKind::Text: {
            std::string converted;
            const std::string& text = Utf8TextOf(value, &converted);
            sqlite3_bind_text(m_insert, column, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            break;
        }
        case TbTypedKind::Date:
        case TbTypedKind::Time: {
            char text[12];
            sqlite3_bind_text(m_insert, column, text, Iso(value, text), SQLITE_TRANSIENT);
            break;
        }
        default:
            sqlite3_bind_null(m_insert, column);
    }
}

bool Database::Insert(const std::vector<TbTypedValue>& values) {
    for (size_t i = 0; i < values.size(); ++i) Bind(static_cast<int>(i + 1), values[i]);
    const bool done = sqlite3_step(m_insert) == SQLITE_DONE;
    sqlite3_reset(m_insert);
    return done;
}

// kExportWriteFailed, removing the database when this export created it.
int32_t Failed(const std::string& path, bool created) {
    std::error_code ec;
    if (created) std::filesystem::remove(path, ec);
    return kExportWriteFailed;
}

std::string CreateTable(const std::string& table, const std::vector<const CTbObjField*>& fields,
                        const std::vector<std::string>& names) {
    std::string sql = "CREATE TABLE " + Quoted(table) + " (";
    for (size_t i = 0; i < fields.size(); ++i)
        sql.append(i > 0 ? ", " : "")
            .append(Quoted(names[i]))
            .append(" ")
            .append(Affinity(TypedKindOfField(*fields[i])));
    return sql.append(")");
}

std::string InsertRow(const std::string& table, size_t columns) {
    std::string sql = "INSERT INTO " + Quoted(table) + " VALUES (";
    for (size_t i = 0; i < columns; ++i) sql.append(i > 0 ? ", ?" : "?");
    return sql.append(")");
}

int32_t WriteTable(Database& database, CTbObjDB& db, const std::string& table,
                   const std::vector<const CTbObjField*>& fields, IProgressIndicator* progress) {
    if (!database.Run(CreateTable(table, fields, ExportColumnNames(fields))) ||
        !database.Prepare(InsertRow(table, fields.size())))
        return kExportWriteFailed;
    const CTbObjRecordList& records = db.Records();
    std::vector<TbTypedValue> values(fields.size());
    for (int i = 0; i < records.Count(true); ++i) {
        const CTbObjRecord& record = *records.RecordInStoredOrder(i);
        for (size_t c = 0; c < fields.size(); ++c) values[c] = TypedExportValue(*fields[c], record);
        if (!database.Insert(values)) return kExportWriteFailed;
        if (progress) progress->Step(1);
    }
    return database.Commit() ? 0 : kExportWriteFailed;
}

}  // namespace

int32_t ExportSqlite(CTbObjDB& db, const std::string& path, const std::vector<int32_t>& slots,
                     bool replaceTable, std::string* problem, IProgressIndicator* progress) {
    const std::vector<const CTbObjField*> fields = ExportedFields(db, slots);
    const std::string table = pf::Utf8FromWindows1252(db.DisplayName());
    std::error_code ec;
    const bool created = !std::filesystem::exists(path, ec);
    Database database;
    bool exists = false;
    // A database this export creates holds nothing else to protect: no rollback journal and no
    // waiting for the disk; a failure removes the file.
    if (!database.Open(path) ||
        (created && !database.Run("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF")) ||
        !database.Begin() || !database.HasTable(table, &exists)) {
        *problem = database.Reason();
        return Failed(path, created);
    }
    if (exists && !replaceTable) {
        *problem = table;
        return kExportTableExists;
    }
    if (exists && !database.Run("DROP TABLE " + Quoted(table))) {
        *problem = database.Reason();
        return kExportWriteFailed;
    }
    const int32_t status = WriteTable(database, db, table, fields, progress);
    if (status == 0) return 0;
    *problem = database.Reason();
    database.Close();
    return Failed(path, created);
}
