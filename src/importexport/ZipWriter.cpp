#include "importexport/ZipWriter.h"

#include <zip.h>

namespace {

// The fastest deflate: workbooks are large and their text compresses well even so.
constexpr int kLevel = 1;

}  // namespace

ZipWriter::ZipWriter(const std::string& path) : m_zip(zipOpen64(path.c_str(), APPEND_STATUS_CREATE)) {}

ZipWriter::~ZipWriter() {
    m_stream.reset();
    if (m_zip) zipClose(m_zip, nullptr);
}

bool ZipWriter::OpenPart(const std::string& name, bool raw, bool large) {
    zip_fileinfo info{};  // dated 1 January 1980, the earliest a zip archive holds
    info.tmz_date.tm_year = 1980;
    info.tmz_date.tm_mday = 1;
    m_ok = Ok() && zipOpenNewFileInZip4_64(m_zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                           Z_DEFLATED, kLevel, raw ? 1 : 0, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY,
                                           nullptr, 0, 0, 0, large ? 1 : 0) == ZIP_OK;
    return m_ok;
}

bool ZipWriter::Add(const std::string& name, std::string_view content) {
    if (!OpenPart(name, false, false)) return false;
    m_ok = zipWriteInFileInZip(m_zip, content.data(), static_cast<unsigned>(content.size())) == ZIP_OK;
    m_ok = zipCloseFileInZip(m_zip) == ZIP_OK && m_ok;
    return m_ok;
}

bool ZipWriter::BeginStream(const std::string& name, bool large) {
    if (!OpenPart(name, true, large)) return false;
    m_stream = std::make_unique<ParallelDeflate>(kLevel, [this](const char* data, size_t size) {
        return zipWriteInFileInZip(m_zip, data, static_cast<unsigned>(size)) == ZIP_OK;
    });
    return true;
}

bool ZipWriter::Stream(std::string_view text) {
    m_ok = m_ok && m_stream->Write(text);
    return m_ok;
}

bool ZipWriter::EndStream() {
    m_ok = m_ok && m_stream->Finish();
    if (m_ok) m_ok = zipCloseFileInZipRaw64(m_zip, m_stream->Size(), m_stream->Crc()) == ZIP_OK;
    m_stream.reset();
    return m_ok;
}

bool ZipWriter::Close() {
    const bool closed = m_zip != nullptr && zipClose(m_zip, nullptr) == ZIP_OK;
    m_zip = nullptr;
    m_ok = m_ok && closed;
    return m_ok;
}
