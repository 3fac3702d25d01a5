// The Designer tab: the tips window, adding, naming, deleting and retyping fields with the value
// conversion, the property sheet's checks, the form design's rules and messages, and a Tabulon
// designed from nothing through the widgets, saved and read back with orvanta-cli.
#include "ShellFixture.h"

#include "app/designer/CAdvExpressionEditorDlg.h"
#include "app/designer/CFieldFormDesignerTab.h"
#include "app/designer/CFieldPropertiesDlg.h"
#include "app/designer/CViewManagerDlg.h"
#include "app/designer/DesignTips.h"
#include "app/designer/FieldDesign.h"
#include "app/designer/FieldDesignModel.h"
#include "app/designer/FieldTypeChange.h"
#include "app/designer/FormDesign.h"
#include "app/designer/FormDesignModel.h"
#include "app/designer/PasswordDialogs.h"
#include "app/records/ListEditorDialogs.h"
#include "app/records/ValueEntry.h"
#include "library/CPvtrPrefs.h"
#include "model/IProgressIndicator.h"
#include "model/TbObjView.h"

#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

namespace shelltest {
namespace {

using namespace orvanta::app;

// Ann's library with one Tabulon "Design" of the given fields, each with the records' values.
struct DesignerLibrary : AnnsLibrary {
    explicit DesignerLibrary(const std::function<void(CTbObjDB&)>& fill) {
        CTbObjDB db;
        NewTabulon(db, Folder(), "Design");
        fill(db);
        WriteShowingAll(db);
        Start();
        program.Doc().Prefs().SetDesignFirstRun(false);
        Show("Design", CTabsView::Designer);
    }
    CTbItem& Item() const { return *AnnsLibrary::Item("Design"); }
    CTbObjDB& Db() const { return Item().Db(); }
    CFieldFormDesignerTab& Tab() const { return program.Frame().DesignerTab(); }
    // Sets a cell of the field design grid as the user's edit does.
    void SetField(int slot, int column, const QVariant& value) {
        FieldDesignModel& fields = Tab().Fields();
        fields.setData(fields.index(fields.RowOfSlot(slot), column), value, Qt::EditRole);
    }
    // Opens the slot's property sheet and acts on it.
    void EditProperties(int slot, std::function<void(CFieldPropertiesDlg*)> act) {
        Tab().SelectField(slot);
        OnNextDialog<CFieldPropertiesDlg>(std::move(act));
        Tab().EditProperties();
    }
};

class RecordingProgress : public IProgressIndicator {
public:
    void Begin() override {}
    void End() override {}
    void SetRange(int) override {}
    void Step(int k) override { steps += k; }
    void SetText(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
    int steps = 0;
};

}  // namespace

class DesignerTest : public QObject {
    Q_OBJECT
private slots:
    void tipsAreShownOnlyTheFirstTime() {
        DesignerLibrary library([](CTbObjDB& db) { db.AddField("Name", TEXT_T); });
        library.program.Doc().Prefs().SetDesignFirstRun(true);
        QString shown;
        OnNextDialog<CDesignTipsDlg>([&](CDesignTipsDlg* tips) {
            shown = tips->windowTitle();
            tips->accept();
        });
        library.Tab().ShowItem(&library.Item());
        QCOMPARE(shown, "Orvanta Design Tips");
        QVERIFY(!library.program.Doc().Prefs().IsDesignFirstRun());
        bool again = false;
        OnNextDialog<CDesignTipsDlg>(
            [&](CDesignTipsDlg* tips) {
                again = true;
                tips->accept();
            },
            5);
        library.Tab().ShowItem(&library.Item());
        QTest::qWait(100);
        QVERIFY(!again);
    }

    void fieldsAreAddedNamedAndDeletedWithinTheLimits() {
        DesignerLibrary library([](CTbObjDB& db) {
            for (int i = 1; i < MaxUserFields; ++i) db.AddField(std::to_string(i), TEXT_T);
            AddRecords(db, 2, [](CTbObjRecord& record, int) { record.Value(1)->SetText("kept"); });
        });
        library.Tab().AddField();
        QCOMPARE(library.Db().Field(80)->GetName(), "New Field");
        QVERIFY(library.Db().IsModified());
        library.Tab().AddField();
        QCOMPARE(library.Take(), Messages{"The maximum number of fields is 80. Cannot add any more fields."});
        library.SetField(80, FieldDesignModel::NameColumn, "  ");
        QCOMPARE(library.Take(), Messages{"The field cannot be blank."});
        library.SetField(80, FieldDesignModel::NameColumn, "Price");
        QCOMPARE(library.Db().Field(80)->GetName(), "Price");
        library.Tab().SelectField(2);
        library.Tab().DeleteField();  // answered No
        QVERIFY(library.Db().Field(2)->IsUsed());
        library.program.prompt.answers = {PromptAnswer::Yes};
        library.Tab().DeleteField();
        QCOMPARE(library.Take(), (Messages{kDeleteFieldQuestion.text, kDeleteFieldQuestion.text}));
        QVERIFY(!library.Db().Field(2)->IsUsed());
        QCOMPARE(library.Db().Records().Count(true), 2);
    }

    void deletingTheLastFieldDeletesEveryRecord() {
        DesignerLibrary library([](CTbObjDB& db) {
            db.AddField("Only", TEXT_T);
            AddRecords(db, 3);
        });
        library.Tab().SelectField(1);
        library.program.prompt.answers = {PromptAnswer::Yes};
        library.Tab().DeleteField();
        QCOMPARE(library.Db().Records().Count(true), 0);
        QCOMPARE(library.Tab().Fields().rowCount(), 0);
    }

    void typeChangesConvertEveryRecordsValue() {
        enum { kText = 1, kLong, kFloat, kSmall, kFruit, kColour };
        DesignerLibrary library([](CTbObjDB& db) {
            AddFields(db, "Text", TEXT_T, "Long", LONG_T, "Float", FLOATING_T, "Small", INTEGER_T, "Fruit",
                      TEXT_T, "Colour", TEXT_T);
            AddRecords(db, 61, [](CTbObjRecord& record, int i) {
                record.Value(kText)->SetText(i == 0 ? "12" : "apple");
                record.Value(kLong)->SetLong(i == 0 ? 70000 : 5);
                record.Value(kFloat)->SetFloat(2.7f);
                record.Value(kSmall)->SetShort(static_cast<int16_t>(i));
                record.Value(kFruit)->SetText(std::string("fruit ") + std::to_string(i));
                record.Value(kColour)->SetText(std::string("colour ") + std::to_string(i % 9));
            });
        });
        library.SetField(kText, FieldDesignModel::TypeColumn, INTEGER_T);  // answered No
        QCOMPARE(library.Db().Field(kText)->GetType(), TEXT_T);
        QCOMPARE(library.Tab().Fields().index(0, FieldDesignModel::TypeColumn).data().toString(), "Text");
        library.program.prompt.answers.assign(6, PromptAnswer::Yes);
        const std::pair<int, TbFieldType> changes[] = {{kText, INTEGER_T}, {kLong, INTEGER_T},
                                                       {kFloat, LONG_T},   {kSmall, CHECKBOX_T},
                                                       {kFruit, LIST_T},   {kColour, RADIO_T}};
        for (auto [slot, type] : changes) library.SetField(slot, FieldDesignModel::TypeColumn, type);
        QCOMPARE(library.Take().back(), std::string(kTypeChangeQuestion.text));
        const CTbObjRecordList& records = library.Db().Records();
        const CTbObjRecord& first = *records.RecordInStoredOrder(0);
        const CTbObjRecord& second = *records.RecordInStoredOrder(1);
        QCOMPARE(first.Value(kText)->GetShort(), 12);
        QCOMPARE(second.Value(kText)->GetShort(), 0);
        QCOMPARE(first.Value(kLong)->GetShort(), 0);  // 70000 lies outside the integer range
        QCOMPARE(second.Value(kLong)->GetShort(), 5);
        QCOMPARE(first.Value(kFloat)->GetLong(), 2);
        QVERIFY(!first.Value(kSmall)->GetChecked());
        QVERIFY(second.Value(kSmall)->GetChecked());
        const CTbObjListItems& fruit = library.Db().Field(kFruit)->ListProps()->Items();
        QCOMPARE(fruit.Count(), 60);
        QCOMPARE(fruit.TextOfIndex(second.Value(kFruit)->GetShort()), "fruit 1");
        QCOMPARE(records.RecordInStoredOrder(60)->Value(kFruit)->GetShort(), fruit.ItemAt(0)->index);
        const CTbObjListItems& colour = library.Db().Field(kColour)->ListProps()->Items();
        QCOMPARE(colour.Count(), 8);
        QCOMPARE(records.RecordInStoredOrder(8)->Value(kColour)->GetShort(), colour.ItemAt(0)->index);
        QCOMPARE(library.Tab().Fields().index(4, FieldDesignModel::TypeColumn).data().toString(), "List");
    }

    void typeChangeShowsItsProgressPerRecord() {
        CTbObjDB db;
        db.AddField("Amount", FLOATING_T);
        AddRecords(db, 300, [](CTbObjRecord& record, int i) { record.Value(1)->SetFloat(i + 0.5f); });
        RecordingProgress progress;
        ChangeFieldType(db, 1, TEXT_T, true, &progress);
        QCOMPARE(progress.texts.front(), "Updating records...");
        QCOMPARE(progress.texts.back(), "Processing record 300 of 300");
        QCOMPARE(progress.steps, 300);
        QCOMPARE(db.Records().RecordInStoredOrder(2)->Value(1)->GetText(), "2.5");
    }

    void propertySheetChecksRangesAndStoresChoices() {
        DesignerLibrary library([](CTbObjDB& db) { AddFields(db, "Count", INTEGER_T, "When", DATE_T); });
        library.EditProperties(1, [&](CFieldPropertiesDlg* sheet) {
            sheet->TypeList()->setCurrentIndex(sheet->TypeList()->findData(LONG_T));
            emit sheet->TypeList()->activated(sheet->TypeList()->currentIndex());  // answered No
            QCOMPARE(sheet->TypeList()->currentData().toInt(), int{INTEGER_T});
            auto* value = sheet->Pages()->widget(1)->findChild<QLineEdit*>("defaultValue");
            value->setText("40000");
            sheet->accept();
            QCOMPARE(library.Take().back(), std::string(kIntegerRange));
            QVERIFY(sheet->isVisible());
            value->setText("7");
            sheet->NameEdit()->setText("Total");
            sheet->accept();
        });
        QCOMPARE(library.Db().Field(1)->NumberProps()->GetDefaultValue(), "7");
        QCOMPARE(library.Db().Field(1)->GetName(), "Total");
        library.Db().SetModified(false);
        library.EditProperties(2, [&](CFieldPropertiesDlg* sheet) { sheet->accept(); });
        QVERIFY2(!library.Db().IsModified(), "OK on an unchanged sheet changes nothing");
        library.EditProperties(2, [&](CFieldPropertiesDlg* sheet) {
            sheet->Pages()->widget(1)->findChild<QComboBox*>("automatic")->setCurrentText("Record added");
            sheet->accept();
        });
        QCOMPARE(library.Db().Field(2)->DateTimeProps()->GetDefaultValue(), 1u);
    }

    void eachPropertyPageStoresItsChoice() {
        struct Case {
            TbFieldType type;
            const char* control;
            int choice;
            std::function<int(const CTbObjField&)> stored;
        };
        const std::vector<Case> cases = {
            {TEXT_T, "separator", 3, [](auto& f) { return int{f.TextProps()->GetAutoWriter()}; }},
            {FLOATING_T, "decimals", 2, [](auto& f) { return int{f.NumberProps()->GetDecimals()}; }},
            {TIME_T, "automatic", 2, [](auto& f) { return int(f.DateTimeProps()->GetDefaultValue()); }},
            {EXPRESSION_T, "resultFormat", EXPR_RESULT_HHMM,
             [](auto& f) { return f.ExprProps()->GetResultFormat(); }},
            {COND_EXP_T, "trueColour", 3, [](auto& f) { return int(f.CondExprProps()->GetTrueColour()); }},
            {COND_EXP_T, "falseColour", 1, [](auto& f) { return int(f.CondExprProps()->GetFalseColour()); }},
            {IMAGE_T, "imageFormat", 0,
             [](auto& f) { return int(f.ImageProps()->GetBitsPerPixel()) == 1 ? 0 : -1; }},
            {ADDR_BK_JOIN_T, "addressField", 13,
             [](auto& f) { return int{f.JoinProps()->GetDisplayField()}; }},
            {ADDR_BK_JOIN_T, "sortField", 2, [](auto& f) { return int{f.JoinProps()->GetJoinField()}; }},
        };
        DesignerLibrary library([&](CTbObjDB& db) {
            for (const Case& c : cases) db.AddField(c.control, c.type);
        });
        for (size_t i = 0; i < cases.size(); ++i) {
            const int slot = static_cast<int>(i) + 1;
            library.EditProperties(slot, [&](CFieldPropertiesDlg* sheet) {
                QWidget* page = sheet->Pages()->widget(1);
                if (auto* list = page->findChild<QComboBox*>(cases[i].control))
                    list->setCurrentIndex(cases[i].choice);
                if (auto* spin = page->findChild<QSpinBox*>(cases[i].control))
                    spin->setValue(cases[i].choice);
                sheet->accept();
            });
            QCOMPARE(cases[i].stored(*library.Db().Field(slot)), cases[i].choice);
        }
    }

    void formDesignPlacesTabsFieldsAndLabelsByItsRules() {
        DesignerLibrary library([](CTbObjDB& db) { AddFields(db, "Name", TEXT_T, "Age", INTEGER_T); });
        CFieldFormDesignerTab& tab = library.Tab();
        const char* emptyRow =
            "You must select an empty row in the Form Design to add a Field, Tab, or Label.";
        tab.SelectField(1);
        tab.SelectFormRow(1);
        tab.PlaceField();
        tab.PlaceLabel();
        QCOMPARE(library.Take(), Messages{emptyRow});
        QCOMPARE(tab.Form().index(0, FormDesignModel::FieldColumn).data().toString(), "Name");
        tab.SelectFormRow(2);
        tab.PlaceLabel();
        QCOMPARE(tab.Form().index(1, FormDesignModel::LabelColumn).data().toString(), "New Label");
        QVERIFY(tab.LabelAlignment()->isEnabled());
        emit tab.LabelAlignment()->activated(1);
        QCOMPARE(library.Db().Tab(0)->RowAt(2)->GetAlignment(), 1u);
        tab.SelectFormRow(1);
        QVERIFY2(!tab.LabelAlignment()->isEnabled(), "only a label row has an alignment");
        tab.SelectFormRow(1);
        tab.AddTab();
        QCOMPARE(library.Take(), Messages{emptyRow});
        tab.SelectFormRow(3);
        tab.AddTab();
        QCOMPARE(library.Db().TabCount(), 2);
        QCOMPARE(tab.FormTabs()->tabText(1), "Tab 2");
        tab.SelectFormRow(1);
        tab.AddTab();
        tab.EditTab();
        QCOMPARE(
            library.Take(),
            (Messages{"Can only add tabs to the existing tab row. Select existing tab row to add more tabs.",
                      "Select a tab to edit."}));
        for (int i = 0; i < 13; ++i) {
            tab.SelectTabRow(0);
            tab.AddTab();
        }
        QCOMPARE(library.Db().TabCount(), FormDesign::kMaxTabs);
        QCOMPARE(library.Take(), Messages{"The maximum number of tabs is 14, cannot add more tabs."});
        tab.SelectTabRow(3);
        tab.MoveTab(-1);
        QCOMPARE(library.Db().Tab(2)->GetName(), "Tab 4");
        OnNextDialog<CListItemEditDlg>([](CListItemEditDlg* name) {
            name->Entry()->clear();
            name->accept();
        });
        tab.EditTab();
        tab.SelectFormRow(1);
        tab.RemoveTab();
        tab.MoveTab(-1);
        tab.MoveTab(1);
        QCOMPARE(library.Take(), (Messages{"The tab name cannot be empty.", "Select a tab to remove.",
                                           "Select a tab to move up.", "Select a tab to move down."}));
        tab.SelectTabRow(5);
        tab.RemoveTab();
        QCOMPARE(library.Db().TabCount(), FormDesign::kMaxTabs - 1);
        library.program.prompt.answers = {PromptAnswer::Yes};
        tab.RemoveTabs();
        QCOMPARE(library.Db().TabCount(), 1);
        library.Take();
        library.program.prompt.answers = {PromptAnswer::Ok};
        tab.AddAllFields();
        QCOMPARE(library.Take(), Messages{kAddAllFieldsQuestion.text});
        QCOMPARE(library.Db().Tab(0)->GetName(), "Tab 1");
        QCOMPARE(library.Db().Tab(0)->UsedRowCount(), 2);
        QCOMPARE(tab.Form().index(1, FormDesignModel::LabelColumn).data().toString(), "Age:");
        library.program.prompt.answers = {PromptAnswer::Yes};
        tab.RemoveEverything();
        QVERIFY(!library.Db().AnyTabHasRows());
    }

    void passwordsViewsAndExpressionsOpenFromTheDesigner() {
        DesignerLibrary library([](CTbObjDB& db) {
            AddFields(db, "Hours", FLOATING_T, "Pay", ADV_EXPRESSION_T);
            AddRecords(db, 1, [](CTbObjRecord& record, int) { record.Value(1)->SetFloat(4); });
        });
        CFieldFormDesignerTab& tab = library.Tab();
        QString opened;
        OnNextDialog<CPasswordsDlg>([&](CPasswordsDlg* dialog) { opened = dialog->windowTitle(); });
        tab.EditPasswords();
        QCOMPARE(opened, "Password settings for : Design");
        bool managed = false;
        OnNextDialog<CViewManagerDlg>([&](CViewManagerDlg*) { managed = true; });
        tab.EditViews();
        QVERIFY(managed);
        QVERIFY2(!library.Db().IsModified(), "looking at passwords and views changes nothing");
        library.EditProperties(2, [&](CFieldPropertiesDlg* sheet) {
            OnNextDialog<CAdvExpressionEditorDlg>([](CAdvExpressionEditorDlg* editor) {
                editor->Text()->setPlainText("Hours * 2");
                editor->accept();
            });
            sheet->Pages()->widget(1)->findChild<QPushButton*>()->click();
            sheet->accept();
        });
        QVERIFY(library.Db().IsModified());
        QCOMPARE(library.Db().Records().RecordInStoredOrder(0)->Value(2)->GetFloat(), 8.0f);
    }

    void tabulonDesignedFromNothingReadsBackAsDesigned() {
        DesignerLibrary library([](CTbObjDB&) {});
        CFieldFormDesignerTab& tab = library.Tab();
        library.program.prompt.answers.assign(2, PromptAnswer::Yes);
        for (auto [name, type] : {std::pair{"Title", TEXT_T}, {"Pages", INTEGER_T}, {"Price", FLOATING_T}}) {
            tab.AddField();
            const int slot = tab.Fields().Slot(tab.Fields().rowCount() - 1);
            library.SetField(slot, FieldDesignModel::NameColumn, name);
            if (type != TEXT_T) library.SetField(slot, FieldDesignModel::TypeColumn, type);
        }
        tab.AddAllFields();
        library.Frame().Actions().save->trigger();
        QVERIFY(!library.Db().IsModified());
        const QJsonObject read =
            QJsonDocument::fromJson(
                Output(ORVANTA_CLI, {"json", QString::fromStdString(library.Db().FullPath())}).toUtf8())
                .object();
        QStringList fields;
        for (const QJsonValue& field : read["fields"].toArray())
            fields << QString("%1 %2").arg(field["name"].toString(), field["typeLabel"].toString());
        QCOMPARE(fields, (QStringList{"Categories List", "Title Text", "Pages Integer", "Price Float"}));
        const QJsonObject form = read["tabs"].toArray().at(0).toObject();
        QCOMPARE(form["name"].toString(), "Tab 1");
        QCOMPARE(form["usedRows"].toArray().size(), 3);
        QCOMPARE(form["usedRows"].toArray().at(2)["field"].toInt(), 3);
    }
};

QObject* NewDesignerTest() { return new DesignerTest; }

}  // namespace shelltest

#include "DesignerTest.moc"
