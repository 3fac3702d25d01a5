#include "io/QnFile.h"

#include "io/QnException.h"
#include "platform/DriveType.h"
#include "platform/FileHandle.h"
#include "platform/FileSystem.h"
#include "platform/WinError.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace pf = orvanta::platform;

namespace {

constexpr const char* kTempPrefix = "Orv";
constexpr uint32_t kGapBlock = 4096;

QnResult WinCode(uint32_t winError) { return QnWinErrorCode(winError); }

pf::FileAccess AccessOf(int mode) {
    switch (mode) {
        case QN_OPEN_READ:
            return pf::FileAccess::Read;
        case QN_OPEN_WRITE:
            return pf::FileAccess::Write;
        default:
            return pf::FileAccess::ReadWrite;
    }
}

pf::FileShare ShareOf(int mode) {
    return mode == QN_OPEN_WRITE || mode == QN_OPEN_READWRITE ? pf::FileShare::Exclusive
                                                              : pf::FileShare::Shared;
}

void ToFields(time_t when, uint16_t out[6]) {
    struct tm local {};
    localtime_r(&when, &local);
    out[0] = static_cast<uint16_t>(local.tm_year + 1900);
    out[1] = static_cast<uint16_t>(local.tm_mon + 1);
    out[2] = static_cast<uint16_t>(local.tm_mday);
    out[3] = static_cast<uint16_t>(local.tm_hour);
    out[4] = static_cast<uint16_t>(local.tm_min);
    out[5] = static_cast<uint16_t>(local.tm_sec);
}

time_t FromFields(const uint16_t in[6]) {
    struct tm local {};
    local.tm_year = in[0] - 1900;
    local.tm_mon = in[1] - 1;
    local.tm_mday = in[2];
    local.tm_hour = in[3];
    local.tm_min = in[4];
    local.tm_sec = in[5];
    local.tm_isdst = -1;
    return mktime(&local);
}

QnResult RenameErrorCode(uint32_t err) {
    switch (err) {
        case pf::WIN_ERROR_PATH_NOT_FOUND:
            return QN_E_RENAME_PATH_NOT_FOUND;
        case pf::WIN_ERROR_INVALID_NAME:
            return QN_E_RENAME_INVALID_NAME;
        case pf::WIN_ERROR_ALREADY_EXISTS:
            return QN_E_RENAME_EXISTS;
        default:
            return WinCode(err);
    }
}

}  // namespace

QnFile::QnFile() : m_handle(pf::kInvalidHandle), m_position(std::make_shared<int64_t>(0)) {}

QnFile::QnFile(const char* path) : QnFile() { SetPath(path); }

QnFile::~QnFile() {
    if (m_open) {
        pf::CloseHandle(m_handle);
        m_open = false;
    }
    if (m_temporary && pf::FindFile(m_path, nullptr) == pf::WIN_ERROR_SUCCESS) pf::DeleteFile(m_path);
}

QnResult QnFile::SetPathFromFile(QnVFile* other) { return SetPath(other->GetPath().c_str()); }

QnResult QnFile::SetPathFromGlobal(HGLOBAL) {
    Close();
    return QN_E_NOTSUPPORTED;
}

QnResult QnFile::SetPathFromSpec(const void*) {
    Close();
    return QN_E_NOTSUPPORTED;
}

QnResult QnFile::SetPath(const char* path) {
    Close();
    m_path = path ? path : "";
    m_directoryCache = -1;
    m_offline = false;
    pf::DriveType drive = pf::ClassifyDrive(m_path);
    m_removable = drive == pf::DriveType::Removable || drive == pf::DriveType::CdRom;
    m_remote = drive == pf::DriveType::Remote;
    return QN_OK;
}

QnResult QnFile::MakeTempFile() {
    std::string path;
    uint32_t err = pf::MakeTempFile(pf::TempFolder(), kTempPrefix, &path);
    if (err != pf::WIN_ERROR_SUCCESS) return WinCode(err);
    SetPath(path.c_str());
    m_temporary = true;
    return QN_OK;
}

std::string QnFile::GetFileName() const { return pf::FileNameOf(m_path); }

QnResult QnFile::Rename(const char* newName) {
    std::string name = newName ? newName : "";
    if (!pf::IsValidFileName(name)) ReportError(QN_E_RENAME_INVALID_NAME);
    std::string folder = pf::FolderOf(m_path);
    std::string target = folder.empty() ? name : (folder == "/" ? "/" + name : folder + "/" + name);
    uint32_t err = pf::MoveFile(m_path, target);
    if (err != pf::WIN_ERROR_SUCCESS) ReportError(RenameErrorCode(err));
    bool temporary = m_temporary;
    SetPath(target.c_str());
    m_temporary = temporary;
    return QN_OK;
}

uint32_t QnFile::GetPosition() { return m_open ? static_cast<uint32_t>(*m_position) : 0; }

void QnFile::GetTypeCreator(uint32_t* type, uint32_t* creator) const {
    if (type) *type = m_type;
    if (creator) *creator = m_creator;
}

void QnFile::SetTypeCreator(uint32_t type, uint32_t creator) {
    m_type = type;
    m_creator = creator;
}

QnResult QnFile::GetCreationTime(uint16_t out[6]) {
    pf::FileInfo info;
    if (pf::FindFile(m_path, &info) != pf::WIN_ERROR_SUCCESS) return QN_E_ATTRIBUTES;
    ToFields(info.creationTime, out);
    return QN_OK;
}

QnResult QnFile::GetModificationTime(uint16_t out[6]) {
    pf::FileInfo info;
    if (pf::FindFile(m_path, &info) != pf::WIN_ERROR_SUCCESS) return QN_E_ATTRIBUTES;
    ToFields(info.modificationTime, out);
    return QN_OK;
}

QnResult QnFile::SetModificationTime(const uint16_t when[6]) {
    time_t time = FromFields(when);
    if (!m_open) {
        // The write-time change needs write access to the file, as on Windows.
        int handle = pf::kInvalidHandle;
        uint32_t err = pf::OpenExisting(m_path, pf::FileAccess::Write, pf::FileShare::Exclusive, &handle);
        if (err != pf::WIN_ERROR_SUCCESS) return WinCode(err);
        pf::CloseHandle(handle);
    }
    return pf::SetModificationTime(m_path, time) == pf::WIN_ERROR_SUCCESS ? QN_OK : QN_E_ATTRIBUTES;
}

std::string QnFile::GetPath() const { return m_path; }

QnResult QnFile::Touch() {
    return pf::SetModificationTime(m_path, ::time(nullptr)) == pf::WIN_ERROR_SUCCESS ? QN_OK
                                                                                     : QN_E_ATTRIBUTES;
}

QnResult QnFile::CopyTo(QnVFile* target) {
    return pf::CopyFile(m_path, target->GetPath()) == pf::WIN_ERROR_SUCCESS ? QN_OK : QN_E_COPY;
}

QnResult QnFile::SaveToGlobal(HGLOBAL) { return QN_E_NOTSUPPORTED; }

QnResult QnFile::Open(int mode) {
    if (m_offline) ReportError(QN_E_OFFLINE);
    if (m_open) Close();
    int handle = pf::kInvalidHandle;
    uint32_t err = pf::OpenExisting(m_path, AccessOf(mode), ShareOf(mode), &handle);
    if (err != pf::WIN_ERROR_SUCCESS) ReportError(WinCode(err));
    m_handle = handle;
    m_position = std::make_shared<int64_t>(0);
    m_open = true;
    return QN_OK;
}

QnResult QnFile::Close() {
    if (m_open) pf::CloseHandle(m_handle);
    m_handle = pf::kInvalidHandle;
    m_open = false;
    return QN_OK;
}

bool QnFile::Exists(bool answerWhenOffline) {
    if (m_offline) return !answerWhenOffline;
    return pf::FindFile(m_path, nullptr) == pf::WIN_ERROR_SUCCESS;
}

bool QnFile::IsLocal() const { return !m_removable && !m_remote; }

void QnFile::ReportError(QnResult code) {
    QnFileException& exception = QnFileException::Instance();
    exception.SetCode(code);
    exception.AddMessage(0, GetFileName().c_str());
    throw &exception;
}

QnResult QnFile::IsDirectory(bool* isDirectory) {
    if (m_directoryCache < 0) {
        pf::FileInfo info;
        if (pf::FindFile(m_path, &info) != pf::WIN_ERROR_SUCCESS) return QN_E_ATTRIBUTES;
        m_directoryCache = info.isDirectory ? 1 : 0;
    }
    *isDirectory = m_directoryCache == 1;
    return QN_OK;
}

bool QnFile::IsReadOnly() {
    pf::FileInfo info;
    return pf::FindFile(m_path, &info) == pf::WIN_ERROR_SUCCESS && info.readOnly;
}

QnResult QnFile::SetReadOnly(bool readOnly) {
    return pf::SetReadOnly(m_path, readOnly) == pf::WIN_ERROR_SUCCESS ? QN_OK : QN_E_ATTRIBUTES;
}

QnResult QnFile::Create() {
    uint32_t err = pf::CreateFile(m_path, m_temporary);
    if (err != pf::WIN_ERROR_SUCCESS) ReportError(WinCode(err));
    return QN_OK;
}

uint32_t QnFile::GetLength() {
    int64_t size = 0;
    if (m_open) {
        if (pf::HandleSize(m_handle, &size) != pf::WIN_ERROR_SUCCESS) return 0;
    } else {
        pf::FileInfo info;
        if (pf::FindFile(m_path, &info) != pf::WIN_ERROR_SUCCESS) return 0;
        size = info.size;
    }
    return static_cast<uint32_t>(size);
}

QnResult QnFile::SetLength(uint32_t length) {
    uint32_t err = pf::TruncateHandle(m_handle, length);
    *m_position = std::min<int64_t>(length, *m_position);
    return err == pf::WIN_ERROR_SUCCESS ? QN_OK : WinCode(err);
}

QnResult QnFile::Seek(int64_t offset, int whence) {
    if (!m_open) return WinCode(pf::WIN_ERROR_INVALID_HANDLE);
    int64_t base = 0;
    if (whence == QN_SEEK_CURRENT) {
        base = *m_position;
    } else if (whence == QN_SEEK_END) {
        uint32_t err = pf::HandleSize(m_handle, &base);
        if (err != pf::WIN_ERROR_SUCCESS) return WinCode(err);
    } else if (whence != QN_SEEK_BEGIN) {
        return WinCode(pf::WIN_ERROR_INVALID_PARAMETER);
    }
    if (base + offset < 0) return WinCode(pf::WIN_ERROR_NEGATIVE_SEEK);
    *m_position = base + offset;
    return QN_OK;
}

QnResult QnFile::Read(void* buf, uint32_t* count) {
    size_t got = 0;
    pf::ReadAt(m_handle, buf, *count, *m_position, &got);  // a failed read shows as a short count
    *m_position += static_cast<int64_t>(got);
    *count = static_cast<uint32_t>(got);
    return QN_OK;
}

QnResult QnFile::Write(const void* buf, uint32_t count) {
    size_t written = 0;
    uint32_t err = pf::WriteAt(m_handle, buf, count, *m_position, &written);
    *m_position += static_cast<int64_t>(written);
    if (err != pf::WIN_ERROR_SUCCESS) ReportError(WinCode(err));
    return QN_OK;
}

std::unique_ptr<QnVFile> QnFile::Duplicate() {
    auto copy = std::make_unique<QnFile>();
    copy->m_path = m_path;
    copy->m_type = m_type;
    copy->m_creator = m_creator;
    copy->m_removable = m_removable;
    copy->m_remote = m_remote;
    copy->m_offline = m_offline;
    copy->m_position = m_position;
    if (m_open) {
        uint32_t err = pf::DuplicateHandle(m_handle, &copy->m_handle);
        if (err != pf::WIN_ERROR_SUCCESS) ReportError(WinCode(err));
        copy->m_open = true;
    }
    return copy;
}

QnResult QnFile::Delete() {
    Close();
    if (IsReadOnly()) pf::SetReadOnly(m_path, false);
    uint32_t err = pf::DeleteFile(m_path);
    if (err != pf::WIN_ERROR_SUCCESS) ReportError(WinCode(err));
    return QN_OK;
}

QnResult QnFile::LoadFromGlobal(HGLOBAL) { return QN_E_NOTSUPPORTED; }

QnVFile& QnFile::Apply(QnVFile& (*manipulator)(QnVFile&)) { return manipulator(*this); }

QnVFile& EndLine(QnVFile& file) {
    file.WriteChar('\n');
    return file;
}

std::string QnFile::GetFormat(const char* conversion) {
    if (m_formatFlags & QN_FORMAT_HEX_ONCE) {
        m_formatFlags &= ~QN_FORMAT_HEX_ONCE;
        return "0x%x";
    }
    return std::string("%") + conversion;
}

template <typename T>
QnResult QnFile::WriteNumber(const char* conversion, T value) {
    char text[64];
    if (GetFormat(conversion) == "0x%x") {
        std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(value));
    } else if constexpr (std::is_pointer_v<T>) {
        std::snprintf(text, sizeof text, "%p", static_cast<const void*>(value));
    } else if constexpr (std::is_floating_point_v<T>) {
        std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    } else if constexpr (std::is_signed_v<T>) {
        std::snprintf(text, sizeof text, "%i", static_cast<int>(value));
    } else {
        std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
    }
    return WriteText(text);
}

QnResult QnFile::WritePointer(const void* value) {
    char text[32];
    if (GetFormat("p") == "0x%x")
        std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(reinterpret_cast<uintptr_t>(value)));
    else
        std::snprintf(text, sizeof text, "%p", value);
    return WriteText(text);
}

QnResult QnFile::WriteDouble(double value) { return WriteNumber("f", value); }
QnResult QnFile::WriteFloat(float value) { return WriteNumber("f", value); }
QnResult QnFile::WriteLong(int32_t value) { return WriteNumber("i", value); }
QnResult QnFile::WriteULong(uint32_t value) { return WriteNumber("u", value); }
QnResult QnFile::WriteUShort(uint32_t value) { return WriteNumber("u", value & 0xFFFFu); }
QnResult QnFile::WriteShort(int16_t value) { return WriteNumber("i", value); }

QnResult QnFile::WriteSignedChar(signed char value) { return WriteChar(static_cast<char>(value)); }

QnResult QnFile::WriteChar(char value) {
    if (value == '\n') {
        static constexpr char kCrLf[2] = {13, 10};
        return Write(kCrLf, 2);
    }
    return Write(&value, 1);
}

QnResult QnFile::WriteBytesText(const char* text) { return WriteText(text); }

QnResult QnFile::WriteText(const char* text) {
    // Line ends become CR LF; the text between them goes out in one write.
    const char* start = text;
    for (const char* p = text;; ++p) {
        if (*p != '\n' && *p != '\0') continue;
        if (p > start) Write(start, static_cast<uint32_t>(p - start));
        if (*p == '\0') return QN_OK;
        WriteChar('\n');
        start = p + 1;
    }
}

uint32_t QnFile::GapExtent(uint32_t pos, int32_t length) {
    if (length != -1) return static_cast<uint32_t>(length);
    uint32_t end = QnFile::GetLength();
    return end > pos ? end - pos : 0;
}

QnResult QnFile::MoveBytes(uint32_t from, uint32_t to, uint32_t count, uint8_t* scratch,
                           uint32_t scratchSize) {
    bool backwards = to > from;
    for (uint32_t done = 0; done < count;) {
        uint32_t chunk = std::min(scratchSize, count - done);
        uint32_t offset = backwards ? count - done - chunk : done;
        QnResult rc = QnFile::Seek(from + offset, QN_SEEK_BEGIN);
        if (rc != QN_OK) return rc;
        uint32_t got = chunk;
        QnFile::Read(scratch, &got);
        if (got != chunk) return QN_E_ASSERT;
        if ((rc = QnFile::Seek(to + offset, QN_SEEK_BEGIN)) != QN_OK) return rc;
        QnFile::Write(scratch, chunk);
        done += chunk;
    }
    return QN_OK;
}

QnResult QnFile::OpenGap(uint32_t n, int32_t length) {
    uint32_t pos = QnFile::GetPosition();
    std::vector<uint8_t> scratch(kGapBlock);
    QnResult rc = MoveBytes(pos, pos + n, GapExtent(pos, length), scratch.data(), kGapBlock);
    QnFile::Seek(pos, QN_SEEK_BEGIN);
    return rc;
}

QnResult QnFile::CloseGap(uint32_t n, int32_t length) {
    uint32_t pos = QnFile::GetPosition();
    if (n > pos) return WinCode(pf::WIN_ERROR_NEGATIVE_SEEK);
    std::vector<uint8_t> scratch(kGapBlock);
    QnResult rc = MoveBytes(pos, pos - n, GapExtent(pos, length), scratch.data(), kGapBlock);
    QnFile::Seek(pos - n, QN_SEEK_BEGIN);
    return rc;
}

QnResult QnFile::InsertBytes(const void* buf, uint32_t n) {
    QnResult rc = OpenGap(n, -1);
    return rc != QN_OK ? rc : Write(buf, n);
}

QnResult QnFile::DeleteBytes(uint32_t n) {
    uint32_t start = GetPosition();
    uint32_t length = GetLength();
    n = start < length ? std::min(n, length - start) : 0;  // only bytes that exist are removed
    QnResult rc = Seek(start + static_cast<int64_t>(n), QN_SEEK_BEGIN);
    if (rc == QN_OK) rc = CloseGap(n, -1);
    if (rc == QN_OK && n > 0) rc = SetLength(length - n);
    return rc;
}
