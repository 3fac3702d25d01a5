// Shared by the import and export tests: a US-English locale, a folder for the files, and a
// Tabulon with fields to import into or export from.
#pragma once

#include "importexport/CTbImportExport.h"
#include "importexport/TbValueConvert.h"
#include "io/QnFile.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"
#include "platform/Locale.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

class ImportExportFixture : public testing::Test {
protected:
    std::string WriteFile(const std::string& name, const std::string& text) {
        WriteTextFile(dir.File(name), text);
        return dir.File(name);
    }
    std::string ReadFile(const std::string& name) { return ReadTextFile(dir.File(name)); }
    static ImportExportOptions Options(int delimiter = 1, bool header = false) {
        ImportExportOptions options;
        options.delimiter = delimiter;
        options.firstRecordFieldNames = header ? 1 : 0;
        return options;
    }
    // Analyses a comma-delimited text; the columns' types in order.
    int32_t Analyze(const std::string& text, CImportFields* columns, int32_t* records = nullptr,
                    const ImportExportOptions& options = Options()) {
        QnFile file(WriteFile("in.csv", text).c_str());
        int32_t count = 0;
        return CTbImportExport().AnalyzeFile(file, options, columns, records ? records : &count);
    }
    // Imports the text with column i mapped to targets[i].
    int32_t Import(const std::string& text, const std::vector<uint16_t>& targets,
                   const ImportExportOptions& options = Options()) {
        CImportFields mapping;
        for (uint16_t target : targets) {
            mapping.push_back(std::make_unique<CImportField>());
            mapping.back()->target = target;
        }
        QnFile file(WriteFile("in.csv", text).c_str());
        return CTbImportExport().ImportRecords(file, options, mapping, db, &problemRecord, &problemText,
                                               nullptr);
    }
    // The values of the slots (those mapped) in every record as export writes them, times in
    // 24 hours with seconds: comma-separated, a line per record.
    std::string Shown(const std::vector<uint16_t>& slots) {
        ImportExportOptions options = Options();
        options.timeMilitary = options.timeHasSeconds = 1;
        std::string shown;
        for (int i = 0; i < db.RecordCount(); ++i) {
            std::string line;
            for (uint16_t slot : slots)
                if (slot != kNotMapped)
                    line.append(",").append(
                        FormatExportValue(*db.Field(slot), *db.Records().RecordInStoredOrder(i), options));
            shown.append(line.empty() ? line : line.substr(1)).append("\n");
        }
        return shown;
    }
    CTbObjRecordValue& ValueOf(int record, int slot) {
        return *db.Records().RecordInStoredOrder(record)->Value(slot);
    }

    orvanta::platform::ScopedLocaleOverride locale{orvanta::platform::Locale::UsEnglish()};
    TempDir dir;
    CTbObjDB db;
    int32_t problemRecord = 0;
    std::string problemText;
};
