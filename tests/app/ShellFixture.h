// What the desktop program's tests share: a scratch Palm Desktop (registry, users, the stand-in
// libraries, the program's folders), a prompt that answers from a script and records what it was
// shown, a document opener that records, Tabulon files, Ann's library with the program running on
// it, and answering the next dialog.
#pragma once

#include "support/TempDir.h"

#include "app/shell/CMainFrame.h"
#include "app/shell/CPivotryApp.h"
#include "app/shell/CPivotryDoc.h"
#include "app/shell/CTbListCtrl.h"
#include "app/shell/DesktopSeams.h"
#include "library/CTbBrowser.h"
#include "model/TbObjDB.h"
#include "platform/Prompt.h"
#include "platform/Registry.h"

// The widgets most suites reach into; <QtTest> brings QtCore and QAbstractItemModelTester.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace shelltest {

namespace fs = std::filesystem;
namespace pf = orvanta::platform;
using pf::PromptAnswer;
using pf::PromptButtons;
using pf::PromptIcon;
using Messages = std::vector<std::string>;

struct ShownMessage {
    std::string title, text;
    PromptIcon icon;
    PromptButtons buttons;
};

// Answers with the scripted answers in order; with none left, Ok to a message and the safe
// answer (No, Cancel) to a question.
class ScriptedPrompt : public pf::IPrompt {
public:
    PromptAnswer Show(const std::string& title, const std::string& text, PromptIcon icon,
                      PromptButtons buttons) override {
        shown.push_back({title, text, icon, buttons});
        if (!answers.empty()) {
            PromptAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if (buttons == PromptButtons::Ok) return PromptAnswer::Ok;
        return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
    }
    // The texts shown so far, then forgets them.
    Messages Take() {
        Messages texts;
        for (const auto& message : shown) texts.push_back(message.text);
        shown.clear();
        return texts;
    }
    std::vector<ShownMessage> shown;
    std::deque<PromptAnswer> answers;
};

class RecordingOpener : public orvanta::app::IDocumentOpener {
public:
    bool Open(const QString& path) override {
        opened.push_back(path.toStdString());
        return opens;
    }
    std::vector<std::string> opened;
    bool opens = true;
};

// Answers file dialogs with the scripted paths in order (empty: cancelled) and keeps the filters asked.
class ScriptedFileDialogs : public orvanta::app::IFileDialogs {
public:
    QString OpenFileName(QWidget*, const QString&, const QString& filter) override { return Next(filter); }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString& filter) override {
        return Next(filter);
    }
    std::deque<QString> paths;
    QStringList filters;

private:
    QString Next(const QString& filter) {
        filters << filter;
        if (paths.empty()) return {};
        QString path = paths.front();
        paths.pop_front();
        return path;
    }
};

// A Palm Desktop folder with the users Ann and Bob, the stand-in libraries, a registry of the
// test's own and a program folder with the handheld files; Ann's Tabulon folder exists.
class ScratchDesktop {
public:
    ScratchDesktop() {
        ::setenv("ORVANTA_REGISTRY", dir.File("registry").c_str(), 1);
        ::setenv("ORVANTA_PROGRAM_FOLDER", Program().c_str(), 1);
        fs::create_directories(Desktop());
        fs::create_directories(Program() + "/Handheld");
        for (const char* file :
             {"Orvanta.prc", "OrvantaChecklist.prc", "OrvantaDatebook.prc", "OrvantaTimer.prc"})
            std::ofstream(Program() + "/Handheld/" + file) << "handheld";
        std::ofstream(Desktop() + "/Users") << "Ann\tann\t0\nBob\tbob\t0\n";
        for (const char* library : {"libinstaide.so", "libhsapi.so"})
            fs::create_symlink(std::string(ORVANTA_COMPONENT_DIR) + "/" + library, Desktop() + "/" + library);
        pf::RegistrySetValue(pf::RegistryRoot::CurrentUser, "Software\\U.S. Robotics\\Pilot Desktop\\Core",
                             "HotSyncPath", pf::RegistryString(Desktop() + "/HotSync.exe"));
        fs::create_directories(UserFolder("ann"));
        // The sync-configuration library lies in the program's Desktop folder.
        fs::create_directories(Program() + "/Desktop");
        fs::create_symlink(std::string(ORVANTA_COMPONENT_DIR) + "/libdockline.so",
                           Program() + "/Desktop/libdockline.so");
        pf::RegistrySetValue(pf::RegistryRoot::CurrentUser, "Software\\Quennel\\Orvanta", "Path",
                             pf::RegistryString(Program()));
    }
    ~ScratchDesktop() {
        ::unsetenv("ORVANTA_REGISTRY");
        ::unsetenv("ORVANTA_PROGRAM_FOLDER");
    }
    std::string Desktop() const { return dir.Path().string() + "/desktop"; }
    std::string Program() const { return dir.Path().string() + "/program"; }
    std::string UserFolder(const std::string& user) const { return Desktop() + "/" + user + "/Orvanta/"; }
    void StoreUser(const std::string& user) const {
        CPvtrPrefs prefs;
        prefs.Load();
        prefs.SetUserName(user);
        prefs.Save();
    }
    TempDir dir;
};

struct TabulonOptions {
    int records = 0;
    uint8_t category = 0;
    std::string loginPassword;
    std::string copyPassword;
};

// Makes db a new Tabulon "MRA_<name>" of folder, to be designed, filled and written.
inline void NewTabulon(CTbObjDB& db, const std::string& folder, const std::string& name) {
    db.SetPdbName("MRA_" + name);
    db.SetLocation(folder, false);
    db.SetLoadState(TB_LOAD_NEW);
}

// Writes the Tabulon showing every category without a filter.
inline void WriteShowingAll(CTbObjDB& db) {
    db.SetCurrentCategory(0xFF);
    db.SetCurrentFilter(0xFFFF);
    if (db.Save() < 0) qFatal("cannot write a Tabulon");
}

// Adds the fields in order: a name, its type, the next name, its type...
inline void AddFields(CTbObjDB&) {}
template <typename... More>
void AddFields(CTbObjDB& db, const char* name, TbFieldType type, More... more) {
    db.AddField(name, type);
    AddFields(db, more...);
}

// Adds count records, each filled by fill(record, index).
inline void AddRecords(CTbObjDB& db, int count, const std::function<void(CTbObjRecord&, int)>& fill = {}) {
    for (int i = 0; i < count; ++i) {
        CTbObjRecord* record = db.Records().AddRecord(true, false);
        if (fill) fill(*record, i);
    }
}

// The display texts of the model's column, row by row.
inline QStringList Texts(const QAbstractItemModel* model, int column = 0) {
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row) texts << model->index(row, column).data().toString();
    return texts;
}

// Runs the program to its end; what it wrote, or a note when it failed.
inline QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return program + " failed: " + process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Writes "MRA_<name>.PDB" into folder; returns its path.
inline std::string MakeTabulon(const std::string& folder, const std::string& name,
                               TabulonOptions options = {}) {
    CTbObjDB db;
    NewTabulon(db, folder, name);
    db.AddField("Title", TEXT_T);
    db.SetDbCategory(options.category);
    if (!options.loginPassword.empty()) db.SetStoredPassword(0, CTbObjDB::Scramble(options.loginPassword));
    if (!options.copyPassword.empty()) db.SetStoredPassword(4, CTbObjDB::Scramble(options.copyPassword));
    AddRecords(db, options.records);
    if (db.Save() < 0) qFatal("cannot write a Tabulon");
    return db.FullPath();
}

// The program as a user starts it, on the scratch desktop.
struct RunningProgram {
    RunningProgram() : app({&prompt, &opener, &files}, QString("orvanta-test-%1").arg(::getpid())) {}
    bool Start() { return app.Start(); }
    orvanta::app::CMainFrame& Frame() const { return *app.MainFrame(); }
    orvanta::app::CPivotryDoc& Doc() const { return *app.Doc(); }
    ScriptedPrompt prompt;
    RecordingOpener opener;
    ScriptedFileDialogs files;
    orvanta::app::CPivotryApp app;
};

using NamedTabulons = std::initializer_list<std::pair<std::string, TabulonOptions>>;

// Ann's library on a scratch desktop holding the Tabulons made by MakeTabulon (their paths kept);
// a suite writes any Tabulons of its own into Folder() and then starts the program.
struct AnnsLibrary {
    explicit AnnsLibrary(NamedTabulons tabulons = {}) {
        for (const auto& [name, options] : tabulons) paths.push_back(MakeTabulon(Folder(), name, options));
    }
    // Runs the program with Ann as the stored user.
    void Start() {
        desktop.StoreUser("Ann");
        if (!program.Start()) qFatal("the program did not start");
    }
    std::string Folder() const { return desktop.UserFolder("ann"); }
    std::string File(const std::string& name) const { return Folder() + "MRA_" + name + ".PDB"; }
    orvanta::app::CMainFrame& Frame() const { return program.Frame(); }
    CTbBrowser& Browser() const { return program.Doc().Browser(); }
    CTbItem* Item(const std::string& name) const { return Browser().FindByDisplayName(name); }
    void Select(const std::string& name) const { Frame().List().SelectItem(Item(name)); }
    // Selects the Tabulon and shows the tab.
    void Show(const std::string& name, orvanta::app::CTabsView::Tab tab) const {
        Select(name);
        Frame().TabsView().SelectTab(tab);
    }
    Messages Take() { return program.prompt.Take(); }
    // Triggers the command; the messages it showed.
    Messages Run(QAction* command) {
        command->trigger();
        return Take();
    }
    ScratchDesktop desktop;
    RunningProgram program;
    std::vector<std::string> paths;
};

// Ann's library holding the Tabulons, the program running on it.
struct Library : AnnsLibrary {
    explicit Library(NamedTabulons tabulons = {}) : AnnsLibrary(tabulons) { Start(); }
};

// Acts on the next dialog of type D that opens (once exec has shown it), looking for it for up
// to two seconds.
template <typename D>
void OnNextDialog(std::function<void(D*)> act, int triesLeft = 200) {
    QTimer::singleShot(10, [act, triesLeft] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<D*>(widget); dialog && dialog->isVisible()) {
                act(dialog);
                // A check that failed inside act must not leave the test waiting on the dialog.
                if (dialog->isVisible()) dialog->reject();
                return;
            }
        if (triesLeft > 0)
            OnNextDialog<D>(act, triesLeft - 1);
        else
            qWarning("no dialog opened");
    });
}

}  // namespace shelltest
