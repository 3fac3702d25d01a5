// The full read and the save every command uses: location, load or save, the progress bar
// shown for the duration, and the message a failure leaves.
#include "cli/TabulonIo.h"

#include "model/IProgressIndicator.h"
#include "model/TbObjDB.h"
#include "pdb/TbPDBReader.h"
#include "pdb/TbPDBWriter.h"

namespace orvanta::cli {
namespace {

// Shows the progress for the lifetime of one read or write.
class ProgressShown {
public:
    explicit ProgressShown(IProgressIndicator* progress) : m_progress(progress) {
        if (m_progress) m_progress->Begin();
    }
    ~ProgressShown() {
        if (m_progress) m_progress->End();
    }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    IProgressIndicator* m_progress;
};

}  // namespace

bool LoadTabulon(CTbObjDB& db, const std::string& path, IProgressIndicator* progress, std::string* message,
                 bool designOnly) {
    db.SetLocation(path, true);
    TbResult result;
    {
        ProgressShown shown(progress);
        result = designOnly ? db.LoadDesign(progress) : db.Load(false, progress);
    }
    if (result >= 0) return true;
    *message = db.Reader().GetErrorText();
    if (message->empty()) *message = db.GetLastErrorText();
    return false;
}

bool SaveTabulon(CTbObjDB& db, IProgressIndicator* progress, std::string* message) {
    TbResult result;
    {
        ProgressShown shown(progress);
        result = db.Save(progress);
    }
    if (result >= 0) return true;
    *message = db.Writer().GetErrorText();
    if (message->empty()) *message = "Unknown error writing Tabulon.";
    return false;
}

}  // namespace orvanta::cli
