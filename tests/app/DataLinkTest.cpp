// The Data Link tab: an import through its pages, saved specifications run again, edited when
// they no longer fit, stored without running and replacing records; an export through the pages
// compared with orvanta-cli's; the replace question and the dropped fields; and the decisions
// the pages call, on their own.
#include "ShellFixture.h"
#include "support/XlsFixture.h"

#include "app/datalink/CDataLinkTab.h"
#include "app/datalink/CExportDlg.h"
#include "app/datalink/CExportFieldsPage.h"
#include "app/datalink/CImportDlg.h"
#include "app/datalink/CMappingPage.h"
#include "app/datalink/CNewFieldDlg.h"
#include "app/datalink/COptionsPage.h"
#include "app/datalink/DataLinkFormats.h"
#include "app/datalink/DataLinkRuns.h"
#include "app/datalink/ImportMappingModel.h"
#include "app/datalink/SpecDefaults.h"
#include "app/datalink/SpecListModel.h"
#include "importexport/CORVTImportExportSpecListXml.h"
#include "model/TbObjField.h"
#include "platform/Locale.h"

#include <QCheckBox>

namespace shelltest {
namespace {

using namespace orvanta::app;

enum Slot { kName = 1, kQty, kAdded, kDone };

const char* const kStockCsv = "Name,Count,Added\r\nApple,3,12/31/2004\r\nPear,5,1/1/1999\r\n";

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Ann's library with "Stock" (Name, Qty and, with full, Added and Done) holding records, and a
// CSV file to import.
struct DataLinkLibrary : AnnsLibrary {
    explicit DataLinkLibrary(int records = 1, bool full = false) {
        CTbObjDB db;
        NewTabulon(db, Folder(), "Stock");
        AddFields(db, "Name", TEXT_T, "Qty", LONG_T);
        if (full) AddFields(db, "Added", DATE_T, "Done", CHECKBOX_T);
        AddRecords(db, records, [full](CTbObjRecord& record, int i) {
            record.Value(kName)->SetText(i % 2 ? "Plum, \"ripe\"" : "Fig");
            record.Value(kQty)->SetLong(70000 + i);
            if (!full) return;
            record.Value(kAdded)->SetDate(2004, 12, 31 - i);
            record.Value(kDone)->SetChecked(i % 2 == 0);
        });
        WriteShowingAll(db);
        WriteFile(Csv(), kStockCsv);
        Start();
        Show("Stock", CTabsView::DataLink);
    }
    CTbItem& Item() const { return *AnnsLibrary::Item("Stock"); }
    CTbObjDB& Db() const { return Item().Db(); }
    CDataLinkTab& Tab() const { return program.Frame().DataLinkTab(); }
    std::string Csv() const { return desktop.dir.File("stock.csv"); }
    Messages Imported() const { return {"Data imported successfully from " + Csv()}; }
    // Runs the first saved specification; the messages it showed.
    Messages RunFirstSpec() {
        Tab().SelectSpec(0);
        Tab().RunSelected();
        return Take();
    }
    // A new import through its pages: the file chosen, then act on the mapping page.
    void Import(const std::function<void(CImportDlg*)>& onMapping, bool replace = false) {
        OnNextDialog<CImportDlg>([&, onMapping, replace](CImportDlg* dialog) {
            program.files.paths.push_back(QString::fromStdString(Csv()));
            dialog->Options().findChild<QPushButton*>()->click();
            dialog->Options().Replace()->setChecked(replace);
            dialog->NextButton()->click();
            QCOMPARE(dialog->Page(), 1);
            onMapping(dialog);
        });
        Tab().NewImport();
    }
    orvanta::platform::ScopedLocaleOverride usEnglish{orvanta::platform::Locale::UsEnglish()};
};

void Map(CImportDlg* dialog, int row, int column, int value) {
    ImportMappingModel& model = dialog->Mapping().Model();
    QVERIFY(model.setData(model.index(row, column), value));
}

// The target column of the mapping page's rows.
QStringList Targets(CImportDlg* dialog) {
    return Texts(&dialog->Mapping().Model(), ImportMappingModel::TargetColumn);
}

// The first row maps Name and Count as Long into Qty and adds "Added" for the third column.
void MapStock(CImportDlg* dialog) {
    QVERIFY(!dialog->SaveButton()->isEnabled());
    Map(dialog, 0, ImportMappingModel::TargetColumn, kName);
    QVERIFY(dialog->SaveAndRunButton()->isEnabled());
    Map(dialog, 1, ImportMappingModel::TypeColumn, LONG_T);
    Map(dialog, 1, ImportMappingModel::TargetColumn, kQty);
    OnNextDialog<CNewFieldDlg>([](CNewFieldDlg* field) {
        field->NameEntry()->setText("Added");
        field->accept();
    });
    Map(dialog, 2, ImportMappingModel::TargetColumn, ImportMappingModel::kAddField);
}

}  // namespace

class DataLinkTest : public QObject {
    Q_OBJECT
private slots:
    void importThroughThePagesThenRunTheSavedSpec() {
        DataLinkLibrary library;
        library.Import([&](CImportDlg* dialog) {
            QCOMPARE(dialog->Options().NameEntry()->text(), "Import Spec 1");
            QCOMPARE(library.program.files.filters.back(),
                     "Supported Types(*.xls;*.csv;*.txt;*.tab;*.tsv);;MS Excel File(*.xls);;CSV File (Comma "
                     "delimited) (*.csv; *.txt);;Tab Delimited File (*.tab; *.tsv; *.txt);;Excel Workbook "
                     "(*.xlsx);;OpenDocument Spreadsheet (*.ods);;All Files (*.*)");
            QAbstractItemModelTester tester(&dialog->Mapping().Model(),
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
            QCOMPARE(dialog->Mapping().Model().index(2, ImportMappingModel::TypeColumn).data().toString(),
                     "Date");
            MapStock(dialog);
            QCOMPARE(Targets(dialog), QStringList({"Name", "Qty", "Added"}));
            dialog->SaveAndRunButton()->click();
        });
        CTbObjDB& db = library.Db();
        QCOMPARE(db.RecordCount(), 3);
        QCOMPARE(static_cast<int>(db.Field(kAdded)->GetType()), static_cast<int>(DATE_T));
        QCOMPARE(db.Records().Record(2)->Value(kQty)->GetLong(), 5);
        QCOMPARE(db.Records().Record(1)->Value(kName)->GetText(), "Apple");
        QCOMPARE(library.Take(), library.Imported());
        QVERIFY(library.Item().IsModified());
        QAbstractItemModelTester tester(&library.Tab().Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(library.Tab().Model().index(0, SpecListModel::TypeColumn).data().toString(), "Import");
        QCOMPARE(library.Tab().Model().index(0, SpecListModel::LocationColumn).data().toString(),
                 QString::fromStdString(library.Csv()));

        // orvanta-cli finds the specification where the program keeps it.
        QCOMPARE(Output(ORVANTA_CLI, {"specs", QString::fromStdString(library.Item().FullPath())}),
                 QString::fromStdString("Import Spec 1\tImport\t" + library.Csv() + "\n"));

        // The saved specification runs again without any page.
        QCOMPARE(library.RunFirstSpec(), library.Imported());
        QCOMPARE(db.RecordCount(), 5);

        // The file's columns changed: the run opens the specification on its mapping page after the warning.
        WriteFile(library.Csv(), "Title,Count,Added\r\nKiwi,7,1/2/2003\r\n");
        OnNextDialog<CImportDlg>([&](CImportDlg* dialog) {
            QCOMPARE(dialog->Page(), 1);
            QCOMPARE(Targets(dialog), QStringList({"Not Mapped", "Qty", "Added"}));
            dialog->reject();
        });
        QCOMPARE(library.RunFirstSpec(), Messages{"The field mapping is no longer valid for this Import "
                                                  "specification, you have to re-map one more more fields."});
        QCOMPARE(db.RecordCount(), 5);
    }

    void addAllFieldsAndTheMappingsRefusals() {
        DataLinkLibrary library;
        library.Import([&](CImportDlg* dialog) {
            Map(dialog, 0, ImportMappingModel::TargetColumn, kName);
            Map(dialog, 2, ImportMappingModel::TypeColumn, TEXT_T);
            Map(dialog, 2, ImportMappingModel::TargetColumn, kName);
            dialog->SaveAndRunButton()->click();
            QCOMPARE(library.Take(),
                     Messages{"Each Tabulon field can only be mapped to one import field.  The following "
                              "Tabulon field is being mapped to multiple import fields: \"Name\""});
            OnNextDialog<CNewFieldDlg>([&](CNewFieldDlg* field) {
                field->NameEntry()->clear();
                field->accept();
                QCOMPARE(library.Take(), Messages{"The field cannot be blank."});
                field->reject();
            });
            dialog->Mapping().AddField(1);
            dialog->Mapping().Clear();
            QVERIFY(!dialog->SaveButton()->isEnabled());
            dialog->Mapping().AddAllFields();
            dialog->SaveAndRunButton()->click();
        });
        QCOMPARE(library.Take(), library.Imported());
        CTbObjDB& db = library.Db();
        QCOMPARE(db.Field(3)->GetName(), "Name");
        QCOMPARE(static_cast<int>(db.Field(4)->GetType()), static_cast<int>(INTEGER_T));
        QCOMPARE(db.Field(5)->GetName(), "Added");
        QCOMPARE(db.RecordCount(), 3);
        QCOMPARE(db.Records().Record(2)->Value(4)->GetShort(), 5);

        // With 80 fields no further field is added.
        while (db.AddField("More", TEXT_T)) {
        }
        library.Import([&](CImportDlg* dialog) {
            dialog->Mapping().AddAllFields();
            QCOMPARE(library.Take(),
                     Messages{"The maximum number of fields is 80. Cannot add any more fields."});
            dialog->reject();
        });
    }

    void aWorkbookImportsThroughItsConvertedCsv() {
        DataLinkLibrary library;
        ::setenv("ORVANTA_COMPONENT_PATH", ORVANTA_COMPONENT_DIR, 1);
        const std::string book = library.desktop.dir.File("book.xls");
        if (!WriteWorkbook(book)) QSKIP("python3-xlwt (scripts/install-deps.sh) writes the test's workbook");
        OnNextDialog<CImportDlg>([&](CImportDlg* dialog) {
            library.program.files.paths.push_back(QString::fromStdString(book));
            dialog->Options().findChild<QPushButton*>()->click();
            QVERIFY(!dialog->Options().DelimiterButton(0)->isEnabled());
            QVERIFY(dialog->Options().DelimiterButton(1)->isChecked());
            dialog->NextButton()->click();
            QCOMPARE(dialog->Mapping().Model().rowCount(), 3);
            QVERIFY(fs::exists(library.desktop.dir.File("book.csv")));
            Map(dialog, 0, ImportMappingModel::TargetColumn, kName);
            dialog->SaveAndRunButton()->click();
        });
        library.Tab().NewImport();
        ::unsetenv("ORVANTA_COMPONENT_PATH");
        QCOMPARE(library.Take(), Messages{"Data imported successfully from " + book});
        QCOMPARE(library.Db().RecordCount(), 3);
        QCOMPARE(library.Db().Records().Record(1)->Value(kName)->GetText(), "Caf\xe9, bar");
        QVERIFY2(!fs::exists(library.desktop.dir.File("book.csv")), "the converted file is removed");
    }

    void saveStoresWithoutImportingAndReplaceDeletesFirst() {
        DataLinkLibrary library(4);
        library.Import(
            [&](CImportDlg* dialog) {
                Map(dialog, 0, ImportMappingModel::TargetColumn, kName);
                dialog->SaveButton()->click();
            },
            true);
        QCOMPARE(library.Db().RecordCount(), 4);
        QCOMPARE(library.Take(), Messages{});
        CORVTImportExportSpecListXml saved;
        saved.SetPath(library.Item().SpecificationPath());
        QCOMPARE(saved.Load(), 0);
        QCOMPARE(static_cast<int>(saved.Spec(0)->GetOptions().replaceRecords), 1);
        QCOMPARE(static_cast<int>(saved.Spec(0)->ImportField(0)->target), static_cast<int>(kName));
        QCOMPARE(library.RunFirstSpec(), library.Imported());
        QCOMPARE(library.Db().RecordCount(), 2);
        QCOMPARE(library.Db().Records().Record(0)->Value(kName)->GetText(), "Apple");
    }

    void exportThroughThePagesMatchesTheCommandLine() {
        DataLinkLibrary library(3, true);
        const std::string out = library.desktop.dir.File("stock-export");
        OnNextDialog<CExportDlg>([&](CExportDlg* dialog) {
            COptionsPage& options = dialog->Options();
            QCOMPARE(options.NameEntry()->text(), "Export Spec 1");
            QVERIFY(options.PathEntry()->text().endsWith("/Tabulon_Export.csv"));
            options.PathEntry()->setText(QString::fromStdString(out));
            options.DelimiterButton(0)->click();
            QCOMPARE(options.PathEntry()->text(), QString::fromStdString(out + ".txt"));
            for (QAbstractButton* button : options.findChildren<QAbstractButton*>())
                if (QStringList({"DD/MM/YYYY", "24 Hours", "Has Seconds"}).contains(button->text()))
                    button->click();
            dialog->NextButton()->click();
            QVERIFY(!dialog->SaveAndRunButton()->isEnabled());
            CExportFieldsPage& fields = dialog->Fields();
            QListWidget* list = fields.FieldList();
            for (int slot : {kDone, kQty, kName, kAdded}) {
                for (int row = 0; row < list->count(); ++row)
                    list->item(row)->setSelected(list->item(row)->data(Qt::UserRole).toInt() == slot);
                fields.ChooseSelected();
            }
            fields.ExportList()->item(3)->setSelected(true);
            fields.RemoveSelected();
            QCOMPARE(fields.Chosen(), (std::vector<int32_t>{kDone, kQty, kName}));
            dialog->SaveAndRunButton()->click();
        });
        library.Tab().NewExport();
        QCOMPARE(library.Take(), Messages{"Data exported successfully to " + out + ".txt"});
        QCOMPARE(
            Output(ORVANTA_CLI, {"export", QString::fromStdString(library.Item().FullPath()),
                                 QString::fromStdString(out + "-cli.txt"), "--fields", "4,2,1", "--delimiter",
                                 "tab", "--date-format", "dmy", "--time-24h", "--seconds"}),
            "exported: 3\n");
        const std::string written = ReadFile(out + ".txt");
        QCOMPARE(written, ReadFile(out + "-cli.txt"));
        QCOMPARE(written.substr(0, 14), "Done\tQty\tName\r");

        // No to the replace question leaves the file as it was.
        WriteFile(out + ".txt", "keep");
        QCOMPARE(library.RunFirstSpec(), Messages{out + ".txt already exists. \nDo you want to replace it?"});
        QCOMPARE(ReadFile(out + ".txt"), "keep");
    }

    void droppedFieldsOpenTheSavedExportAsAnEdit() {
        DataLinkLibrary library(2, true);
        CORVTImportExportSpecListXml specs;
        specs.SetPath(library.Item().SpecificationPath());
        CORVTImportExportSpecXml* spec =
            specs.AddSpec(SPEC_KIND_EXPORT, "Old", library.desktop.dir.File("old.csv"));
        for (int slot : {kAdded, kName}) spec->AddExportField(slot);
        QCOMPARE(specs.Save(), 0);
        QVERIFY(library.Item().Load(false) >= 0);
        library.Db().DeleteField(kAdded);
        library.Tab().ShowItem(&library.Item());
        const std::vector<int32_t> all{0, kName, kQty, kDone};
        OnNextDialog<CExportDlg>([&](CExportDlg* dialog) {
            QCOMPARE(dialog->Options().NameEntry()->text(), "Old");
            QCOMPARE(dialog->Fields().Chosen(), std::vector<int32_t>{kName});
            library.program.prompt.answers = {PromptAnswer::Cancel, PromptAnswer::Ok};
            dialog->Fields().ChooseAll();
            QCOMPARE(dialog->Fields().Chosen(), std::vector<int32_t>{kName});
            dialog->Fields().ChooseAll();
            QCOMPARE(dialog->Fields().Chosen(), all);
            dialog->Options().NameEntry()->setText("Everything");
            QVERIFY(!dialog->SaveButton()->isEnabled());
            dialog->NextButton()->click();
            dialog->SaveButton()->click();
        });
        QCOMPARE(library.RunFirstSpec(),
                 (Messages{"One or more Tabulon fields are no longer available to export, verify that the "
                           "correct fields are being exported.",
                           "Would you like to export all of the Tabulon Fields?",
                           "Would you like to export all of the Tabulon Fields?"}));
        QVERIFY(!fs::exists(library.desktop.dir.File("old.csv")));
        QCOMPARE(specs.Load(), 0);
        QCOMPARE(specs.Count(), 1);
        QCOMPARE(specs.Spec(0)->GetName(), "Everything");
        QCOMPARE(specs.Spec(0)->ExportFields(), all);
    }

    void theTabsSpecCommandsAndTheirMessages() {
        DataLinkLibrary library;
        library.Tab().EditSelected();
        library.Tab().RunSelected();
        QCOMPARE(library.Take(),
                 (Messages{"Please select a specification.", "Please select a specification."}));
        const std::string gone = library.desktop.dir.File("gone.tsv");
        OnNextDialog<CImportDlg>([&](CImportDlg* dialog) {
            dialog->Options().NameEntry()->clear();
            dialog->NextButton()->click();
            dialog->Options().NameEntry()->setText("Mine");
            dialog->NextButton()->click();
            dialog->Options().SetPath(QString::fromStdString(gone));
            QVERIFY(dialog->Options().DelimiterButton(0)->isChecked());
            dialog->NextButton()->click();
            QCOMPARE(dialog->Page(), 0);
            dialog->reject();
        });
        library.Tab().NewImport();
        QCOMPARE(library.Take(), (Messages{"Please enter a Spec Name.", "Please select a file.",
                                           "The specified file cannot be found.  Please use the Browse "
                                           "button to search for the file.\n\nCurrent selection: " +
                                               gone}));
        CORVTImportExportSpecListXml specs;
        specs.SetPath(library.Item().SpecificationPath());
        specs.AddSpec(SPEC_KIND_EXPORT, "One", "/tmp/one.csv");
        specs.AddSpec(SPEC_KIND_EXPORT, "Two", "/tmp/two.csv");
        QCOMPARE(specs.Save(), 0);
        library.Tab().ShowItem(&library.Item());
        library.Tab().SelectSpec(0);
        library.program.prompt.answers = {PromptAnswer::Yes};
        library.Tab().RemoveSelected();
        QCOMPARE(library.Take(),
                 Messages{"Are you sure you want to remove this Import/Export Configuration?"});
        QCOMPARE(library.Tab().Model().rowCount(), 1);
        QCOMPARE(library.Tab().Model().index(0, 0).data().toString(), "Two");
        // A specification file that cannot be read.
        fs::remove(library.Item().SpecificationPath());
        fs::create_directory(library.Item().SpecificationPath());
        library.Tab().ShowItem(&library.Item());
        QCOMPARE(library.Take(), Messages{"There was an error loading the Import / Export specifications."});
    }

    void exportsAndImportsTakeTheirFormatsAndEncodings() {
        CTbObjDB db;
        AddFields(db, "Name", TEXT_T, "Count", LONG_T);
        AddRecords(db, 1, [](CTbObjRecord& record, int) {
            record.Value(1)->SetText("pears");
            record.Value(2)->SetLong(12);
        });
        TempDir dir;
        ScriptedPrompt prompt;
        const PageServices services{&prompt};
        auto exportTo = [&](const char* file, ImportExportOptions options = {},
                            TextEncoding encoding = TextEncoding::Ansi) {
            return RunExport(db, dir.File(file), {1, 2}, options, encoding, services);
        };
        QVERIFY(exportTo("out.json"));
        const QJsonArray rows =
            QJsonDocument::fromJson(QByteArray::fromStdString(ReadFile(dir.File("out.json")))).array();
        QCOMPARE(rows.at(0).toObject()["Count"].toInt(), 12);
        QVERIFY(exportTo("out.sqlite"));
        prompt.answers = {PromptAnswer::Yes};
        QVERIFY2(exportTo("out.sqlite"), "a database the user agreed to replace has its table replaced");
        db.SetPdbName("MRA_Fruit");
        prompt.answers = {PromptAnswer::Yes};
        QVERIFY(exportTo("out.sqlite"));
        QCOMPARE(Output("sqlite3",
                        {QString::fromStdString(dir.File("out.sqlite")), "SELECT Name, Count FROM Fruit;"}),
                 "pears|12\n");

        const ImportExportOptions text{1, 1, 0, 0, 0, 0, 0};
        QVERIFY(exportTo("out.csv", text, TextEncoding::Utf8Signed));
        QVERIFY(ReadFile(dir.File("out.csv")).starts_with("\xEF\xBB\xBF"));
        WriteFile(dir.File("in.csv"), "Name\nCaf\xC3\xA9 \xE2\x98\x83\n");
        PreparedImport prepared;
        QVERIFY(PrepareImport(dir.File("in.csv"), text, TextEncoding::Utf8, services, &prepared) ==
                Preparation::Ready);
        QCOMPARE(prompt.shown.back().title, "Import Warning");
        QVERIFY(prepared.converted);
        QVERIFY(prepared.readPath != dir.File("in.csv"));
    }

    void theDecisionsOnTheirOwn() {
        CORVTImportExportSpecListXml list;
        list.AddSpec(SPEC_KIND_IMPORT, "Import Spec 1", "a.csv");
        list.AddSpec(SPEC_KIND_IMPORT, "Import Spec 3", "b.csv");
        QCOMPARE(DefaultSpecName(list, kImportSpecStem), "Import Spec 2");
        QCOMPARE(DefaultSpecName(list, kExportSpecStem), "Export Spec 1");
        QCOMPARE(ExportPathForDelimiter("/d/out.csv", 0), "/d/out.txt");
        QCOMPARE(ExportPathForDelimiter("/d/out.txt", 2), "/d/out.csv");
        QCOMPARE(ExportPathForDelimiter("/d/out.TSV", 0), "/d/out.TSV");
        QCOMPARE(ExportPathForDelimiter("/d/out.json", 1), "/d/out.json");
        QCOMPARE(WithExportExtension("/d/out"), "/d/out.txt");
        QCOMPARE(DefaultExportPath("/d/", 1), "/d/Tabulon_Export.csv");
        QVERIFY(EffectOfExtension("x.XLS") == ExtensionEffect::Workbook);
        QVERIFY(EffectOfExtension("x.ods") == ExtensionEffect::Workbook);
        QVERIFY(EffectOfExtension("x.txt") == ExtensionEffect::None);
        QCOMPARE(
            ExportFileFilter(),
            "CSV File (Comma delimited) (*.csv; *.txt);;Tab Delimited File (*.tab; *.tsv; *.txt);;Excel "
            "Workbook (*.xlsx);;JSON File (*.json);;SQLite Database (*.sqlite; *.sqlite3);;All Files (*.*)");

        CTbObjDB db;
        AddFields(db, "Name", TEXT_T, "Count", LONG_T);
        CImportFields columns;
        for (auto [name, type] : {std::pair{"Name", TEXT_T}, {"Count", INTEGER_T}, {"Note", MEMO_T}})
            columns.push_back(std::make_unique<CImportField>(CImportField{name, type, kNotMapped}));
        ImportMapping mapping(db, columns);
        QCOMPARE(mapping.ImportTypes(1),
                 (std::vector<int32_t>{TEXT_T, INTEGER_T, LONG_T, FLOATING_T, LIST_T, CHECKBOX_T, MEMO_T}));
        QCOMPARE(mapping.ImportTypes(2), std::vector<int32_t>{MEMO_T});
        QCOMPARE(mapping.TargetChoices(1), std::vector<int>{});
        mapping.SetImportType(1, LONG_T);
        QCOMPARE(mapping.TargetChoices(1), std::vector<int>{2});
        CORVTImportExportSpecXml spec(SPEC_KIND_IMPORT);
        spec.AddImportField("Name", TEXT_T, 1);
        spec.AddImportField("Count", INTEGER_T, 2);
        spec.AddImportField("Note", MEMO_T, kNotMapped);
        QVERIFY(!mapping.ApplySaved(spec));
        QCOMPARE(mapping.Row(1).importAs, static_cast<int32_t>(LONG_T));
        spec.ImportField(0)->value = "Title";
        ImportMapping again(db, columns);
        QCOMPARE(again.ApplySaved(spec).title, "Warning");
        QCOMPARE(again.Row(0).target, kNotMapped);
        QCOMPARE(static_cast<int>(again.Row(1).target), 2);
    }
};

QObject* NewDataLinkTest() { return new DataLinkTest; }

}  // namespace shelltest

#include "DataLinkTest.moc"
