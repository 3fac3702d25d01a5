// The full read and the save every command uses: location, load or save, the progress bar
// shown for the duration, and the message a failure leaves.
#include "cli/TabulonIo.h"

#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "model/TbSaveGuard.h"
#include "pdb/TbPDBReader.h"
#include "pdb/TbPDBWriter.h"

namespace orvanta::cli {

bool LoadTabulon(CTbObjDB& db, const std::string& path, CommandIo& io, std::string* message,
                 bool designOnly) {
    db.SetLocation(path, true);
    TbResult result;
    {
        ProgressShown shown(io.progress);
        result = designOnly ? db.LoadDesign(io.progress) : db.Load(false, io.progress);
    }
    for (const TbLoadWarning& warning : db.LoadWarnings()) io.err << "warning: " << warning.text << '\n';
    if (result >= 0) return true;
    *message = db.Reader().GetErrorLines();
    if (message->empty()) *message = db.GetLastErrorText();
    return false;
}

bool SaveTabulon(CTbObjDB& db, const SaveTarget& target, CommandIo& io, std::string* message) {
    // A new location changes the file only: the Tabulon keeps the name it was read with.
    if (target.output) {
        db.SetLocation(*target.output, true);
    } else if (!target.force && LossOnSave(db).Any()) {
        *message =
            LossOnSaveText(db) + "\nUse -o OUT to write a repaired copy, or --force to replace the file.";
        return false;
    }
    TbResult result;
    {
        ProgressShown shown(io.progress);
        result = db.Save(io.progress);
    }
    if (result >= 0) return true;
    *message = db.Writer().GetErrorLines();
    if (message->empty()) *message = "Unknown error writing Tabulon.";
    return false;
}

}  // namespace orvanta::cli
