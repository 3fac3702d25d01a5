// Export as JSON: "[", then one object a line per record, then "]".
#include "importexport/ReplacingFile.h"
#include "importexport/TbFormatExport.h"
#include "importexport/TbTypedValue.h"

#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "model/TbObjRecord.h"
#include "platform/CodePage.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>

namespace {

using Json = nlohmann::ordered_json;

std::string Digits(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

Json ValueJson(const TbTypedValue& value) {
    switch (value.kind) {
        case TbTypedKind::Boolean:
            return value.boolean;
        case TbTypedKind::Integer:
            return value.integer;
        case TbTypedKind::Real:
            return value.real;
        case TbTypedKind::Text:
            return orvanta::platform::Utf8FromWindows1252(value.text);
        case TbTypedKind::Date:
            return Digits(value.year, 4) + "-" + Digits(value.month, 2) + "-" + Digits(value.day, 2);
        case TbTypedKind::Time:
            return Digits(value.hour, 2) + ":" + Digits(value.minute, 2) + ":" + Digits(value.second, 2);
        default:
            return nullptr;
    }
}

}  // namespace

int32_t ExportJson(CTbObjDB& db, const std::string& path, const std::vector<int32_t>& slots,
                   IProgressIndicator* progress) {
    const std::vector<const CTbObjField*> fields = ExportedFields(db, slots);
    const std::vector<std::string> names = ExportColumnNames(fields);
    ReplacingFile file(path);
    if (!file.Ok()) return kExportWriteFailed;
    std::ofstream out(file.Path(), std::ios::binary);
    const CTbObjRecordList& records = db.Records();
    const int count = records.Count(true);
    out << '[';
    for (int i = 0; i < count && out; ++i) {
        const CTbObjRecord& record = *records.RecordInStoredOrder(i);
        Json object = Json::object();
        for (size_t f = 0; f < fields.size(); ++f)
            object[names[f]] = ValueJson(TypedExportValue(*fields[f], record));
        out << (i > 0 ? ",\n" : "\n") << object.dump();
        if (progress) progress->Step(1);
    }
    out << (count > 0 ? "\n]\n" : "]\n");
    out.close();
    return out && file.Commit() ? 0 : kExportWriteFailed;
}
