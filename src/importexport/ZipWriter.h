// ZipWriter: writes a zip archive part by part through minizip: short parts whole, a long part
// streamed and deflated on every core. Used for the workbooks the export writes.
#pragma once

#include "importexport/ParallelDeflate.h"

#include <memory>
#include <string>
#include <string_view>

class ZipWriter {
public:
    // Creates (or empties) the archive at path; see Ok().
    explicit ZipWriter(const std::string& path);
    // Closes the archive when Close() was not called; the archive is then not to be trusted.
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // False once the archive could not be made or a write failed.
    bool Ok() const { return m_zip != nullptr && m_ok; }

    // Adds a part holding content.
    bool Add(const std::string& name, std::string_view content);

    // Begins a part written piece by piece with Stream() and ended with EndStream(). large marks
    // a part that may pass 4 GB, which needs the zip64 extension.
    bool BeginStream(const std::string& name, bool large);
    bool Stream(std::string_view text);
    bool EndStream();

    // Writes the archive's directory and closes it.
    bool Close();

private:
    bool OpenPart(const std::string& name, bool raw, bool large);

    void* m_zip;
    std::unique_ptr<ParallelDeflate> m_stream;
    bool m_ok = true;
};
