// QnFile: unbuffered file access over the platform's file services. Failures of the system
// are reported by ReportError, which throws the process-wide QnFileException by pointer.
#pragma once

#include "io/QnVFile.h"

#include <string>

class QnFile : public QnVFile {
public:
    QnFile();
    explicit QnFile(const char* path);
    ~QnFile() override;
    QnFile(const QnFile&) = delete;
    QnFile& operator=(const QnFile&) = delete;

    QnResult SetPathFromFile(QnVFile* other) override;
    QnResult SetPathFromGlobal(HGLOBAL block) override;
    QnResult SetPathFromSpec(const void* spec) override;
    QnResult SetPath(const char* path) override;
    // Creates an empty file named "Orv" + a unique part in the temporary folder and takes
    // its path; the destructor deletes it.
    QnResult MakeTempFile() override;
    std::string GetFileName() const override;
    // Renames within the file's folder. Throws 0x8021010A (exists), 0x8021010B (invalid
    // name), 0x8021010C (path not found) or 0x8008xxxx.
    QnResult Rename(const char* newName) override;
    uint32_t GetPosition() override;
    void GetTypeCreator(uint32_t* type, uint32_t* creator) const override;
    void SetTypeCreator(uint32_t type, uint32_t creator) override;
    // Year, month, day, hour, minute, second in local time.
    QnResult GetCreationTime(uint16_t out[6]) override;
    QnResult GetModificationTime(uint16_t out[6]) override;
    QnResult SetModificationTime(const uint16_t when[6]) override;
    std::string GetPath() const override;
    QnResult Touch() override;
    QnResult CopyTo(QnVFile* target) override;
    QnResult SaveToGlobal(HGLOBAL block) override;
    QnResult Open(int mode) override;
    QnResult Close() override;
    bool Exists(bool answerWhenOffline) override;
    bool IsLocal() const override;
    [[noreturn]] void ReportError(QnResult code) override;
    QnResult IsDirectory(bool* isDirectory) override;
    bool IsOpen() const override { return m_open; }
    bool IsReadOnly() override;
    QnResult SetReadOnly(bool readOnly) override;
    QnResult Create() override;
    uint32_t GetLength() override;
    QnResult SetLength(uint32_t length) override;
    uint32_t GetSize() override { return GetLength(); }
    QnResult Seek(int64_t offset, int whence) override;
    QnResult Read(void* buf, uint32_t* count) override;
    QnResult Write(const void* buf, uint32_t count) override;
    std::unique_ptr<QnVFile> Duplicate() override;
    QnResult Delete() override;
    QnResult LoadFromGlobal(HGLOBAL block) override;
    QnVFile& Apply(QnVFile& (*manipulator)(QnVFile&)) override;
    QnResult WritePointer(const void* value) override;
    QnResult WriteDouble(double value) override;
    QnResult WriteFloat(float value) override;
    QnResult WriteLong(int32_t value) override;
    QnResult WriteULong(uint32_t value) override;
    QnResult WriteUShort(uint32_t value) override;
    QnResult WriteShort(int16_t value) override;
    QnResult WriteSignedChar(signed char value) override;
    QnResult WriteChar(char value) override;
    QnResult WriteBytesText(const char* text) override;
    QnResult WriteText(const char* text) override;
    void SetFormatFlags(uint32_t flags) override { m_formatFlags |= flags; }
    // "0x%x" once after QN_FORMAT_HEX_ONCE was set, otherwise "%" + conversion.
    std::string GetFormat(const char* conversion) override;
    QnResult InsertBytes(const void* buf, uint32_t n) override;
    QnResult OpenGap(uint32_t n, int32_t length) override;
    QnResult DeleteBytes(uint32_t n) override;
    QnResult CloseGap(uint32_t n, int32_t length) override;

    bool IsRemovable() const { return m_removable; }
    bool IsRemote() const { return m_remote; }
    bool IsTemporary() const { return m_temporary; }

protected:
    // Copies count bytes from one offset to another through scratch, in blocks, in the
    // direction that never overwrites bytes not yet moved. Leaves the position undefined.
    QnResult MoveBytes(uint32_t from, uint32_t to, uint32_t count, uint8_t* scratch, uint32_t scratchSize);
    // The number of bytes a gap operation moves: len, or everything from pos to the end.
    uint32_t GapExtent(uint32_t pos, int32_t length);

private:
    QnResult WriteFormatted(const char* conversion, const char* text);
    template <typename T>
    QnResult WriteNumber(const char* conversion, T value);

    int m_handle;
    // The file pointer. Reads and writes are positional, so moving it costs no system call;
    // duplicates share it, as duplicated Windows handles share theirs.
    std::shared_ptr<int64_t> m_position;
    bool m_open = false;
    uint32_t m_type = 0;
    uint32_t m_creator = 0;
    bool m_removable = false;
    bool m_remote = false;
    bool m_offline = false;
    int m_directoryCache = -1;
    std::string m_path;
    bool m_temporary = false;
    uint32_t m_formatFlags = 0;
};
