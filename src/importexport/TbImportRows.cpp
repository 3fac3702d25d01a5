// Importing the rows of a file: one new record per data row, each mapped value converted
// into its field, up to the most records a Tabulon holds.
#include "importexport/CTbImportExport.h"
#include "importexport/TbValueConvert.h"
#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

int32_t CTbImportExport::ImportRecords(QnVFile& file, const ImportExportOptions& options,
                                       const CImportFields& mapping, CTbObjDB& db, int32_t* problemRecord,
                                       std::string* problemText, IProgressIndicator* progress) {
    *problemRecord = -1;
    problemText->clear();
    int32_t status =
        Guarded(file, options, true, [&] { return ImportRows(mapping, db, problemRecord, progress); });
    if (status == kImportConversionFailed || status == kImportRecordLimit) *problemText = m_problemText;
    return status;
}

int32_t CTbImportExport::ImportRows(const CImportFields& mapping, CTbObjDB& db, int32_t* problemRecord,
                                    IProgressIndicator* progress) {
    int mapped = 0;
    for (const auto& column : mapping)
        if (column->target != kNotMapped) ++mapped;
    if (mapped > MaxUserFields) return kImportTooManyColumns;
    bool warned = false;
    int32_t status = 0;
    CImportFields row;
    size_t count = 0;
    for (int32_t recordNumber = 1; m_position < m_length && status == 0; ++recordNumber) {
        m_problemText.clear();
        status = ReadRecord(&row, &count, false);
        if (status == 0 || status == kImportValueTooLong) {
            warned |= status == kImportValueTooLong;
            status = 0;
            if (recordNumber > 1 || !m_options.firstRecordFieldNames) {
                status = db.RecordCount() >= kMaxImportedRecords
                             ? kImportRecordLimit
                             : AddRecord(row, count, mapping, db, &warned);
                if (status == kImportValueTooLong) status = 0;
            }
        }
        if (status == kImportConversionFailed || status == kImportRecordLimit) *problemRecord = recordNumber;
        if (progress) {
            progress->Step(1);
            progress->SetText("Importing records from file");
        }
    }
    return status != 0 ? status : (warned ? kImportValueTooLong : 0);
}

int32_t CTbImportExport::AddRecord(const CImportFields& row, size_t count, const CImportFields& mapping,
                                   CTbObjDB& db, bool* shortened) {
    CTbObjRecord* record = db.Records().AddRecord(true, false);
    int32_t result = 0;
    for (size_t i = 0; i < count && i < mapping.size(); ++i) {
        const uint16_t slot = mapping[i]->target;
        CTbObjField* field = slot == kNotMapped ? nullptr : db.Field(slot);
        CTbObjRecordValue* value = record->Value(slot);
        if (!field || !value) continue;
        // Every mapped value is imported; the last one's status is the record's. A value that
        // cannot be converted before it stays cleared; a shortened one still warns at the end.
        result = ImportValue(row[i]->value, *field, *value, m_locale, &m_problemText);
        *shortened |= result == kImportValueTooLong;
    }
    db.SetModified(true);
    return result;
}
