// CAdvExpressionEditorDlg: edits an Advanced Expression field's expression and result format.
// Six lists insert their entries at the cursor, a function's tip is shown when it is chosen,
// a preview shows the result for the first record while the user types, and OK stores the
// expression through AdvExpressionCheck or shows the error and stays open.
#pragma once

#include "app/designer/AdvExpressionCheck.h"
#include "app/designer/ExpressionVocabulary.h"

#include <QDialog>

#include <array>
#include <vector>

class CTbObjDB;
class CTbObjField;
class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class CAdvExpressionEditorDlg : public QDialog {
    Q_OBJECT
public:
    CAdvExpressionEditorDlg(CTbObjDB& db, CTbObjField& field, platform::IPrompt* prompt, QWidget* parent);

    void accept() override;
    // Inserts entry `item` (0-based, after the list's title) of a list at the cursor; a
    // function also shows its tip.
    void Choose(VocabularyList list, int item);

    QComboBox* List(VocabularyList list) const { return m_lists[static_cast<int>(list)]; }
    QPlainTextEdit* Text() const { return m_text; }
    QComboBox* ResultFormat() const { return m_format; }
    QLabel* Tip() const { return m_tip; }
    QLabel* PreviewLabel() const { return m_preview; }

private:
    QLayout* MakeLists();
    void UpdatePreview();
    int SelectedFormat() const;

    AdvExpressionCheck m_check;
    platform::IPrompt* m_prompt;
    QPlainTextEdit* m_text;
    QComboBox* m_format;
    QLabel* m_tip;
    QLabel* m_preview;
    std::array<QComboBox*, ExpressionVocabulary::kListCount> m_lists{};
    std::array<std::vector<VocabularyEntry>, ExpressionVocabulary::kListCount> m_entries;
};

}  // namespace orvanta::app
