// The temporary file of an export and its rename over the target.
#include "importexport/ReplacingFile.h"

#include "platform/SaveTempFiles.h"

#include <sys/stat.h>

#include <cstdio>

ReplacingFile::ReplacingFile(const std::string& target) : m_target(target) {
    if (orvanta::platform::MakeSaveTempFile(target, &m_path) != 0) m_path.clear();
}

ReplacingFile::~ReplacingFile() {
    if (Ok() && !m_committed) std::remove(m_path.c_str());
}

bool ReplacingFile::Commit() {
    if (!Ok()) return false;
    // The temporary file is private to its writer; the export is an ordinary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(m_path.c_str(), 0666 & ~mask);
    m_committed = std::rename(m_path.c_str(), m_target.c_str()) == 0;
    return m_committed;
}
