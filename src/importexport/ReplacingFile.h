// ReplacingFile: the temporary file an export writes beside its target; it takes the target's
// place only when the export commits it, so that a failed export leaves the old file as it was.
#pragma once

#include <string>

class ReplacingFile {
public:
    explicit ReplacingFile(const std::string& target);
    // Removes the temporary file unless it was committed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False when no temporary file could be made in the target's folder.
    bool Ok() const { return !m_path.empty(); }
    const std::string& Path() const { return m_path; }
    // Gives the file the permissions of a new file and renames it over the target.
    bool Commit();

private:
    std::string m_target;
    std::string m_path;
    bool m_committed = false;
};
