// CTbObjRecordValue: a value's data bytes (an image) to and from a file of their own, for the
// image converter. A save writes a temporary file beside the target and renames it over it.
#include "io/QnBufferedFile.h"
#include "io/QnFileOperation.h"
#include "model/TbObjRecord.h"
#include "platform/FileSystem.h"
#include "platform/SaveTempFiles.h"
#include "platform/WinError.h"

namespace {

namespace pf = orvanta::platform;

// The temporary file of a save, removed unless it was put in place of the target.
struct TempFile {
    std::string path;
    ~TempFile() {
        if (!path.empty()) pf::DeleteFile(path);
    }
};

// Throws error with the message and "path: cause" when a file step failed.
void CheckStep(QnAutoError& error, uint32_t winError, const std::string& path, const char* message) {
    if (winError == pf::WIN_ERROR_SUCCESS) return;
    error.SetCode(QnWinErrorCode(winError));
    error.SetDetail(path + ": " + pf::SystemCause(winError));
    error.Check(message);
}

void WriteTempFile(const std::vector<uint8_t>& data, const std::string& temp, const std::string& target) {
    QnBufferedFile file;
    QnAutoError& error = *file.GetErrorObject();
    error.SetCode(file.SetPath(temp.c_str()));
    error.SetDetail(target);
    error.Check("Problem initializing m_DumpFile in SetupFiles()");
    error.SetCode(file.Open(QN_OPEN_WRITE));
    error.Check("Problem opening m_DumpFile in SetupFiles()");
    file.WriteN(data.data(), static_cast<uint32_t>(data.size()));
    file.Close();
}

// Runs a file operation on path; a system failure becomes the QnAutoError of
// kQnFileFailureMessage with the path and the cause.
template <typename Work>
void RunOnFile(const std::string& path, Work&& work) {
    QnAutoError error;
    if (QnRunFileOperation(error, path, std::forward<Work>(work)) < 0) throw error;
}

}  // namespace

void CTbObjRecordValue::SaveData(const std::string& path) const {
    const std::vector<uint8_t>& data = GetData();
    if (data.empty()) return;
    pf::RemoveStaleSaveTempFiles(pf::FolderOf(path));
    TempFile temp;
    QnAutoError error;
    CheckStep(error, pf::MakeSaveTempFile(path, &temp.path), path,
              "Problem creating m_DumpFile in SetupFiles()");
    RunOnFile(path, [&] { WriteTempFile(data, temp.path, path); });
    CheckStep(error, pf::ReplaceFile(temp.path, path), path, kQnFileFailureMessage);
    temp.path.clear();
}

void CTbObjRecordValue::LoadData(const std::string& path) {
    std::vector<uint8_t> data;
    RunOnFile(path, [&] {
        QnBufferedFile file(path.c_str());
        file.Open(QN_OPEN_READ);
        data.resize(file.GetLength());
        file.ReadN(data.data(), static_cast<uint32_t>(data.size()));
        file.Close();
    });
    SetData(std::move(data));
}
