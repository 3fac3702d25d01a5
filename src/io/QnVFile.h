// QnVFile: the abstract file object. Its virtual operations are the whole file interface:
// paths, open modes, positions, lengths, attributes, times and formatted text output.
#pragma once

#include "io/QnResult.h"

#include <cstdint>
#include <memory>
#include <string>

// A Windows global memory block handle; only Windows can fill or read one.
using HGLOBAL = void*;

// Open modes: 0 read (shared), 1 write (exclusive), 2 read/write (exclusive), 3 read/write (shared).
enum QnOpenMode : int {
    QN_OPEN_READ = 0,
    QN_OPEN_WRITE = 1,
    QN_OPEN_READWRITE = 2,
    QN_OPEN_SHARED_READWRITE = 3
};

// Seek origins.
enum QnSeekFrom : int { QN_SEEK_BEGIN = 0, QN_SEEK_CURRENT = 1, QN_SEEK_END = 2 };

// Format flag: the next number written is hexadecimal ("0x%x"), once.
inline constexpr uint32_t QN_FORMAT_HEX_ONCE = 0x100;

class QnVFile {
public:
    virtual ~QnVFile() = default;

    virtual QnResult SetPathFromFile(QnVFile* other) = 0;
    virtual QnResult SetPathFromGlobal(HGLOBAL block) = 0;
    virtual QnResult SetPathFromSpec(const void* spec) = 0;
    virtual QnResult SetPath(const char* path) = 0;
    virtual QnResult MakeTempFile() = 0;
    virtual std::string GetFileName() const = 0;
    virtual QnResult Rename(const char* newName) = 0;
    virtual uint32_t GetPosition() = 0;
    virtual void GetTypeCreator(uint32_t* type, uint32_t* creator) const = 0;
    virtual void SetTypeCreator(uint32_t type, uint32_t creator) = 0;
    virtual QnResult GetCreationTime(uint16_t out[6]) = 0;
    virtual QnResult GetModificationTime(uint16_t out[6]) = 0;
    virtual QnResult SetModificationTime(const uint16_t when[6]) = 0;
    virtual std::string GetPath() const = 0;
    virtual QnResult Touch() = 0;
    virtual QnResult CopyTo(QnVFile* target) = 0;
    virtual QnResult SaveToGlobal(HGLOBAL block) = 0;
    virtual QnResult Open(int mode) = 0;
    virtual QnResult Close() = 0;
    virtual bool Exists(bool answerWhenOffline) = 0;
    virtual bool IsLocal() const = 0;
    [[noreturn]] virtual void ReportError(QnResult code) = 0;
    virtual QnResult IsDirectory(bool* isDirectory) = 0;
    virtual bool IsOpen() const = 0;
    virtual bool IsReadOnly() = 0;
    virtual QnResult SetReadOnly(bool readOnly) = 0;
    virtual QnResult Create() = 0;
    virtual uint32_t GetLength() = 0;
    virtual QnResult SetLength(uint32_t length) = 0;
    virtual uint32_t GetSize() = 0;
    virtual QnResult Seek(int64_t offset, int whence) = 0;
    virtual QnResult Read(void* buf, uint32_t* count) = 0;
    virtual QnResult Write(const void* buf, uint32_t count) = 0;
    virtual std::unique_ptr<QnVFile> Duplicate() = 0;
    virtual QnResult Delete() = 0;
    virtual QnResult LoadFromGlobal(HGLOBAL block) = 0;
    virtual QnVFile& Apply(QnVFile& (*manipulator)(QnVFile&)) = 0;
    virtual QnResult WritePointer(const void* value) = 0;
    virtual QnResult WriteDouble(double value) = 0;
    virtual QnResult WriteFloat(float value) = 0;
    virtual QnResult WriteLong(int32_t value) = 0;
    virtual QnResult WriteULong(uint32_t value) = 0;
    virtual QnResult WriteUShort(uint32_t value) = 0;
    virtual QnResult WriteShort(int16_t value) = 0;
    virtual QnResult WriteSignedChar(signed char value) = 0;
    virtual QnResult WriteChar(char value) = 0;
    virtual QnResult WriteBytesText(const char* text) = 0;
    virtual QnResult WriteText(const char* text) = 0;
    virtual void SetFormatFlags(uint32_t flags) = 0;
    virtual std::string GetFormat(const char* conversion) = 0;
    virtual QnResult InsertBytes(const void* buf, uint32_t n) = 0;
    virtual QnResult OpenGap(uint32_t n, int32_t length) = 0;
    virtual QnResult DeleteBytes(uint32_t n) = 0;
    virtual QnResult CloseGap(uint32_t n, int32_t length) = 0;
};

// Stream manipulator for Apply: writes a line end ('\n', written as CR LF).
QnVFile& EndLine(QnVFile& file);
