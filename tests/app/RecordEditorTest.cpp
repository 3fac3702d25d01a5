// The record editor: each type's entry rules and messages, spin buttons, the form's order and
// its fallback, the memo and list-items editors, the join chooser and images; and the Records
// tab's printing and copying.
#include "ShellFixture.h"

#include "app/records/CChooseJoinRecordDlg.h"
#include "app/records/CDataViewerTab.h"
#include "app/records/CRecordEditor.h"
#include "app/records/JoinChoice.h"
#include "app/records/ListEditorDialogs.h"
#include "app/records/RecordEditorModel.h"
#include "app/records/TbRecordsModel.h"
#include "app/records/ValueDialogs.h"
#include "app/records/ValueEntry.h"
#include "app/records/ValueEntryDelegate.h"
#include "model/TbObjView.h"
#include "platform/Locale.h"

#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolButton>

namespace shelltest {
namespace {

using namespace orvanta::app;

enum Slot { kName = 1, kSmall, kBig, kWhen, kAt, kNotes, kSize, kPhoto, kMany, kDone, kPartner, kCity };

// Ann's library: "Editing", a field of every kind the editor treats apart, joined to "People".
struct EditorLibrary : AnnsLibrary {
    EditorLibrary() {
        CTbObjDB people;
        NewTabulon(people, Folder(), "People");
        AddFields(people, "Name", TEXT_T, "City", TEXT_T);
        AddRecords(people, 2, [](CTbObjRecord& record, int i) {
            record.Value(1)->SetText(i ? "Bob" : "Ann");
            record.Value(2)->SetText(i ? "Rome" : "Oslo");
        });
        WriteShowingAll(people);
        CTbObjDB db;
        NewTabulon(db, Folder(), "Editing");
        AddFields(db, "Name", TEXT_T, "Small", INTEGER_T, "Big", LONG_T, "When", DATE_T, "At", TIME_T,
                  "Notes", MEMO_T, "Size", LIST_T, "Photo", IMAGE_T, "Many", ONE_TO_MANY_T, "Done",
                  CHECKBOX_T, "Partner", DB_JOIN_T, "City", DB_LOOKUP_T);
        for (int i = 1; i <= 59; ++i)
            db.Field(kSize)->ListProps()->Items().AddItem(std::string("Item ") + std::to_string(i));
        CTbObjFieldJoin* join = db.Field(kPartner)->JoinProps();
        join->SetSourceDatabase("People");
        join->SetJoinField(1);
        join->SetDisplayField(1);
        db.Field(kCity)->JoinProps()->SetJoinField(kPartner);
        db.Field(kCity)->JoinProps()->SetDisplayField(2);
        AddRecords(db, 2,
                   [](CTbObjRecord& record, int i) { record.Value(kName)->SetText(i ? "second" : "first"); });
        WriteShowingAll(db);
        Start();
        Show("Editing", CTabsView::Records);
    }
    CTbItem& Item() const { return *AnnsLibrary::Item("Editing"); }
    CDataViewerTab& Tab() const { return program.Frame().RecordsTab(); }
    // Opens the row's record in the editor and acts on it; the editor closes after. The messages
    // shown as the editor opened are kept in opening.
    void Edit(int row, std::function<void(CRecordEditor*)> act) {
        OnNextDialog<CRecordEditor>([this, act](CRecordEditor* editor) {
            opening = program.prompt.shown;
            program.prompt.Take();
            act(editor);
        });
        Tab().OpenRecord(row);
    }
    // Types an entry into the slot's value cell and presses Enter; the messages it gave. A refused
    // entry stays in edit, and is cancelled.
    Messages Enter(CRecordEditor* editor, int slot, const QString& text) {
        editor->EditValue(editor->Model().RowOfSlot(slot));
        auto* entry = qobject_cast<ValueEntryEdit*>(editor->Delegate().OpenEditor());
        if (!entry) return {"no entry opened"};
        entry->Line()->setText(text);
        QTest::keyClick(entry->Line(), Qt::Key_Return);
        const Messages shown = program.prompt.Take();
        if (shown.empty()) return shown;
        if (editor->Delegate().OpenEditor() != entry) return {"a refused entry left the edit"};
        QTest::keyClick(entry->Line(), Qt::Key_Escape);
        return shown;
    }
    static CTbObjRecordValue& Value(CRecordEditor* editor, int slot) {
        return *editor->Model().Record()->Value(slot);
    }
    static QString Shown(CRecordEditor* editor, int slot) {
        return editor->Model()
            .index(editor->Model().RowOfSlot(slot), RecordEditorModel::ValueColumn)
            .data()
            .toString();
    }
    orvanta::platform::ScopedLocaleOverride usEnglish{orvanta::platform::Locale::UsEnglish()};
    std::vector<ShownMessage> opening;
};

}  // namespace

class RecordEditorTest : public QObject {
    Q_OBJECT
private slots:
    void typedEntriesFollowEachTypesRules() {
        EditorLibrary library;
        library.Edit(0, [&](CRecordEditor* editor) {
            QCOMPARE(library.opening.at(0).title, "Form Unavailable");
            QCOMPARE(editor->GetMode(), CRecordEditor::AllFields);
            QCOMPARE(editor->Heading()->text(), "Record 1 of 2");
            QCOMPARE(library.Enter(editor, kSmall, "40000"), Messages{kIntegerRange});
            QVERIFY(!editor->IsModified());
            QCOMPARE(library.Enter(editor, kSmall, "-32768"), Messages{});
            QCOMPARE(EditorLibrary::Value(editor, kSmall).GetShort(), -32768);
            QCOMPARE(library.Enter(editor, kBig, "2147483648"), Messages{kLongRange});
            QCOMPARE(library.Enter(editor, kBig, "-2147483648"), Messages{});
            QCOMPARE(EditorLibrary::Value(editor, kBig).GetLong(), -2147483647 - 1);
            QCOMPARE(library.Enter(editor, kWhen, "1/1/1903"), Messages{kDateRange});
            QCOMPARE(library.Enter(editor, kWhen, "13/45/2020"), Messages{kInvalidDate});
            QCOMPARE(library.Enter(editor, kWhen, "3/15/2020"), Messages{});
            QCOMPARE(EditorLibrary::Value(editor, kWhen).PackedDate(), 2020u * 65536 + 3 * 256 + 15);
            QCOMPARE(library.Enter(editor, kWhen, ""), Messages{});
            QVERIFY(!EditorLibrary::Value(editor, kWhen).HasValue());
            QCOMPARE(library.Enter(editor, kAt, "25:99"), Messages{kInvalidTime});
            QCOMPARE(library.Enter(editor, kAt, "7:05 PM"), Messages{});
            QCOMPARE(EditorLibrary::Value(editor, kAt).PackedTime(), 19u * 65536 + 5 * 256);
            QCOMPARE(library.Enter(editor, kName, QString(300, 'x')), Messages{});
            QCOMPARE(EditorLibrary::Value(editor, kName).GetText().size(), kMaxTextEntry);
            QVERIFY(editor->IsModified());
            editor->ShowRecord(1);
            QCOMPARE(editor->Heading()->text(), "Record 2 of 2");
            QCOMPARE(EditorLibrary::Shown(editor, kName), "second");
        });
        QVERIFY2(library.Item().IsModified(), "the editor's changes mark the Tabulon modified");
        QCOMPARE(library.Tab().Model().index(0, kSmall - 1).data().toString(), "-32768");
    }

    void spinButtonsStepUnderTheRangeChecks() {
        EditorLibrary library;
        library.Edit(0, [&](CRecordEditor* editor) {
            QCOMPARE(library.Enter(editor, kSmall, "32767"), Messages{});
            editor->EditValue(editor->Model().RowOfSlot(kSmall));
            auto* entry = qobject_cast<ValueEntryEdit*>(editor->Delegate().OpenEditor());
            QVERIFY(entry && entry->UpButton() && !entry->PickerButton());
            entry->UpButton()->click();
            QCOMPARE(library.Take(), Messages{kIntegerRange});
            entry->DownButton()->click();
            QCOMPARE(entry->Line()->text(), "32766");
            QCOMPARE(EditorLibrary::Value(editor, kSmall).GetShort(), 32766);
            QTest::keyClick(entry->Line(), Qt::Key_Escape);
        });
    }

    void formViewFollowsTheFormsOrder() {
        EditorLibrary library;
        CTbObjTab* tab = library.Item().Db().AddTab();
        tab->AddRow(kBig, 0);
        tab->AddRow(kName, 1);
        library.Edit(1, [&](CRecordEditor* editor) {
            QCOMPARE(editor->GetMode(), CRecordEditor::FormView);
            QCOMPARE(editor->Model().rowCount(), 2);
            QCOMPARE(editor->Model().index(0, 0).data().toString(), "Big");
            QCOMPARE(editor->Model().index(1, RecordEditorModel::ValueColumn).data().toString(), "second");
            editor->SetMode(CRecordEditor::AllFields);
            QCOMPARE(editor->Model().rowCount(), 12);
        });
        QVERIFY(library.opening.empty());
    }

    void memoListsChecksAndUnsupportedTypes() {
        EditorLibrary library;
        library.Edit(0, [&](CRecordEditor* editor) {
            OnNextDialog<CMemoEditDlg>([](CMemoEditDlg* memo) {
                memo->Editor()->setPlainText("top line\nsecond line");
                memo->accept();
            });
            editor->EditValue(editor->Model().RowOfSlot(kNotes));
            QCOMPARE(EditorLibrary::Value(editor, kNotes).GetText(), "top line\nsecond line");
            QCOMPARE(EditorLibrary::Shown(editor, kNotes), "top line");

            editor->EditValue(editor->Model().RowOfSlot(kMany));
            QCOMPARE(library.Take(), Messages{kNotSupported});

            const QModelIndex done = editor->Model().index(editor->Model().RowOfSlot(kDone), 1);
            QVERIFY(editor->Model().setData(done, Qt::Checked, Qt::CheckStateRole));
            QVERIFY(EditorLibrary::Value(editor, kDone).GetChecked());

            editor->EditValue(editor->Model().RowOfSlot(kSize));
            auto* list = qobject_cast<QComboBox*>(editor->Delegate().OpenEditor());
            QVERIFY(list);
            QCOMPARE(list->count(), 61);
            QCOMPARE(list->itemText(60), "Edit items...");
            OnNextDialog<CListEditorDlg>([&](CListEditorDlg* items) {
                OnNextDialog<CListItemEditDlg>([](CListItemEditDlg* item) {
                    item->Entry()->setText("Sixty");
                    item->accept();
                });
                items->AddItem();
                QCOMPARE(items->Items()->count(), 60);
                items->AddItem();
                QCOMPARE(library.Take(),
                         Messages{"The maximum number of list items is 60.  You cannot add any more items."});
                items->Items()->setCurrentRow(-1);
                items->MoveItem(-1);
                QCOMPARE(library.Take(), Messages{"Please select a list item to move."});
                items->Items()->setCurrentRow(0);
                library.program.prompt.answers = {PromptAnswer::Yes};
                items->DeleteItem();
                QCOMPARE(library.Take(), Messages{"Are you sure you want to delete the list item?"});
                OnNextDialog<CListItemEditDlg>([](CListItemEditDlg* item) {
                    item->Entry()->setText("  ");
                    item->accept();
                });
                items->AddItem();
                QCOMPARE(library.Take(), Messages{"The list item cannot be blank."});
                items->accept();
            });
            list->activated(60);
            const CTbObjListItems& stored = library.Item().Db().Field(kSize)->ListProps()->Items();
            QCOMPARE(stored.Count(), 59);
            QCOMPARE(stored.ItemAt(0)->text, "Item 2");
            QCOMPARE(stored.ItemAt(58)->text, "Sixty");
            QCOMPARE(stored.ItemAt(0)->index, 2);
            list->setCurrentIndex(1);
            list->activated(1);
            QCOMPARE(EditorLibrary::Value(editor, kSize).GetShort(), 2);
            QCOMPARE(EditorLibrary::Shown(editor, kSize), "Item 2");
        });
        QCOMPARE(library.Tab().Model().index(0, kNotes - 1).data().toString(), "top line");
    }

    void joinChooserSetsAndDeletesTheJoin() {
        EditorLibrary library;
        library.Edit(0, [&](CRecordEditor* editor) {
            const int partner = editor->Model().RowOfSlot(kPartner);
            OnNextDialog<CChooseJoinRecordDlg>([&](CChooseJoinRecordDlg* chooser) {
                QCOMPARE(chooser->Grid()->model()->rowCount(), 2);
                chooser->accept();
                QCOMPARE(library.Take(), Messages{kJoinPickOne});
                chooser->Grid()->selectRow(1);
                chooser->accept();
            });
            editor->EditValue(partner);
            QCOMPARE(EditorLibrary::Shown(editor, kPartner), "Bob");
            QCOMPARE(EditorLibrary::Shown(editor, kCity), "Rome");
            QVERIFY(editor->IsModified());

            OnNextDialog<CChooseJoinRecordDlg>([&](CChooseJoinRecordDlg* chooser) {
                library.program.prompt.answers = {PromptAnswer::Yes};
                chooser->DeleteJoin();
            });
            editor->EditValue(partner);
            QCOMPARE(library.Take(), Messages{"Are you sure you want to delete the current join?"});
            QCOMPARE(EditorLibrary::Shown(editor, kCity), "");

            library.Item().Db().Field(kPartner)->JoinProps()->SetSourceDatabase("Nobody");
            editor->EditValue(partner);
            QCOMPARE(library.Take(), Messages{std::string(kJoinNotFound) + "Nobody"});
        });
    }

    void joinValuesComeOnlyFromFieldsThatCanJoin() {
        CTbObjDB joined;
        AddFields(joined, "Amount", FLOATING_T, "Code", INTEGER_T);
        AddRecords(joined, 1, [](CTbObjRecord& record, int) { record.Value(2)->SetShort(42); });
        const CTbObjRecord& record = *joined.Records().Record(0);
        CTbObjRecordValue value;
        QCOMPARE(SetJoinValue(value, record, joined.Field(3)), std::string(kJoinFieldUnused));
        QCOMPARE(SetJoinValue(value, record, joined.Field(1)), std::string(kJoinNotStored));
        QVERIFY(!value.HasValue());
        QCOMPARE(SetJoinValue(value, record, joined.Field(2)), std::string());
        QCOMPARE(value.GetShort(), 42);
        QCOMPARE(value.GetType(), uint16_t{INTEGER_T});
    }

    void imagesAreImportedExportedAndViewed() {
        EditorLibrary library;
        TempDir dir;
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QString png = QString::fromStdString(dir.File("red.png"));
        const QString bmp = QString::fromStdString(dir.File("out.bmp"));
        QVERIFY(picture.save(png));
        library.Edit(0, [&](CRecordEditor* editor) {
            const int photo = editor->Model().RowOfSlot(kPhoto);
            QCOMPARE(EditorLibrary::Shown(editor, kPhoto), "No Image");
            QCOMPARE(editor->ImageActions(photo), QStringList{"Import Image"});
            library.program.files.paths = {png, bmp};
            editor->RunImageAction(photo, "Import Image");
            QVERIFY(library.program.files.filters.at(0).contains("*.png"));
            QCOMPARE(EditorLibrary::Shown(editor, kPhoto), "Image Attached");
            QCOMPARE(editor->ImageActions(photo),
                     (QStringList{"View Image", "Import Image", "Export Image"}));
            editor->RunImageAction(photo, "Export Image");
            QCOMPARE(library.program.files.filters.at(1), "Bitmap File  (*.bmp)");
            const QImage exported(bmp);
            QCOMPARE(exported.width(), 154);  // scaled into the handheld's picture box
            QCOMPARE(exported.pixelColor(5, 5).red(), 255);
            editor->RunImageAction(photo, "View Image");
            QCOMPARE(library.program.opener.opened.size(), size_t{1});
            QCOMPARE(QImage(QString::fromStdString(library.program.opener.opened[0])).size(),
                     exported.size());
            QCOMPARE(library.Take(), Messages{});
        });
    }

    void recordsPrintToPdfWithHeadingsAndOverflowPages() {
        const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdfinfo.isEmpty() || pdftotext.isEmpty())
            QSKIP("pdfinfo and pdftotext (poppler-utils) are needed");
        EditorLibrary library;
        TempDir dir;
        const QString pdf = QString::fromStdString(dir.File("records.pdf"));
        QHeaderView* header = library.Tab().Grid()->horizontalHeader();
        for (int column = 0; column < header->count(); ++column) header->resizeSection(column, 150);
        OnNextDialog<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
            preview->printer()->setOutputFormat(QPrinter::PdfFormat);
            preview->printer()->setOutputFileName(pdf);
            preview->findChild<QPrintPreviewWidget*>()->print();
        });
        QVERIFY(library.Frame().Actions().print->isEnabled());
        library.Frame().Actions().print->trigger();
        QCOMPARE(
            library.Take(),
            (Messages{"The records from the currently selected View, Filter, and Category will be printed.",
                      "Some of the columns are outside of the printable area of a page. These columns will "
                      "be printed on seperate pages."}));
        QVERIFY(Output(pdfinfo, {pdf}).contains(QRegularExpression("Pages:\\s+3\\b")));
        const QString printed = Output(pdftotext, {"-layout", pdf, "-"}).replace(QChar(0xFB01), "fi");
        QCOMPARE(printed.count(QRegularExpression("View: All fields\\s+Filter: No Filter\\s+Category: All")),
                 3);
        for (const char* shown : {"Editing", "Name", "first", "second", "Partner", "City"})
            QVERIFY2(printed.contains(shown), shown);
    }

    void selectedCellsCopyAsTabSeparatedLines() {
        EditorLibrary library;
        QTableView* grid = library.Tab().Grid();
        const QAbstractItemModel* model = grid->model();
        grid->selectionModel()->select(QItemSelection(model->index(0, 0), model->index(1, 1)),
                                       QItemSelectionModel::Select);
        grid->selectionModel()->select(model->index(1, kDone - 1), QItemSelectionModel::Select);
        QApplication::setActiveWindow(&library.program.Frame());
        grid->setFocus();
        QTest::keySequence(grid, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), "first\t0\nsecond\t0\tNo\n");
    }
};

QObject* NewRecordEditorTest() { return new RecordEditorTest; }

}  // namespace shelltest

#include "RecordEditorTest.moc"
