// The whole Tabulon as JSON: the PDB header, the header settings and stored passwords, the used
// fields, views, filters (with the quick and external ones), form tabs and records in file order.
#include "cli/JsonExport.h"
#include "cli/JsonSupport.h"

#include "model/TbObjDB.h"

namespace orvanta::cli {
namespace {

void WriteSettings(JsonWriter& j, const CTbObjDB& db) {
    j.BeginObject();
    j.Member("currentCategory", db.GetCurrentCategory());
    j.Member("currentView", db.GetCurrentView());
    j.Member("currentFilter", db.GetCurrentFilter());
    j.Member("currentMultiFilter", db.GetCurrentMultiFilter());
    j.Member("reportAmountPercent", db.GetReportAmountType());
    j.Member("reportGraph", db.GetReportGraphMode());
    j.Member("dbCategory", db.GetDbCategory());
    j.Member("doNotBackup", db.GetDoNotBackup());
    j.Member("readOnly", db.GetReadOnly());
    j.Member("includeInGlobalFind", db.GetIncludeInGlobalFind());
    j.Member("useStartupScreen", db.GetUseStartupScreen());
    j.Key("startupScreen").Text(db.GetStartupScreen());
    j.Member("formTabRow", db.GetFormTabRow());
    j.EndObject();
}

// The stored (scrambled) passwords that are set, as the bytes the file holds.
void WritePasswords(JsonWriter& j, const CTbObjDB& db) {
    static constexpr const char* kKinds[TbPasswordKindCount] = {"login", "modify",    "design",
                                                                "view",  "copyright", "beam"};
    j.BeginObject();
    for (int kind = 0; kind < TbPasswordKindCount; ++kind)
        if (!db.GetStoredPassword(kind).empty()) j.Member(kKinds[kind], Hex(db.GetStoredPassword(kind)));
    j.EndObject();
}

void WriteView(JsonWriter& j, const CTbObjView& view) {
    j.BeginObject();
    j.Key("name").Text(view.GetName());
    j.Key("columns").BeginArray();
    for (int i = 0; i < view.ColumnCount(); ++i) j.Value(view.Column(i)->GetField());
    j.EndArray();
    j.Key("columnWidths").BeginArray();
    for (int i = 0; i < view.ColumnCount(); ++i) j.Value(view.Column(i)->GetWidth());
    j.EndArray();
    j.Key("identicalSuppress").BeginArray();
    for (int i = 0; i < view.ColumnCount(); ++i) j.Value(view.Column(i)->GetIdenticalSuppress());
    j.EndArray();
    j.Member("defaultFilter", view.GetDefaultFilter());
    j.Member("frozenColumns", view.GetFrozenColumns());
    j.Key("sortKeys").BeginArray();
    for (int k = 1; k <= 3; ++k) {
        CTbObjView::SortKey key = view.GetSortKey(k);
        j.BeginObject();
        j.Member("field", key.field);
        j.Member("direction", key.direction);
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
}

void WriteRow(JsonWriter& j, const CTbObjTabRow& row) {
    j.BeginObject();
    j.Member("position", row.GetPosition());
    j.Member("field", row.GetField());
    j.Key("labelText").Text(row.GetLabelText());
    j.Key("popupHelp").Text(row.GetPopupHelp());
    j.Member("labelFont", row.GetLabelFont());
    j.Member("labelForeground", row.GetLabelForeground());
    j.Member("labelBackground", row.GetLabelBackground());
    j.Member("fieldFont", row.GetFieldFont());
    j.Member("fieldForeground", row.GetFieldForeground());
    j.Member("fieldBackground", row.GetFieldBackground());
    j.Member("alignment", row.GetAlignment());
    j.Member("readOnly", row.GetReadOnly());
    j.Member("imageDisplay", row.GetImageDisplay());
    j.EndObject();
}

// "rows" counts the rows in use; "usedRows" gives each of them.
void WriteTab(JsonWriter& j, const CTbObjTab& tab) {
    j.BeginObject();
    j.Key("name").Text(tab.GetName());
    j.Member("firstColumnWidth", tab.GetFirstColumnWidth());
    j.Member("rows", tab.UsedRowCount());
    j.Key("usedRows").BeginArray();
    for (int i = 0; i < tab.RowCount(); ++i)
        if (const CTbObjTabRow* row = tab.RowAtIndex(i); row && !row->IsEmpty()) WriteRow(j, *row);
    j.EndArray();
    j.EndObject();
}

void WriteDesign(JsonWriter& j, CTbObjDB& db) {
    j.Key("fields").BeginArray();
    for (int slot = 0; slot < MaxFieldSlots; ++slot)
        if (const CTbObjField* field = db.Field(slot); field && field->IsUsed()) WriteFieldJson(j, *field);
    j.EndArray();
    j.Key("views").BeginArray();
    for (int i = 0; i < db.ViewCount(); ++i) WriteView(j, *db.View(i));
    j.EndArray();
    j.Key("filters").BeginArray();
    for (int i = 0; i < db.FilterCount(); ++i) WriteFilterJson(j, *db.Filter(i));
    j.EndArray();
    j.Key("quickFilter");
    WriteFilterJson(j, db.QuickFilter());
    j.Key("externalFilter");
    WriteFilterJson(j, db.ExternalFilter());
    j.Key("tabs").BeginArray();
    for (int i = 0; i < db.TabCount(); ++i) WriteTab(j, *db.Tab(i));
    j.EndArray();
}

}  // namespace

namespace {

// What the read passed over or repaired, in the order met.
void WriteWarnings(JsonWriter& j, const CTbObjDB& db) {
    j.Key("warnings").BeginArray();
    for (const TbLoadWarning& warning : db.LoadWarnings()) {
        j.BeginObject();
        j.Member("record", warning.record);
        j.Member("kind", LoadWarningKindName(warning.kind));
        j.Key("text").Text(warning.text);
        j.EndObject();
    }
    j.EndArray();
}

}  // namespace

void WriteTabulonJson(JsonWriter& j, CTbObjDB& db, bool withRecords, bool resolved) {
    j.BeginObject();
    j.Key("name").Text(db.GetPdbName());
    j.Member("attributes", db.GetPdbAttributes());
    j.Member("version", db.GetPdbVersion());
    j.Member("creationDate", db.GetCreationDate());
    j.Member("modificationDate", db.GetModificationDate());
    j.Member("backupDate", db.GetBackupDate());
    j.Member("modificationNumber", db.GetModificationNumber());
    j.Member("uniqueIdSeed", db.GetUniqueIdSeed());
    j.Member("dbVersion", db.GetDbVersion());
    j.Key("settings");
    WriteSettings(j, db);
    j.Key("passwords");
    WritePasswords(j, db);
    j.Member("nextKey", db.Records().GetNextKey());
    WriteDesign(j, db);
    if (withRecords) {
        const CTbObjRecordList& list = db.Records();
        j.Key("records").BeginArray();
        for (int i = 0; i < list.Count(true); ++i)
            WriteRecordJson(j, db, *list.RecordInStoredOrder(i), resolved);
        j.EndArray();
    }
    // Only a damaged file has the member, so that the JSON of a sound one stays as it was.
    if (!db.LoadWarnings().empty()) WriteWarnings(j, db);
    j.EndObject();
}

Json TabulonToJson(CTbObjDB& db) {
    JsonWriter out;
    WriteTabulonJson(out, db);
    return Json::parse(out.Gathered());
}

Json RecordToJson(const CTbObjDB& db, const CTbObjRecord& record) {
    JsonWriter out;
    WriteRecordJson(out, db, record);
    return Json::parse(out.Gathered());
}

}  // namespace orvanta::cli
