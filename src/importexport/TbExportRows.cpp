// Exporting records: an optional line of field names, then one line per record, values quoted
// for the delimiter. Lines end in CR LF, as every LF the file writes does; the text goes out
// through a buffer in large writes.
#include "importexport/CTbImportExport.h"
#include "importexport/TbTypedValue.h"
#include "importexport/TbValueConvert.h"
#include "io/QnVFile.h"
#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "model/TbObjRecord.h"

namespace {

constexpr size_t kFlushSize = 1u << 20;
constexpr uint32_t kTextType = 0x54455854;     // 'TEXT'
constexpr uint32_t kTextCreator = 0x74747874;  // 'ttxt'

// Text for the file, each LF written as CR LF; written out whenever a megabyte has gathered.
class LineWriter {
public:
    explicit LineWriter(QnVFile& file) : m_file(file) { m_buffer.reserve(kFlushSize + 4096); }
    void Append(std::string_view text) {
        for (size_t start = 0;;) {
            const size_t lf = text.find('\n', start);
            m_buffer.append(text.substr(start, lf - start));
            if (lf == std::string_view::npos) break;
            m_buffer.append("\r\n");
            start = lf + 1;
        }
        if (m_buffer.size() >= kFlushSize) Flush();
    }
    void Flush() {
        if (!m_buffer.empty()) m_file.Write(m_buffer.data(), static_cast<uint32_t>(m_buffer.size()));
        m_buffer.clear();
    }

private:
    QnVFile& m_file;
    std::string m_buffer;
};

}  // namespace

int32_t CTbImportExport::ExportRecords(CTbObjDB& db, QnVFile& file, const std::vector<int32_t>& slots,
                                       const ImportExportOptions& options, IProgressIndicator* progress) {
    return Guarded(file, options, false, [&] {
        if (file.Exists(false)) file.Delete();
        file.SetTypeCreator(kTextType, kTextCreator);
        file.Create();
        file.Open(2);
        return WriteRecords(db, slots, progress);
    });
}

int32_t CTbImportExport::WriteRecords(CTbObjDB& db, const std::vector<int32_t>& slots,
                                      IProgressIndicator* progress) {
    if (!m_tokenizer) return kImportUnexpectedException;
    const std::vector<const CTbObjField*> fields = ExportedFields(db, slots);
    const char delimiter[] = {m_tokenizer->Delimiter(), 0};
    LineWriter out(*m_file);
    std::string quoted;
    auto writeLine = [&](auto textOf) {
        for (size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) out.Append(delimiter);
            m_tokenizer->QuoteForOutput(textOf(*fields[i]), &quoted);
            out.Append(quoted);
        }
        out.Append("\n");
    };
    if (m_options.firstRecordFieldNames) writeLine([](const CTbObjField& field) { return field.GetName(); });
    const CTbObjRecordList& records = db.Records();
    for (int i = 0; i < records.Count(true); ++i) {
        const CTbObjRecord& record = *records.RecordInStoredOrder(i);
        writeLine([&](const CTbObjField& field) { return FormatExportValue(field, record, m_options); });
        if (progress) progress->Step(1);
    }
    out.Flush();
    return 0;
}
