// The Records tab: the cell of each field type, sorting by headings with the arrow and width
// rule, the selectors' "Create/Edit..." entries, and adding and deleting records.
#include "ShellFixture.h"

#include "app/designer/CViewEditor.h"
#include "app/designer/CViewManagerDlg.h"
#include "app/records/CDataViewerTab.h"
#include "app/records/RecordCell.h"
#include "app/records/TbRecordsModel.h"

#include <QHeaderView>

namespace shelltest {
namespace {

using orvanta::app::CDataViewerTab;
using orvanta::app::CTabsView;
using orvanta::app::CViewEditor;
using orvanta::app::CViewManagerDlg;
using orvanta::app::TbRecordsModel;

// One record holding a value of each kind the grid draws differently.
struct EveryKind {
    EveryKind() {
        db.SetLoadState(TB_LOAD_NEW);
        AddFields(db, "Memo", MEMO_T, "Small", INTEGER_T, "Big", LONG_T);
        db.AddField("Price", FLOATING_T)->NumberProps()->SetDecimals(2);
        CTbObjField* list = db.AddField("Size", LIST_T);
        list->ListProps()->Items().AddItem("Small");
        uint16_t large = list->ListProps()->Items().AddItem("Large");
        db.AddField("Done", CHECKBOX_T);
        db.AddField("Photo", IMAGE_T);
        db.AddField("Span", EXPRESSION_T)->ExprProps()->SetResultFormat(EXPR_RESULT_HHMM);
        db.AddField("Mood", COND_EXP_T);
        db.AddField("Key", KEY_T);
        CTbObjRecord* record = db.Records().AddRecord(true, false);
        record->Value(1)->SetText("first line\nsecond line");
        record->Value(2)->SetShort(-7);
        record->Value(3)->SetLong(123456789);
        record->Value(4)->SetFloat(2.5f);
        record->Value(5)->SetShort(static_cast<int16_t>(large));
        record->Value(6)->SetChecked(true);
        record->Value(7)->SetData({1, 2, 3});
        record->Value(8)->SetFloat(5400.0f);
        record->Value(9)->SetText("angry");
        record->Value(9)->SetColour(1);
    }
    CTbObjDB db;
};

// Ann's library with "Numbers" (Name and Rank of three fruits) and "Empty".
struct RecordsLibrary : AnnsLibrary {
    RecordsLibrary() : AnnsLibrary({{"Empty", {}}}) {
        CTbObjDB db;
        NewTabulon(db, Folder(), "Numbers");
        AddFields(db, "Name", TEXT_T, "Rank", INTEGER_T);
        AddRecords(db, 3, [](CTbObjRecord& record, int i) {
            const char* names[] = {"cherry", "apple", "banana"};
            record.Value(1)->SetText(names[i]);
            record.Value(2)->SetShort(static_cast<int16_t>(10 - i));
        });
        WriteShowingAll(db);
        Start();
    }
    // Shows the Tabulon's Records tab.
    CDataViewerTab& Show(const std::string& name) {
        AnnsLibrary::Show(name, CTabsView::Records);
        return Frame().RecordsTab();
    }
    QStringList Column(int column) { return Texts(&Frame().RecordsTab().Model(), column); }
};

}  // namespace

class RecordsTest : public QObject {
    Q_OBJECT
private slots:
    void eachFieldTypeHasItsCell() {
        EveryKind tabulon;
        TbRecordsModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.Show(&tabulon.db, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        auto cell = [&](int column, int role = Qt::DisplayRole) { return model.index(0, column).data(role); };
        QStringList row;
        for (int column = 0; column < model.columnCount(); ++column) row << cell(column).toString();
        QCOMPARE(row,
                 QStringList({"first line", "-7", "123456789", "2.50", "Large", "", "View Image", "01:30",
                              "angry", QString::number(tabulon.db.Records().Record(0)->GetKey())}));
        QCOMPARE(cell(3, Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(cell(5, Qt::CheckStateRole), QVariant(Qt::Checked));
        QCOMPARE(cell(8, Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
        QCOMPARE(cell(0, Qt::ToolTipRole), QVariant("Col:0 Row:0"));
        QCOMPARE(model.headerData(7, Qt::Horizontal, Qt::DisplayRole), QVariant("Span"));
        tabulon.db.Records().Record(0)->Value(7)->SetData({});
        QCOMPARE(cell(6), QVariant("No Image"));
        QCOMPARE(orvanta::app::ClockText(5400 + 65536 + 59, true), QString("01:30:59"));
    }

    void headingsSortAndCarryTheArrow() {
        RecordsLibrary library;
        CDataViewerTab& tab = library.Show("Numbers");
        QHeaderView* header = tab.Grid()->horizontalHeader();
        const int nameWidth = header->sectionSize(0), rankWidth = header->sectionSize(1);
        QCOMPARE(library.Column(0), QStringList({"cherry", "apple", "banana"}));
        emit header->sectionClicked(0);
        QCOMPARE(library.Column(0), QStringList({"apple", "banana", "cherry"}));
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        emit header->sectionClicked(0);
        QCOMPARE(library.Column(0), QStringList({"cherry", "banana", "apple"}));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(header->sectionSize(0), nameWidth + CDataViewerTab::kArrowWidth);
        emit header->sectionClicked(1);
        QCOMPARE(library.Column(1), QStringList({"8", "9", "10"}));
        QCOMPARE(header->sortIndicatorSection(), 1);
        QCOMPARE(header->sectionSize(0), nameWidth);
        QCOMPARE(header->sectionSize(1), rankWidth + CDataViewerTab::kArrowWidth);
    }

    void createEditEntriesExplainThemselves() {
        RecordsLibrary library;
        CDataViewerTab& tab = library.Show("Numbers");
        for (QComboBox* selector : {tab.FilterSelector(), tab.CategorySelector()}) {
            int last = selector->count() - 1;
            QCOMPARE(selector->itemText(last), QString("Create/Edit..."));
            emit selector->activated(last);
            QVERIFY(selector->currentIndex() != last);
        }
        Messages texts = library.Take();
        QCOMPARE(texts.size(), size_t(2));
        QVERIFY(
            texts[0].starts_with("Filters and Categories are read only in the Orvanta desktop application."));
        QCOMPARE(tab.CategorySelector()->itemText(tab.CategorySelector()->count() - 2), QString("Unfiled"));
        QCOMPARE(tab.ViewSelector()->currentText(), QString("All fields"));
        OnNextDialog<CViewManagerDlg>([](CViewManagerDlg* manager) {
            OnNextDialog<CViewEditor>([](CViewEditor* editor) {
                editor->NameEntry()->setText("By rank");
                editor->Fields()->setCurrentRow(1);
                editor->AddColumn();
                editor->accept();
            });
            manager->NewView();
            manager->accept();
        });
        emit tab.ViewSelector()->activated(tab.ViewSelector()->count() - 1);
        QCOMPARE(tab.ViewSelector()->itemText(0), QString("By rank"));
        QVERIFY(library.Item("Numbers")->IsModified());
        // Without fields the view manager refuses.
        CDataViewerTab& empty = library.Show("Empty");
        library.Item("Empty")->Db().DeleteField(1);
        emit empty.ViewSelector()->activated(empty.ViewSelector()->count() - 1);
        QCOMPARE(library.program.prompt.shown.back().title, std::string("Error"));
        QCOMPARE(library.Take(),
                 Messages{"You cannot edit views if no fields are defined.  Please add fields to "
                          "the Tabulon and then edit and create views."});
    }

    void recordsAreAddedAndDeleted() {
        RecordsLibrary library;
        CDataViewerTab& tab = library.Show("Numbers");
        tab.DeleteSelected();
        QCOMPARE(library.Take(), Messages{"No record selected.  Please select a record first."});
        tab.Grid()->selectRow(1);
        tab.DeleteSelected();
        QCOMPARE(tab.Model().rowCount(), 3);
        library.program.prompt.answers = {PromptAnswer::Yes};
        tab.DeleteSelected();
        QCOMPARE(library.Column(0), QStringList({"cherry", "banana"}));
        tab.AddRecord();
        QCOMPARE(tab.Model().rowCount(), 3);
        QVERIFY(library.Item("Numbers")->IsModified());
        QVERIFY(library.Frame().Actions().save->isEnabled());
    }
};

QObject* NewRecordsTest() { return new RecordsTest; }

}  // namespace shelltest

#include "RecordsTest.moc"
