// The creation wizard's name, location, category and methods.
#include "app/wizard/CCreationWizard.h"

#include "app/widgets/QtText.h"
#include "app/wizard/NewTabulonName.h"
#include "library/CTbBrowser.h"
#include "platform/Prompt.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace orvanta::app {
namespace {

constexpr int kHandheld = 0xFFFF;

}  // namespace

CCreationWizard::CCreationWizard(CTbBrowser& library, int mode, platform::IPrompt* prompt, QWidget* parent)
    : QDialog(parent),
      m_library(library),
      m_messages(prompt),
      m_name(new QLineEdit(this)),
      m_location(new QComboBox(this)),
      m_category(new QComboBox(this)),
      m_prompt(new QLabel(this)) {
    setWindowTitle("Create New Tabulon");
    setMinimumWidth(480);
    m_name->setObjectName("name");
    m_name->setMaxLength(kTabulonNameLimit);
    m_name->setMinimumWidth(260);
    m_location->addItem("Handheld", kHandheld);
    for (int i = 0; i < library.CardCount(); ++i) m_location->addItem(ToQt(library.Card(i).name), i);
    for (const TbCategory& category : library.Categories()) m_category->addItem(ToQt(category.name));
    if (m_category->count() == 0) m_category->addItem("Unfiled");
    m_category->setCurrentIndex(0);
    auto* form = new QFormLayout;
    form->addRow("Name:", m_name);
    form->addRow("Location:", m_location);
    form->addRow("Category:", m_category);

    const bool all = mode == kAllMethods;
    m_prompt->setText(all ? "Please choose one of the following options:"
                          : "Press the button below to continue creating your Tabulon:");
    auto* methods = new QGridLayout;
    methods->setColumnStretch(1, 1);
    methods->setHorizontalSpacing(14);
    methods->setVerticalSpacing(8);
    AddMethod(Design, "Design", "Use the Designer to create a Tabulon from scratch.", all || mode == Design,
              methods);
    AddMethod(Synchronize, "Synchronize", "Set up a synchronization relationship with an Access table.",
              all || mode == Synchronize, methods);
    AddMethod(Import, "Import", "Import data from an outside data source such as a text file.",
              all || mode == Import, methods);
    auto* cancel = new QPushButton("Cancel", this);
    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    closing->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(10);
    layout->addWidget(m_prompt);
    layout->addLayout(methods);
    layout->addSpacing(6);
    layout->addLayout(closing);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CCreationWizard::AddMethod(Method method, const char* title, const char* description, bool offered,
                                QGridLayout* grid) {
    static const QStyle::StandardPixmap kIcons[] = {QStyle::SP_FileDialogDetailedView,
                                                    QStyle::SP_BrowserReload, QStyle::SP_ArrowRight};
    auto* button = new QPushButton(style()->standardIcon(kIcons[method]), title, this);
    button->setMinimumSize(140, 34);
    button->setAutoDefault(false);
    auto* text = new QLabel(description, this);
    text->setWordWrap(true);
    grid->addWidget(button, method, 0);
    grid->addWidget(text, method, 1);
    button->setVisible(offered);
    text->setVisible(offered);
    m_buttons[method] = button;
    connect(button, &QPushButton::clicked, this, [this, method] { Choose(method); });
}

void CCreationWizard::Choose(Method method) {
    const std::string problem = NewTabulonNameProblem(m_library, NewName());
    if (!problem.empty()) {
        if (m_messages)
            m_messages->Show("Invalid Name", problem, platform::PromptIcon::Error,
                             platform::PromptButtons::Ok);
        m_name->selectAll();
        m_name->setFocus();
        return;
    }
    m_method = method;
    accept();
}

std::string CCreationWizard::NewName() const { return FromQt(m_name->text()); }

int CCreationWizard::CategoryIndex() const { return std::max(m_category->currentIndex(), 0); }

CardId CCreationWizard::Card() const {
    const int card = m_location->currentData().toInt();
    return card == kHandheld ? CardId{} : m_library.Card(card).id;
}

}  // namespace orvanta::app
