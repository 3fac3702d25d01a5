// The advanced expression editor.
#include "app/designer/CAdvExpressionEditorDlg.h"

#include "app/widgets/QtText.h"
#include "model/TbObjDB.h"
#include "platform/Prompt.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace orvanta::app {

CAdvExpressionEditorDlg::CAdvExpressionEditorDlg(CTbObjDB& db, CTbObjField& field, platform::IPrompt* prompt,
                                                 QWidget* parent)
    : QDialog(parent),
      m_check(db, field, prompt),
      m_prompt(prompt),
      m_text(new QPlainTextEdit(ToQt(m_check.CurrentText()), this)),
      m_format(new QComboBox(this)),
      m_tip(new QLabel(ExpressionVocabulary::kInitialTip, this)),
      m_preview(new QLabel(this)) {
    setWindowTitle("Advanced Expression: " + ToQt(field.GetName()));
    for (const ResultFormatChoice& choice : ExpressionVocabulary::ResultFormats()) {
        m_format->addItem(choice.label, choice.format);
        if (choice.format == m_check.CurrentFormat()) m_format->setCurrentIndex(m_format->count() - 1);
    }
    m_tip->setWordWrap(true);
    m_tip->setMinimumHeight(60);
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_preview->setWordWrap(true);
    m_preview->setObjectName("preview");
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] { UpdatePreview(); });
    connect(m_format, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
    auto* formatRow = new QHBoxLayout;
    auto* formatLabel = new QLabel("Result &format:", this);
    formatLabel->setBuddy(m_format);
    formatRow->addWidget(formatLabel);
    formatRow->addWidget(m_format, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* textLabel = new QLabel("&Expression:", this);
    textLabel->setBuddy(m_text);
    layout->addWidget(textLabel);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_preview);
    layout->addLayout(MakeLists());
    layout->addWidget(m_tip);
    layout->addLayout(formatRow);
    layout->addWidget(buttons);
    resize(560, 420);
    UpdatePreview();
}

QLayout* CAdvExpressionEditorDlg::MakeLists() {
    auto* grid = new QGridLayout;
    const CTbObjDB& db = *m_check.Database();
    for (int i = 0; i < ExpressionVocabulary::kListCount; ++i) {
        auto list = static_cast<VocabularyList>(i);
        m_entries[i] = ExpressionVocabulary::Entries(list, db);
        auto* combo = new QComboBox(this);
        combo->addItem(ExpressionVocabulary::Title(list));
        for (const VocabularyEntry& entry : m_entries[i]) combo->addItem(ToQt(entry.shown));
        connect(combo, &QComboBox::activated, this, [this, list](int index) {
            if (index > 0) Choose(list, index - 1);
        });
        m_lists[i] = combo;
        grid->addWidget(combo, i / 3, i % 3);
    }
    return grid;
}

void CAdvExpressionEditorDlg::Choose(VocabularyList list, int item) {
    const std::vector<VocabularyEntry>& entries = m_entries[static_cast<int>(list)];
    List(list)->setCurrentIndex(0);
    if (item < 0 || item >= static_cast<int>(entries.size())) return;
    const VocabularyEntry& entry = entries[item];
    if (entry.tip) m_tip->setText(entry.tip);
    m_text->textCursor().insertText(ToQt(entry.inserted));
    m_text->setFocus();
}

int CAdvExpressionEditorDlg::SelectedFormat() const { return m_format->currentData().toInt(); }

void CAdvExpressionEditorDlg::UpdatePreview() {
    m_preview->setText(ToQt(m_check.Preview(FromQt(m_text->toPlainText()), SelectedFormat())));
}

void CAdvExpressionEditorDlg::accept() {
    std::string text = FromQt(m_text->toPlainText());
    std::string message;
    int position = -1;
    if (m_check.Store(text, SelectedFormat(), &message, &position)) {
        QDialog::accept();
        return;
    }
    if (m_prompt)
        m_prompt->Show(AdvExpressionCheck::kErrorTitle, message, platform::PromptIcon::Error,
                       platform::PromptButtons::Ok);
    if (position >= 0) {
        QTextCursor cursor = m_text->textCursor();
        cursor.setPosition(std::min(position, static_cast<int>(m_text->toPlainText().size())));
        m_text->setTextCursor(cursor);
    }
    m_text->setFocus();
}

}  // namespace orvanta::app
