// The run's set-up and clean-up, reading rows and analysing columns.
#include "importexport/CTbImportExport.h"

#include "importexport/TbColumnTypes.h"
#include "io/QnAutoError.h"
#include "io/QnException.h"
#include "io/QnVFile.h"
#include "platform/Locale.h"

namespace {

// FF FE, FE FF, EF BB BF, 00 00 FE FF, FF FE 00 00.
bool HasUnicodeSignature(const unsigned char* bytes, uint32_t count) {
    auto starts = [&](std::initializer_list<unsigned char> signature) {
        return count >= signature.size() && std::equal(signature.begin(), signature.end(), bytes);
    };
    return starts({0xFF, 0xFE}) || starts({0xFE, 0xFF}) || starts({0xEF, 0xBB, 0xBF}) ||
           starts({0x00, 0x00, 0xFE, 0xFF});
}

}  // namespace

int32_t CTbImportExport::Begin(QnVFile& file, const ImportExportOptions& options, bool reading) {
    m_file = &file;
    m_position = 0;
    m_options = options;
    m_locale = ImportLocale(orvanta::platform::UserLocale(), options.dateFormat);
    m_problemText.clear();
    m_tokenizer = MakeTokenizer(options.delimiter);
    if (!reading) return 0;
    file.Open(0);
    m_length = file.GetLength();
    return RefuseUnicode();
}

void CTbImportExport::End() {
    if (m_file && m_file->IsOpen()) m_file->Close();
    m_file = nullptr;
    m_tokenizer.reset();
    m_options = ImportExportOptions{};
    m_position = m_length = 0;
}

int32_t CTbImportExport::Guarded(QnVFile& file, const ImportExportOptions& options, bool reading,
                                 const std::function<int32_t()>& work) {
    int32_t status = 0;
    try {
        status = Begin(file, options, reading);
        if (status == 0) status = work();
    } catch (QnException* exception) {
        status = exception->GetCode();
        exception->Reset();
    } catch (const QnAutoError& error) {
        status = error.GetCode();
    } catch (...) {
        if (status == 0) status = kImportUnexpectedException;
    }
    End();
    return status;
}

int32_t CTbImportExport::RefuseUnicode() {
    unsigned char bytes[4] = {};
    uint32_t count = sizeof bytes;
    if (QnResult status = m_file->Read(bytes, &count); status != QN_OK) return status;
    if (QnResult status = m_file->Seek(0, QN_SEEK_BEGIN); status != QN_OK) return status;
    return HasUnicodeSignature(bytes, count) ? kImportUnicodeFile : 0;
}

int32_t CTbImportExport::ReadRecord(CImportFields* row, size_t* count, bool detect) {
    if (!m_tokenizer) return kImportUnexpectedException;
    bool tooLong = false, endOfRecord = false;
    *count = 0;
    while (!endOfRecord) {
        if (*count == row->size()) row->push_back(std::make_unique<CImportField>());
        CImportField& field = *(*row)[(*count)++];
        field.type = NOTUSED_T;
        if (int32_t status = m_tokenizer->ReadToken(*m_file, &m_position, &field.value, &endOfRecord);
            status != 0)
            return status;
        m_tokenizer->Unquote(field.value, &field.value);
        // Only a long text can make a value too long; reading for import needs no other type.
        if (!field.value.empty() && (detect || field.value.size() > kMaxMemoLength)) {
            int32_t status = DetectValueType(field.value, m_locale, &field.type);
            if (status == kImportValueTooLong)
                tooLong = true;
            else if (status != 0)
                return status;
        }
    }
    return tooLong ? kImportValueTooLong : 0;
}

int32_t CTbImportExport::AnalyzeFile(QnVFile& file, const ImportExportOptions& options,
                                     CImportFields* columns, int32_t* recordCount) {
    *recordCount = 0;
    return Guarded(file, options, true, [&] { return AnalyzeRows(columns, recordCount); });
}

int32_t CTbImportExport::AnalyzeRows(CImportFields* columns, int32_t* recordCount) {
    bool tooLong = false;
    int32_t status = 0;
    CImportFields row;
    size_t count = 0;
    while (m_position < m_length && status == 0) {
        ++*recordCount;
        status = ReadRecord(&row, &count, true);
        if (status == kImportValueTooLong) {
            tooLong = true;
            status = 0;
        }
        if (status != 0) break;
        const bool header = columns->empty() && m_options.firstRecordFieldNames;
        while (columns->size() < count) {
            columns->push_back(std::make_unique<CImportField>());
            if (header) columns->back()->value = row[columns->size() - 1]->value;
        }
        if (header) continue;
        for (size_t i = 0; i < count; ++i) MergeColumnType(row[i]->type, &(*columns)[i]->type);
    }
    if (status != 0) return status;
    int unnamed = 0;
    for (auto& column : *columns)
        if (column->value.empty()) column->value = std::string("Field ").append(std::to_string(++unnamed));
    return tooLong ? kImportValueTooLong : 0;
}
