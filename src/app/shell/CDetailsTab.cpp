// The Details page's texts.
#include "app/shell/CDetailsTab.h"

#include "app/shell/TbListModel.h"
#include "app/widgets/FieldSlots.h"
#include "app/widgets/QtText.h"
#include "library/CTbBrowser.h"
#include "platform/OleDate.h"

#include <QDateTime>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace orvanta::app {
namespace {

constexpr uint8_t kDesignVersion = 30;

QString PalmDateText(uint32_t palmSeconds) {
    if (palmSeconds == 0) return "Never";
    return QDateTime::fromSecsSinceEpoch(platform::UnixFromPalm(palmSeconds)).toString("d MMM yyyy  h:mm AP");
}

QString YesNo(bool on) { return on ? "Yes" : "No"; }

QString Row(const QString& label, const QString& value) {
    return "<tr><td style='padding:2px 18px 2px 0; color:#555'>" + label + "</td><td>" +
           value.toHtmlEscaped() + "</td></tr>";
}

QString Section(const QString& title, const QString& rows) {
    return "<tr><td colspan='2' style='padding:14px 0 4px 0; font-weight:bold; font-size:large'>" + title +
           "</td></tr>" + rows;
}

QString PasswordsText(const CTbObjDB& db) {
    static const char* const kLabels[] = {"open", "modify records", "design", "modify views", "copy"};
    QStringList set;
    for (int kind = 0; kind < 5; ++kind)
        if (!db.GetStoredPassword(kind).empty()) set << kLabels[kind];
    return set.isEmpty() ? QString("None") : set.join(", ");
}

}  // namespace

bool IsDesignTooNew(const CTbItem& item) { return item.Db().GetDbVersion() > kDesignVersion; }

CDetailsTab::CDetailsTab(QWidget* parent) : QWidget(parent), m_heading(new QLabel(this)), m_body(new QLabel) {
    m_heading->setObjectName("detailsHeading");
    QFont font = m_heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    font.setBold(true);
    m_heading->setFont(font);
    m_body->setWordWrap(true);
    m_body->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_body->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_body->setContentsMargins(8, 4, 8, 8);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_body);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(scroll, 1);
    ShowNoSelection();
}

void CDetailsTab::ShowNoSelection() {
    Show("  PLEASE SELECT A TABULON",
         "No Tabulon selected.  Please select a Tabulon to view information about that Tabulon.", false);
}

void CDetailsTab::ShowMultipleSelection() {
    Show("  MULTIPLE TABULONS SELECTED",
         "Multiple Tabulons are selected.  Select a single Tabulon to view information about that Tabulon.",
         false);
}

bool CDetailsTab::ShowItem(CTbItem& item, const CTbBrowser& browser) {
    CTbObjDB& db = item.Db();
    if (db.GetLoadState() <= 0) {
        Show("  ERROR!",
             "Orvanta encountered an error while reading the Tabulon: " + ToQt(item.DisplayName()) + ".\n\n" +
                 ToQt(item.GetLastErrorText()) + "\n\nFile: " + ToQt(item.FullPath()),
             false);
        return false;
    }
    if (IsDesignTooNew(item)) {
        Show("  ERROR!", "This Tabulon was created with a later version of Orvanta and cannot be opened.",
             false);
        return false;
    }
    // A list entry holds the header only; the design's counts come from a read of its design records.
    const CTbObjDB* design = &db;
    CTbObjDB designRead;
    if (db.GetLoadState() == TB_LOAD_HEADER) {
        designRead.SetLocation(item.FullPath(), true);
        if (designRead.LoadDesign() >= 0) design = &designRead;
    }
    QString category =
        db.GetDbCategory() == 0 ? QString("Unfiled") : ToQt(browser.CategoryName(db.GetDbCategory()));
    QString body =
        "<table>" +
        Section("Tabulon", Row("Name", ToQt(item.DisplayName())) + Row("Category", category) +
                               Row("Stored on", ToQt(browser.CardDisplayName(item.GetCardId()))) +
                               Row("Sync With", ToQt(item.SyncWithText())) +
                               Row("Status", StatusText(item.GetStatus()))) +
        Section("Contents", Row("Records", QString::number(db.RecordCount())) +
                                Row("Fields", QString::number(UserFieldSlots(*design).size())) +
                                Row("Views", QString::number(design->ViewCount())) +
                                Row("Filters", QString::number(design->FilterCount())) +
                                Row("Size", ToQt(item.SizeText()))) +
        Section("Dates", Row("Created", PalmDateText(db.GetCreationDate())) +
                             Row("Modified", PalmDateText(db.GetModificationDate())) +
                             Row("Last backup", PalmDateText(db.GetBackupDate()))) +
        Section("Settings", Row("Read only", YesNo(db.GetReadOnly())) +
                                Row("Included in Global Find", YesNo(db.GetIncludeInGlobalFind())) +
                                Row("Startup screen", YesNo(db.GetUseStartupScreen())) +
                                Row("Do not back up", YesNo(db.GetDoNotBackup())) +
                                Row("Passwords", PasswordsText(db))) +
        Section("File", Row("File name", ToQt(item.FileName())) + Row("Folder", ToQt(db.GetFolder()))) +
        "</table>";
    Show("  " + ToQt(item.DisplayName()).toUpper(), body, true);
    return true;
}

QString CDetailsTab::Heading() const { return m_heading->text(); }

QString CDetailsTab::Body() const { return m_body->text(); }

void CDetailsTab::Show(const QString& heading, const QString& body, bool rich) {
    m_heading->setText(heading);
    m_body->setTextFormat(rich ? Qt::RichText : Qt::PlainText);
    m_body->setText(body);
}

}  // namespace orvanta::app
