// The copy keeps every part as it is except the relationships, and stores its parts without
// compression: it lives only while liborcus reads it.
#include "RelativePackage.h"

#include <zip.h>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <filesystem>
#include <string_view>
#include <vector>

#include <stdlib.h>
#include <unistd.h>

namespace {

constexpr std::string_view kRelsFolder = "_rels/";
constexpr std::string_view kAbsoluteTarget = "Target=\"/";

bool IsRelationships(std::string_view part) {
    return part.size() > 5 && part.substr(part.size() - 5) == ".rels" &&
           part.find(kRelsFolder) != std::string_view::npos;
}

// The folder of the part whose relationships relsPart holds: "xl/" for "xl/_rels/x.rels".
std::string SourceFolder(std::string_view relsPart) {
    return std::string(relsPart.substr(0, relsPart.rfind(kRelsFolder)));
}

// "/xl/worksheets/a.xml" from the folder "xl/" is "worksheets/a.xml"; from elsewhere it climbs
// out first ("../xl/worksheets/a.xml").
std::string RelativeTo(const std::string& folder, std::string_view absolute) {
    if (absolute.substr(0, folder.size()) == folder) return std::string(absolute.substr(folder.size()));
    std::string climb;
    for (const char c : folder)
        if (c == '/') climb += "../";
    return climb.append(absolute);
}

std::string RelativeTargets(std::string_view relsPart, std::string_view xml) {
    const std::string folder = SourceFolder(relsPart);
    std::string out;
    size_t at = 0;
    for (size_t found; (found = xml.find(kAbsoluteTarget, at)) != std::string_view::npos;) {
        const size_t start = found + kAbsoluteTarget.size();
        const size_t end = xml.find('"', start);
        if (end == std::string_view::npos) break;
        out.append(xml.substr(at, start - 1 - at)).append(RelativeTo(folder, xml.substr(start, end - start)));
        at = end;
    }
    return out.append(xml.substr(at));
}

bool HasAbsoluteTarget(const orcus::zip_archive& archive) {
    std::vector<unsigned char> bytes;
    for (size_t i = 0; i < archive.get_file_entry_count(); ++i) {
        const std::string_view part = archive.get_file_entry_name(i);
        if (!IsRelationships(part) || !archive.read_file_entry(part, bytes)) continue;
        if (std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())
                .find(kAbsoluteTarget) != std::string_view::npos)
            return true;
    }
    return false;
}

bool StorePart(zipFile zip, std::string_view name, std::string_view content) {
    zip_fileinfo info{};
    if (zipOpenNewFileInZip(zip, std::string(name).c_str(), &info, nullptr, 0, nullptr, 0, nullptr, 0, 0) !=
        ZIP_OK)
        return false;
    const bool written =
        zipWriteInFileInZip(zip, content.data(), static_cast<unsigned>(content.size())) == ZIP_OK;
    return zipCloseFileInZip(zip) == ZIP_OK && written;
}

bool CopyWithRelativeTargets(const orcus::zip_archive& archive, const std::string& copy) {
    zipFile zip = zipOpen64(copy.c_str(), APPEND_STATUS_CREATE);
    if (!zip) return false;
    bool ok = true;
    try {
        std::vector<unsigned char> bytes;
        for (size_t i = 0; ok && i < archive.get_file_entry_count(); ++i) {
            const std::string_view part = archive.get_file_entry_name(i);
            ok = archive.read_file_entry(part, bytes);
            const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
            ok = ok && StorePart(zip, part, IsRelationships(part) ? RelativeTargets(part, content) : content);
        }
    } catch (...) {
        ok = false;  // a damaged part
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

// An empty temporary file; "" when none can be made.
std::string TemporaryFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvanta-workbook-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return "";
    ::close(fd);
    return pattern;
}

}  // namespace

RelativePackage::RelativePackage(const char* workbookPath) : m_original(workbookPath) {
    try {
        orcus::zip_archive_stream_fd stream(workbookPath);
        orcus::zip_archive archive(&stream);
        archive.load();
        if (!HasAbsoluteTarget(archive)) return;
        const std::string copy = TemporaryFile();
        if (copy.empty()) return;
        if (CopyWithRelativeTargets(archive, copy))
            m_copy = copy;
        else
            std::filesystem::remove(copy);
    } catch (...) {
        // Not a package liborcus can open: it reads the original and reports the problem.
    }
}

RelativePackage::~RelativePackage() {
    std::error_code ignored;
    if (!m_copy.empty()) std::filesystem::remove(m_copy, ignored);
}
