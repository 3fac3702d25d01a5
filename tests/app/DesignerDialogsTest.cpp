// The designer's dialogs: the passwords dialog and its four entry modes, the view manager and
// view editor with their checks and sort-key texts, and the advanced expression editor with
// its lists, tips, preview, error location and what it stores. (The view manager's refusal of a
// Tabulon without fields is shown by the Records tab's view selector, in RecordsTest.)
#include "ShellFixture.h"

#include "app/designer/CAdvExpressionEditorDlg.h"
#include "app/designer/CViewEditor.h"
#include "app/designer/CViewManagerDlg.h"
#include "app/designer/PasswordDialogs.h"
#include "expr/TbObjExprEvaluator.h"
#include "model/TbObjView.h"
#include "platform/Locale.h"

#include <QRadioButton>

#include <set>

namespace shelltest {
namespace {

using namespace orvanta::app;

enum Slot { kName = 1, kPrice, kQty, kTotal };

// A Tabulon "Design" with four fields and one record (Price 2.5, Qty 4), held in memory.
struct Design {
    Design() {
        NewTabulon(db, dir.Path().string(), "Design");
        AddFields(db, "Name", TEXT_T, "Price", FLOATING_T, "Qty", INTEGER_T, "Total", ADV_EXPRESSION_T);
        AddRecords(db, 1, [](CTbObjRecord& record, int) {
            record.Value(kPrice)->SetFloat(2.5f);
            record.Value(kQty)->SetShort(4);
        });
        db.SetModified(false);
    }
    std::string Tokens() { return TbObjExprEvaluator(db).ExpressionText(*db.Field(kTotal)); }
    orvanta::platform::ScopedLocaleOverride usEnglish{orvanta::platform::Locale::UsEnglish()};
    TempDir dir;
    CTbObjDB db;
    ScriptedPrompt prompt;
};

// Answers the coming password dialogs in turn: each gets its entries one after the other (a
// dialog still open after its last entry is cancelled). Each dialog's title and prompt are kept.
void AnswerPasswords(std::vector<QStringList> dialogs, QStringList* seen) {
    if (dialogs.empty()) return;
    OnNextDialog<CPwdEditDlg>([dialogs, seen](CPwdEditDlg* dialog) {
        *seen << dialog->windowTitle() + " / " + dialog->PromptLabel()->text();
        AnswerPasswords({dialogs.begin() + 1, dialogs.end()}, seen);
        for (const QString& entry : dialogs.front()) {
            dialog->Entry()->clear();
            QTest::keyClicks(dialog->Entry(), entry);
            dialog->accept();
        }
    });
}

QStringList Items(const QAbstractItemView* list) { return Texts(list->model()); }
QStringList Items(const QComboBox* list) { return Texts(list->model()); }

// Selects a field in the editor's field list by its name.
void SelectField(CViewEditor& editor, const QString& name) {
    QList<QListWidgetItem*> found = editor.Fields()->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    editor.Fields()->setCurrentItem(found.front());
}

}  // namespace

class DesignerDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void passwordsShowEachKindAssignedOrNot() {
        Design design;
        design.db.SetStoredPassword(4, CTbObjDB::Scramble("copy"));
        CPasswordsDlg dialog(design.db, &design.prompt, nullptr);
        QStringList labels;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->text().startsWith("Password")) labels << label->text();
        QCOMPARE(labels,
                 QStringList({"Password to open", "Password to modify records", "Password for design changes",
                              "Password to modify views", "Password to copy"}));
        QCOMPARE(dialog.Status(0)->text(), "Not Assigned");
        QCOMPARE(dialog.Status(4)->text(), "Assigned");
        QVERIFY(dialog.AddButton(0)->isEnabled() && !dialog.ChangeButton(0)->isEnabled() &&
                !dialog.RemoveButton(0)->isEnabled());
        QVERIFY(!dialog.AddButton(4)->isEnabled() && dialog.ChangeButton(4)->isEnabled() &&
                dialog.RemoveButton(4)->isEnabled());
    }

    void addingRefusesAnEmptyEntryAndAMismatchAndKeepsTenCharacters() {
        Design design;
        CPasswordsDlg dialog(design.db, &design.prompt, nullptr);
        QStringList seen;
        AnswerPasswords({{"", "abcdefghijkl"}, {"abcdefghiX", "abcdefghij"}}, &seen);
        dialog.AddPassword(1);
        QCOMPARE(seen, QStringList({"Add Password / Enter the new password (up to 10 characters).",
                                    "Confirm Password / Reenter password for verification."}));
        QCOMPARE(design.prompt.shown.at(0).title, "Invalid Password");
        QCOMPARE(design.prompt.Take(), Messages({"Please enter a valid password.",
                                                 "The password entered for verification does not match."}));
        QCOMPARE(design.db.GetStoredPassword(1), CTbObjDB::Scramble("abcdefghij"));
        QVERIFY(design.db.IsModified());
        QCOMPARE(dialog.Status(1)->text(), "Assigned");
        QVERIFY(dialog.ChangeButton(1)->isEnabled() && !dialog.AddButton(1)->isEnabled());
    }

    void changingAsksTheOldPasswordFirst() {
        Design design;
        design.db.SetStoredPassword(2, CTbObjDB::Scramble("old"));
        CPasswordsDlg dialog(design.db, &design.prompt, nullptr);
        QStringList seen;
        AnswerPasswords({{"ol", "old"}, {"new"}, {"new"}}, &seen);
        dialog.ChangePassword(2);
        QCOMPARE(seen.size(), 3);
        QVERIFY(seen[0].startsWith("Enter old Password / "));
        QVERIFY(seen[1].startsWith("Add Password / ") && seen[2].startsWith("Confirm Password / "));
        QCOMPARE(design.prompt.Take(), Messages({"The password entered is incorrect."}));
        QCOMPARE(design.db.GetStoredPassword(2), CTbObjDB::Scramble("new"));
    }

    void removingNeedsTheCurrentPassword() {
        Design design;
        design.db.SetStoredPassword(3, CTbObjDB::Scramble("pw"));
        design.db.SetModified(false);
        CPasswordsDlg dialog(design.db, &design.prompt, nullptr);
        QStringList seen;
        AnswerPasswords({{"pwx"}}, &seen);
        dialog.RemovePassword(3);
        QCOMPARE(seen, QStringList({"Enter old Password / Enter password to remove."}));
        QCOMPARE(design.prompt.Take(), Messages({"The password entered is incorrect."}));
        QCOMPARE(dialog.Status(3)->text(), "Assigned");
        QVERIFY(!design.db.IsModified());
        AnswerPasswords({{"pw"}}, &seen);
        dialog.RemovePassword(3);
        QCOMPARE(design.db.GetStoredPassword(3), "");
        QCOMPARE(dialog.Status(3)->text(), "Not Assigned");
        QVERIFY(!dialog.RemoveButton(3)->isEnabled() && design.db.IsModified());
    }

    void theFlowComparesWholePasswordsAsTheTabulonDoes() {
        Design design;
        design.db.SetStoredPassword(0, CTbObjDB::Scramble("ab"));
        PasswordEditFlow remove(design.db, 0, PasswordEditFlow::Action::Remove);
        QCOMPARE(remove.Mode(), PwdMode::Remove);
        for (const char* wrong : {"a", "abc", ""}) QVERIFY(remove.Enter(wrong));
        QVERIFY(!remove.Done());
        QVERIFY(!remove.Enter("ab"));
        QVERIFY(remove.Done());
        QVERIFY(!PasswordEditFlow::IsAssigned(design.db, 0));
    }

    void doneRefusesAViewWithoutNameOrColumns() {
        Design design;
        CTbObjView& view = *design.db.AddView();
        design.db.SetModified(false);
        const std::string name = view.GetName();
        CViewEditor editor(design.db, view, &design.prompt, nullptr);
        editor.NameEntry()->clear();
        editor.accept();
        editor.NameEntry()->setText("Prices");
        editor.accept();
        editor.AddColumn();
        QCOMPARE(design.prompt.shown.at(0).title, "Error");
        QCOMPARE(design.prompt.Take(),
                 Messages({"The name of a view cannot be empty.  Please name the view and then click Done.",
                           "A view must have at least one column.  Please add one or more columns and then "
                           "click Done.",
                           "Pleasae select a field to display in the view."}));
        QCOMPARE(editor.result(), QDialog::Rejected);
        QCOMPARE(view.GetName(), name);
        QVERIFY(!design.db.IsModified());
    }

    void sortKeysAreListedAndTheViewStoredOnDone() {
        Design design;
        CTbObjView& view = *design.db.AddView();
        view.AddColumn(kName)->SetWidth(90);
        view.AddColumn(kQty);
        CViewEditor editor(design.db, view, &design.prompt, nullptr);
        QCOMPARE(Items(editor.Fields()), QStringList({"Price", "Total"}));
        editor.ColumnList()->setCurrentRow(1);
        editor.MoveColumn(-1);
        SelectField(editor, "Price");
        editor.AddColumn();
        QCOMPARE(Items(editor.ColumnList()), QStringList({"Qty", "Name", "Price"}));
        for (auto [field, descending] : {std::pair{2, true}, {0, false}, {1, true}}) {
            editor.SortField()->setCurrentIndex(field);
            (descending ? editor.Descending() : editor.Ascending())->setChecked(true);
            editor.AddSortKey();
        }
        QCOMPARE(Items(editor.SortList()),
                 QStringList({"Price (primary sort, descending)", "Qty (secondary sort, ascending)",
                              "Name (tertiary sort, descending)"}));
        editor.NameEntry()->setText("By price");
        editor.accept();
        QCOMPARE(editor.result(), QDialog::Accepted);
        QCOMPARE(view.GetName(), "By price");
        QCOMPARE(view.ColumnCount(), 3);
        QCOMPARE(view.Column(0)->GetField(), kQty);
        QCOMPARE(view.Column(1)->GetField(), kName);
        QCOMPARE(view.Column(1)->GetWidth(), 90);
        QCOMPARE(view.Column(2)->GetField(), kPrice);
        QCOMPARE(view.GetSortKey(1).field, kPrice);
        QVERIFY(view.GetSortKey(1).direction != 0);
        QCOMPARE(view.GetSortKey(2).field, kQty);
        QCOMPARE(view.GetSortKey(2).direction, 0);
        QCOMPARE(view.GetSortKey(3).field, kName);
    }

    void cancelLeavesTheViewUntouched() {
        Design design;
        CTbObjView& view = *design.db.AddView();
        view.AddColumn(kName);
        design.db.SetModified(false);
        CViewEditor editor(design.db, view, &design.prompt, nullptr);
        editor.NameEntry()->setText("Other");
        editor.ColumnList()->setCurrentRow(0);
        editor.RemoveColumn();
        QCOMPARE(editor.ColumnList()->count(), 0);
        editor.reject();
        QCOMPARE(view.ColumnCount(), 1);
        QVERIFY(view.GetName() != "Other");
        QVERIFY(!design.db.IsModified());
    }

    void theManagerAddsViewsUpToTheLimit() {
        Design design;
        design.db.AddView();
        design.db.SetModified(false);
        CViewManagerDlg manager(design.db, &design.prompt, nullptr);
        OnNextDialog<CViewEditor>([](CViewEditor* editor) { editor->reject(); });
        manager.NewView();
        QCOMPARE(design.db.ViewCount(), 1);
        QVERIFY(!design.db.IsModified());
        auto addName = [](CViewEditor* editor) {
            SelectField(*editor, "Name");
            editor->AddColumn();
            editor->accept();
        };
        OnNextDialog<CViewEditor>(addName);
        manager.NewView();
        QCOMPARE(design.db.ViewCount(), 2);
        QCOMPARE(design.db.View(1)->ColumnCount(), 1);
        QCOMPARE(manager.Views()->count(), 2);
        while (design.db.ViewCount() < MaxViews) design.db.AddView();
        design.prompt.answers = {PromptAnswer::Yes};
        manager.Views()->setCurrentRow(0);
        manager.DeleteView();
        QCOMPARE(design.db.ViewCount(), MaxViews - 1);
        QVERIFY(manager.NewButton()->isEnabled());
        OnNextDialog<CViewEditor>(addName);
        manager.NewView();
        QCOMPARE(design.db.ViewCount(), MaxViews);
        QVERIFY(!manager.NewButton()->isEnabled());
        manager.DeleteView();  // answered No
        QCOMPARE(design.db.ViewCount(), MaxViews);
        QCOMPARE(design.prompt.Take().size(), 2u);
    }

    void theExpressionListsInsertAtTheCursor() {
        Design design;
        CAdvExpressionEditorDlg editor(design.db, *design.db.Field(kTotal), &design.prompt, nullptr);
        QCOMPARE(Items(editor.List(VocabularyList::Fields)),
                 QStringList({"(Fields)", "Name", "Price", "Qty", "Total"}));
        QCOMPARE(Items(editor.List(VocabularyList::PreviousRecord)).at(2), "Prev(Price)");
        QCOMPARE(Items(editor.List(VocabularyList::Constants)),
                 QStringList({"(Constants)", "Today", "PrevIndex"}));
        QCOMPARE(Items(editor.List(VocabularyList::Colors)),
                 QStringList({"(Colors)", "{black}", "{red}", "{green}", "{blue}", "{yellow}"}));
        QCOMPARE(Items(editor.List(VocabularyList::Operators)),
                 QStringList({"(Other Operators)", "** (power)", "% (mod)", "& (and)", "| (or)", "^ (xor)",
                              "! (not)"}));
        QStringList functions = Items(editor.List(VocabularyList::Functions));
        QCOMPARE(functions.size(), 18);
        QCOMPARE(functions.mid(0, 3), QStringList({"(Functions)", "If ()", "Sel ()"}));
        QCOMPARE(functions.at(9), "Date (,,)");
        QCOMPARE(Items(editor.ResultFormat()), QStringList({"Floating", "Hours", "Minutes", "Seconds",
                                                            "Hours-Minutes-Seconds", "Hours-Minutes"}));

        editor.Text()->setPlainText("Price  Qty");
        QTextCursor cursor = editor.Text()->textCursor();
        cursor.setPosition(6);
        editor.Text()->setTextCursor(cursor);
        emit editor.List(VocabularyList::Operators)->activated(1);
        QCOMPARE(editor.Text()->toPlainText(), "Price ** Qty");
        QCOMPARE(editor.List(VocabularyList::Operators)->currentIndex(), 0);
        editor.Text()->clear();
        const std::pair<VocabularyList, int> chosen[] = {
            {VocabularyList::Functions, 8}, {VocabularyList::PreviousRecord, 1},
            {VocabularyList::Constants, 0}, {VocabularyList::Colors, 1},
            {VocabularyList::Fields, 2},    {VocabularyList::Functions, 0}};
        for (auto [list, item] : chosen) editor.Choose(list, item);
        QCOMPARE(editor.Text()->toPlainText(), "Date( , , )Prev(Price)Today{red}QtyIf( )");
    }

    void eachFunctionShowsItsTip() {
        Design design;
        CAdvExpressionEditorDlg editor(design.db, *design.db.Field(kTotal), &design.prompt, nullptr);
        QCOMPARE(editor.Tip()->text(),
                 "When you select a function, tips on how to use that function will display here.");
        std::set<QString> tips;
        QStringList functions = Items(editor.List(VocabularyList::Functions)).mid(1);
        for (int i = 0; i < functions.size(); ++i) {
            editor.Choose(VocabularyList::Functions, i);
            QString name = functions[i].section(' ', 0, 0);
            QVERIFY2(editor.Tip()->text().contains(name + "("), qPrintable(name));
            tips.insert(editor.Tip()->text());
        }
        QCOMPARE(tips.size(), 13u);  // Year/Month/Day and Hour/Minute/Second share theirs
    }

    void anErrorIsShownWithItsLocation() {
        Design design;
        CAdvExpressionEditorDlg editor(design.db, *design.db.Field(kTotal), &design.prompt, nullptr);
        editor.Text()->setPlainText("Price * Qtty");
        editor.accept();
        std::string error;
        int position = -1;
        std::vector<uint8_t> types;
        std::vector<std::string> values;
        TbObjExprEvaluator(design.db).PrepareTokens("Price * Qtty", &types, &values, &error, &position);
        QCOMPARE(position, 8);
        QCOMPARE(design.prompt.shown.at(0).title, "Error In Expression");
        QCOMPARE(design.prompt.Take(), Messages({error + "\n\nPossible error location: Row: 9"}));
        QCOMPARE(editor.result(), QDialog::Rejected);
        QCOMPARE(editor.Text()->textCursor().position(), 8);
        QCOMPARE(design.Tokens(), "");
        QVERIFY(!design.db.IsModified());
    }

    void aValidExpressionIsStoredWithItsResultFormat() {
        Design design;
        CAdvExpressionEditorDlg editor(design.db, *design.db.Field(kTotal), &design.prompt, nullptr);
        QTest::keyClicks(editor.Text(), "Price * Qty / 24");
        QCOMPARE(editor.PreviewLabel()->text(), "Result for the first record: 0.4166667");
        editor.ResultFormat()->setCurrentIndex(4);  // Hours-Minutes-Seconds: a day's share as a time
        QCOMPARE(editor.PreviewLabel()->text(), "Result for the first record: 10:00:00");
        QTest::keyClicks(editor.Text(), " *");
        QVERIFY(editor.PreviewLabel()->text().startsWith("Error: "));
        editor.Text()->setPlainText("Price * Qty");
        editor.ResultFormat()->setCurrentIndex(1);
        editor.accept();
        QCOMPARE(editor.result(), QDialog::Accepted);
        QVERIFY(design.prompt.Take().empty());
        QCOMPARE(design.Tokens(), "Price * Qty");
        QCOMPARE(design.db.Field(kTotal)->ExprProps()->GetResultFormat(), EXPR_RESULT_HOURS);
        QVERIFY(design.db.IsModified());
        CAdvExpressionEditorDlg again(design.db, *design.db.Field(kTotal), &design.prompt, nullptr);
        QCOMPARE(again.Text()->toPlainText(), "Price * Qty");
        QCOMPARE(again.ResultFormat()->currentText(), "Hours");
    }
};

QObject* NewDesignerDialogsTest() { return new DesignerDialogsTest; }

}  // namespace shelltest

#include "DesignerDialogsTest.moc"
