// The whole Tabulon as JSON: the PDB header, the header settings and stored passwords, the used
// fields, views, filters (with the quick and external ones), form tabs and records in file order.
#include "cli/JsonExport.h"
#include "cli/JsonSupport.h"

#include "model/TbObjDB.h"

namespace orvanta::cli {
namespace {

Json Settings(const CTbObjDB& db) {
    return Json{{"currentCategory", db.GetCurrentCategory()},
                {"currentView", db.GetCurrentView()},
                {"currentFilter", db.GetCurrentFilter()},
                {"currentMultiFilter", db.GetCurrentMultiFilter()},
                {"reportAmountPercent", db.GetReportAmountType()},
                {"reportGraph", db.GetReportGraphMode()},
                {"dbCategory", db.GetDbCategory()},
                {"doNotBackup", db.GetDoNotBackup()},
                {"readOnly", db.GetReadOnly()},
                {"includeInGlobalFind", db.GetIncludeInGlobalFind()},
                {"useStartupScreen", db.GetUseStartupScreen()},
                {"startupScreen", JsonText(db.GetStartupScreen())},
                {"formTabRow", db.GetFormTabRow()}};
}

// The stored (scrambled) passwords that are set, as the bytes the file holds.
Json Passwords(const CTbObjDB& db) {
    static constexpr const char* kKinds[TbPasswordKindCount] = {"login", "modify",    "design",
                                                                "view",  "copyright", "beam"};
    Json passwords = Json::object();
    for (int kind = 0; kind < TbPasswordKindCount; ++kind)
        if (!db.GetStoredPassword(kind).empty()) passwords[kKinds[kind]] = Hex(db.GetStoredPassword(kind));
    return passwords;
}

Json ViewToJson(const CTbObjView& view) {
    Json columns = Json::array(), widths = Json::array(), suppress = Json::array();
    for (int i = 0; i < view.ColumnCount(); ++i) {
        const CTbObjViewColumn* column = view.Column(i);
        columns.push_back(column->GetField());
        widths.push_back(column->GetWidth());
        suppress.push_back(column->GetIdenticalSuppress());
    }
    Json sortKeys = Json::array();
    for (int k = 1; k <= 3; ++k) {
        CTbObjView::SortKey key = view.GetSortKey(k);
        sortKeys.push_back(Json{{"field", key.field}, {"direction", key.direction}});
    }
    return Json{{"name", JsonText(view.GetName())},         {"columns", std::move(columns)},
                {"columnWidths", std::move(widths)},        {"identicalSuppress", std::move(suppress)},
                {"defaultFilter", view.GetDefaultFilter()}, {"frozenColumns", view.GetFrozenColumns()},
                {"sortKeys", std::move(sortKeys)}};
}

Json RowToJson(const CTbObjTabRow& row) {
    return Json{{"position", row.GetPosition()},
                {"field", row.GetField()},
                {"labelText", JsonText(row.GetLabelText())},
                {"popupHelp", JsonText(row.GetPopupHelp())},
                {"labelFont", row.GetLabelFont()},
                {"labelForeground", row.GetLabelForeground()},
                {"labelBackground", row.GetLabelBackground()},
                {"fieldFont", row.GetFieldFont()},
                {"fieldForeground", row.GetFieldForeground()},
                {"fieldBackground", row.GetFieldBackground()},
                {"alignment", row.GetAlignment()},
                {"readOnly", row.GetReadOnly()},
                {"imageDisplay", row.GetImageDisplay()}};
}

// "rows" counts the rows in use; "usedRows" gives each of them.
Json TabToJson(const CTbObjTab& tab) {
    Json rows = Json::array();
    for (int i = 0; i < tab.RowCount(); ++i)
        if (const CTbObjTabRow* row = tab.RowAtIndex(i); row && !row->IsEmpty())
            rows.push_back(RowToJson(*row));
    return Json{{"name", JsonText(tab.GetName())},
                {"firstColumnWidth", tab.GetFirstColumnWidth()},
                {"rows", tab.UsedRowCount()},
                {"usedRows", std::move(rows)}};
}

Json Fields(const CTbObjDB& db) {
    Json fields = Json::array();
    for (int slot = 0; slot < MaxFieldSlots; ++slot)
        if (const CTbObjField* field = db.Field(slot); field && field->IsUsed())
            fields.push_back(FieldToJson(*field));
    return fields;
}

Json Views(const CTbObjDB& db) {
    Json views = Json::array();
    for (int i = 0; i < db.ViewCount(); ++i) views.push_back(ViewToJson(*db.View(i)));
    return views;
}

Json Filters(const CTbObjDB& db) {
    Json filters = Json::array();
    for (int i = 0; i < db.FilterCount(); ++i) filters.push_back(FilterToJson(*db.Filter(i)));
    return filters;
}

Json Tabs(const CTbObjDB& db) {
    Json tabs = Json::array();
    for (int i = 0; i < db.TabCount(); ++i) tabs.push_back(TabToJson(*db.Tab(i)));
    return tabs;
}

Json Records(const CTbObjDB& db) {
    const CTbObjRecordList& list = db.Records();
    Json records = Json::array();
    for (int i = 0; i < list.Count(true); ++i)
        records.push_back(RecordToJson(db, *list.RecordInStoredOrder(i)));
    return records;
}

// What the read passed over or repaired, in the order met.
Json Warnings(const CTbObjDB& db) {
    Json warnings = Json::array();
    for (const TbLoadWarning& warning : db.LoadWarnings())
        warnings.push_back(Json{{"record", warning.record},
                                {"kind", LoadWarningKindName(warning.kind)},
                                {"text", JsonText(warning.text)}});
    return warnings;
}

}  // namespace

Json TabulonToJson(CTbObjDB& db) {
    Json json = Json{{"name", JsonText(db.GetPdbName())},
                     {"attributes", db.GetPdbAttributes()},
                     {"version", db.GetPdbVersion()},
                     {"creationDate", db.GetCreationDate()},
                     {"modificationDate", db.GetModificationDate()},
                     {"backupDate", db.GetBackupDate()},
                     {"modificationNumber", db.GetModificationNumber()},
                     {"uniqueIdSeed", db.GetUniqueIdSeed()},
                     {"dbVersion", db.GetDbVersion()},
                     {"settings", Settings(db)},
                     {"passwords", Passwords(db)},
                     {"nextKey", db.Records().GetNextKey()},
                     {"fields", Fields(db)},
                     {"views", Views(db)},
                     {"filters", Filters(db)},
                     {"quickFilter", FilterToJson(db.QuickFilter())},
                     {"externalFilter", FilterToJson(db.ExternalFilter())},
                     {"tabs", Tabs(db)},
                     {"records", Records(db)}};
    // Only a damaged file has the member, so that the JSON of a sound one stays as it was.
    if (!db.LoadWarnings().empty()) json["warnings"] = Warnings(db);
    return json;
}

}  // namespace orvanta::cli
