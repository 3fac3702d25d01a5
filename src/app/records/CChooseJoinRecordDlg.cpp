// The join chooser.
#include "app/records/CChooseJoinRecordDlg.h"

#include "app/records/JoinChoice.h"
#include "app/records/TbRecordsModel.h"
#include "app/widgets/FieldSlots.h"
#include "app/widgets/QtText.h"
#include "library/CTbBrowser.h"
#include "library/CTbItem.h"
#include "platform/Prompt.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace orvanta::app {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

CChooseJoinRecordDlg::CChooseJoinRecordDlg(CTbBrowser& library, const CTbObjField& joinField,
                                           CTbObjRecordValue& value, platform::IPrompt* prompt,
                                           QWidget* parent)
    : QDialog(parent),
      m_library(library),
      m_joinField(joinField),
      m_value(value),
      m_prompt(prompt),
      m_grid(new QTableView(this)),
      m_model(new TbRecordsModel(this)) {
    setWindowTitle("Choose Join Record");
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* remove = buttons->addButton("&Delete Join", QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChooseJoinRecordDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(remove, &QPushButton::clicked, this, &CChooseJoinRecordDlg::DeleteJoin);
    connect(m_grid, &QTableView::doubleClicked, this, &CChooseJoinRecordDlg::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QString("Choose the record of %1 to join with:")
            .arg(
                ToQt(m_joinField.JoinProps() ? m_joinField.JoinProps()->GetSourceDatabase() : std::string())),
        this));
    layout->addWidget(m_grid, 1);
    layout->addWidget(buttons);
    resize(560, 380);
}

bool CChooseJoinRecordDlg::Open() {
    const CTbObjFieldJoin* join = m_joinField.JoinProps();
    CTbItem* item = join ? m_library.FindByDisplayName(join->GetSourceDatabase()) : nullptr;
    if (!item) return Fail(kJoinNotFound);
    if (item->Load(false) < 0) return Fail(kJoinNotOpened);
    CTbObjDB& joined = item->Db();
    const int view = join->GetViewNumber();
    std::vector<int> columns;
    if (joined.ViewCount() > 0) {
        if (view >= joined.ViewCount()) return Fail(kJoinNoRecords, kJoinNoRecordsHint);
        for (int i = 0; i < joined.View(view)->ColumnCount(); ++i)
            if (const CTbObjField* field = joined.Field(joined.View(view)->Column(i)->GetField());
                field && field->IsUsed())
                columns.push_back(field->GetSlot());
        joined.Records().ApplyFilter(AllCategories, -1);
        joined.Records().ApplyView(view);
    } else {
        joined.Records().ClearSubset();
    }
    if (columns.empty()) columns = UserFieldSlots(joined);
    m_joinedField = joined.Field(join->GetJoinField());
    m_model->Show(&joined, columns);
    m_grid->resizeColumnsToContents();
    return true;
}

void CChooseJoinRecordDlg::accept() {
    const QModelIndexList picked = m_grid->selectionModel()->selectedRows();
    const CTbObjRecord* record = picked.isEmpty() ? nullptr : m_model->Record(picked.front().row());
    if (!record) {
        if (m_prompt) m_prompt->Show("Error", kJoinPickOne, PromptIcon::Error, PromptButtons::Ok);
        return;
    }
    if (std::string refusal = SetJoinValue(m_value, *record, m_joinedField); !refusal.empty()) {
        if (m_prompt) m_prompt->Show("Error", refusal, PromptIcon::Error, PromptButtons::Ok);
        return;
    }
    QDialog::accept();
}

void CChooseJoinRecordDlg::DeleteJoin() {
    if (!m_prompt || m_prompt->Show("Delete Join?", "Are you sure you want to delete the current join?",
                                    PromptIcon::Question, PromptButtons::YesNo) != PromptAnswer::Yes)
        return;
    m_value.Reset(&m_joinField, false);
    QDialog::accept();
}

bool CChooseJoinRecordDlg::Fail(const char* message, const char* hint) {
    const CTbObjFieldJoin* join = m_joinField.JoinProps();
    if (m_prompt)
        m_prompt->Show("Error",
                       std::string(message) + (join ? join->GetSourceDatabase() : std::string()) + hint,
                       PromptIcon::Error, PromptButtons::Ok);
    return false;
}

}  // namespace orvanta::app
