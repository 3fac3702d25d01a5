// The option page of the import and export commands.
#include "app/datalink/COptionsPage.h"

#include "app/datalink/DataLinkFormats.h"
#include "app/datalink/SpecDefaults.h"
#include "app/shell/DesktopSeams.h"
#include "app/widgets/QtText.h"
#include "importexport/WorkbookConvert.h"
#include "platform/Locale.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvanta::app {
namespace {

constexpr int kMilitary = 1;

}  // namespace

COptionsPage::COptionsPage(Kind kind, IFileDialogs* files, QWidget* parent)
    : QWidget(parent),
      m_kind(kind),
      m_files(files),
      m_path(new QLineEdit(this)),
      m_name(new QLineEdit(this)),
      m_seconds(new QCheckBox("Has Seconds", this)),
      m_firstRow(
          new QCheckBox(kind == Import ? "First Row Contains Field Names" : "Export Field Names", this)),
      m_replace(new QCheckBox("Replace existing records", this)),
      m_encoding(new QComboBox(this)) {
    m_path->setObjectName("fileName");
    m_name->setObjectName("specName");
    m_path->setMinimumWidth(340);
    auto* browse = new QPushButton("Browse...", this);
    auto* file = new QHBoxLayout;
    file->addWidget(m_path, 1);
    file->addWidget(browse);
    auto* form = new QFormLayout;
    form->addRow("File Name :", file);
    form->addRow("Spec Name :", m_name);
    m_encoding->setObjectName("encoding");
    m_encoding->addItem("Windows (ANSI)", static_cast<int>(TextEncoding::Ansi));
    m_encoding->addItem("UTF-8", static_cast<int>(TextEncoding::Utf8));
    if (kind == Import) {
        m_encoding->addItem("UTF-16", static_cast<int>(TextEncoding::Utf16));
        m_encoding->addItem("Detect from the file", static_cast<int>(TextEncoding::Auto));
    } else {
        m_encoding->addItem("UTF-8 with signature", static_cast<int>(TextEncoding::Utf8Signed));
    }
    m_encoding->setToolTip(
        "The character encoding of a text file; workbooks, JSON and databases keep their own");
    form->addRow("Encoding :", m_encoding);

    auto* choices = new QHBoxLayout;
    m_delimiter = Choices("Delimiter", {"Tab", "Comma", "Semicolon"}, choices);
    m_dateFormat = Choices("Date Format", {"MM/DD/YYYY", "DD/MM/YYYY"}, choices);
    m_timeFormat = Choices("Time Format", {"AM / PM", "24 Hours"}, choices);
    if (auto* time = qobject_cast<QVBoxLayout*>(m_timeFormat->button(0)->parentWidget()->layout()))
        time->insertWidget(2, m_seconds);

    auto* intro =
        new QLabel(kind == Import ? "Choose the file to import, name the specification, and say how "
                                    "the file's values are laid out."
                                  : "Choose the file to write, name the specification, and say how "
                                    "the values are to be laid out.",
                   this);
    intro->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(choices);
    layout->addSpacing(8);
    layout->addWidget(m_firstRow);
    layout->addWidget(m_replace);
    layout->addStretch(1);
    m_replace->setVisible(kind == Import);

    connect(browse, &QPushButton::clicked, this, &COptionsPage::Browse);
    connect(m_delimiter, &QButtonGroup::idClicked, this, &COptionsPage::OnDelimiterChosen);
    connect(m_path, &QLineEdit::editingFinished, this, [this] { SetPath(m_path->text()); });
    SetValues("", "", ImportExportOptions{1, 1, 0, 0, 0, 0, 0});
}

QButtonGroup* COptionsPage::Choices(const char* title, const QStringList& labels, QBoxLayout* into) {
    auto* box = new QGroupBox(title, this);
    auto* column = new QVBoxLayout(box);
    auto* group = new QButtonGroup(this);
    // The delimiters are listed as the user knows them best: comma first.
    const bool delimiters = labels.size() == 3;
    for (int id : delimiters ? QList<int>{1, 0, 2} : QList<int>{0, 1}) {
        auto* button = new QRadioButton(labels[id], box);
        group->addButton(button, id);
        column->addWidget(button);
    }
    column->addStretch(1);
    into->addWidget(box);
    return group;
}

TextEncoding COptionsPage::Encoding() const {
    return static_cast<TextEncoding>(m_encoding->currentData().toInt());
}

void COptionsPage::SetEncoding(TextEncoding encoding) {
    m_encoding->setCurrentIndex(std::max(0, m_encoding->findData(static_cast<int>(encoding))));
}

void COptionsPage::SetValues(const std::string& specName, const std::string& path,
                             const ImportExportOptions& options) {
    m_name->setText(ToQt(specName));
    m_path->setText(ToQt(path));
    m_workbookDelimiter = -1;
    SetDelimiter(options.delimiter);
    m_dateFormat->button(options.dateFormat == 1 ? 1 : 0)->setChecked(true);
    m_timeFormat->button(options.timeMilitary ? kMilitary : 0)->setChecked(true);
    m_seconds->setChecked(options.timeHasSeconds != 0);
    m_firstRow->setChecked(options.firstRecordFieldNames != 0);
    m_replace->setChecked(options.replaceRecords != 0);
    if (m_kind == Import && EffectOfExtension(path) == ExtensionEffect::Workbook) SetPath(ToQt(path));
}

std::string COptionsPage::SpecName() const { return FromQt(m_name->text().trimmed()); }

std::string COptionsPage::Path() const { return FromQt(m_path->text().trimmed()); }

ImportExportOptions COptionsPage::Options() const {
    ImportExportOptions options{};
    options.firstRecordFieldNames = m_firstRow->isChecked() ? 1 : 0;
    options.delimiter =
        m_workbookDelimiter >= 0 ? m_workbookDelimiter : std::max(m_delimiter->checkedId(), 0);
    options.dateFormat = m_dateFormat->checkedId() == 1 ? 1 : 0;
    options.timeMilitary = m_timeFormat->checkedId() == kMilitary ? 1 : 0;
    options.timeHasSeconds = m_seconds->isChecked() ? 1 : 0;
    options.replaceRecords = m_kind == Import && m_replace->isChecked() ? 1 : 0;
    return options;
}

QAbstractButton* COptionsPage::DelimiterButton(int32_t delimiter) const {
    return m_delimiter->button(delimiter);
}

void COptionsPage::Browse() {
    if (!m_files) return;
    const bool import = m_kind == Import;
    QString chosen = import ? m_files->OpenFileName(this, "Import - Choose File",
                                                    QString::fromStdString(ImportFileFilter()))
                            : m_files->SaveFileName(this, "Export - Choose File", m_path->text(),
                                                    QString::fromStdString(ExportFileFilter()));
    if (chosen.isEmpty()) return;
    SetPath(import ? chosen : ToQt(WithExportExtension(FromQt(chosen))));
}

void COptionsPage::SetPath(const QString& path) {
    m_path->setText(path);
    const ExtensionEffect effect = EffectOfExtension(FromQt(path));
    const bool workbook = m_kind == Import && effect == ExtensionEffect::Workbook;
    for (QAbstractButton* button : m_delimiter->buttons()) button->setEnabled(!workbook);
    m_workbookDelimiter = -1;
    if (workbook) {
        m_workbookDelimiter = DelimiterForListSeparator(platform::UserLocale().listSeparator);
        if (QAbstractButton* button = m_delimiter->button(m_workbookDelimiter)) button->setChecked(true);
    } else if (effect == ExtensionEffect::Tab || effect == ExtensionEffect::Comma) {
        m_delimiter->button(effect == ExtensionEffect::Tab ? 0 : 1)->setChecked(true);
    }
}

void COptionsPage::SetDelimiter(int32_t delimiter) {
    if (QAbstractButton* button = m_delimiter->button(delimiter)) button->setChecked(true);
    if (m_kind == Export) OnDelimiterChosen(delimiter);
}

void COptionsPage::OnDelimiterChosen(int delimiter) {
    if (m_kind == Export) m_path->setText(ToQt(ExportPathForDelimiter(Path(), delimiter)));
}

}  // namespace orvanta::app
