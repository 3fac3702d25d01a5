// CTbImportExport: one import or export run between a Tabulon and a delimited text file:
// AnalyzeFile finds the columns and their types, ImportRecords appends the rows of mapped
// columns as records, ExportRecords writes chosen fields of every record.
#pragma once

#include "importexport/CTokenizer.h"
#include "importexport/ImportExportTypes.h"
#include "platform/Locale.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CTbObjDB;
class IProgressIndicator;
class QnVFile;

class CTbImportExport {
public:
    CTbImportExport() = default;
    virtual ~CTbImportExport() = default;
    CTbImportExport(const CTbImportExport&) = delete;
    CTbImportExport& operator=(const CTbImportExport&) = delete;

    // Reads the whole file (file: a closed file object with its path) and fills columns with
    // the names and detected types. recordCount counts the rows read, the header row included.
    // 0, -221 when a value was over 4095 characters, -248 for a Unicode file, or the failure.
    int32_t AnalyzeFile(QnVFile& file, const ImportExportOptions& options, CImportFields* columns,
                        int32_t* recordCount);
    // Appends one record per data row, each mapped column's value converted to its target
    // field's type. On -247 (and at the record limit, -249) problemRecord is the row number,
    // the header row counted, and problemText the value that failed. Records added before a
    // failure stay. 0, -221 when a value was shortened, or the failure.
    int32_t ImportRecords(QnVFile& file, const ImportExportOptions& options, const CImportFields& mapping,
                          CTbObjDB& db, int32_t* problemRecord, std::string* problemText,
                          IProgressIndicator* progress);
    // Writes the fields of the slots in that order (slots above 80, Image and Plug-In fields
    // left out) for every record; replaces the file. A partly written file stays on a failure.
    // progress, when given, steps once per record (its range is the caller's to set).
    int32_t ExportRecords(CTbObjDB& db, QnVFile& file, const std::vector<int32_t>& slots,
                          const ImportExportOptions& options, IProgressIndicator* progress = nullptr);

private:
    int32_t Begin(QnVFile& file, const ImportExportOptions& options, bool reading);
    void End();
    // Runs the work with the file closed and the state reset on every way out; exceptions
    // become the file's code, the automation error's code or -1.
    int32_t Guarded(QnVFile& file, const ImportExportOptions& options, bool reading,
                    const std::function<int32_t()>& work);
    int32_t RefuseUnicode();
    // One row's values into the first *count fields of row (fields beyond them are kept for
    // later rows, so that reading allocates nothing); with detect, each non-empty value's type.
    // -221 when a value is too long.
    int32_t ReadRecord(CImportFields* row, size_t* count, bool detect);
    int32_t AnalyzeRows(CImportFields* columns, int32_t* recordCount);
    int32_t ImportRows(const CImportFields& mapping, CTbObjDB& db, int32_t* problemRecord,
                       IProgressIndicator* progress);
    // A new record with the row's mapped values; the status of the last imported value.
    // *shortened is set when any value was cut to its field's length.
    int32_t AddRecord(const CImportFields& row, size_t count, const CImportFields& mapping, CTbObjDB& db,
                      bool* shortened);
    int32_t WriteRecords(CTbObjDB& db, const std::vector<int32_t>& slots, IProgressIndicator* progress);

    QnVFile* m_file = nullptr;
    uint32_t m_position = 0;
    uint32_t m_length = 0;
    ImportExportOptions m_options{};
    orvanta::platform::Locale m_locale;  // the user's, with the run's date order
    std::string m_problemText;
    std::unique_ptr<CTokenizerBase> m_tokenizer;
};
