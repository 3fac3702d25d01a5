// A private folder in the temporary folder for one fuzzing process, emptied after each input
// and removed when the process ends, so that the targets leave no files behind.
#pragma once

#include "platform/FileSystem.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

class FuzzFolder {
public:
    // The process's folder, made on first use.
    static FuzzFolder& Instance() {
        static FuzzFolder folder;
        return folder;
    }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    // Writes the input as a file of the folder and returns its path.
    std::string Write(const std::string& name, const uint8_t* data, size_t size) const {
        std::string path = File(name);
        if (FILE* file = std::fopen(path.c_str(), "wb")) {
            std::fwrite(data, 1, size, file);
            std::fclose(file);
        }
        return path;
    }
    // Removes everything an input left in the folder.
    void Empty() const {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(m_path, error))
            std::filesystem::remove_all(entry.path(), error);
    }
    // Removes the folder: at the end of the process, or before a target aborts.
    void Remove() const {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    ~FuzzFolder() { Remove(); }

private:
    FuzzFolder() {
        std::string pattern = orvanta::platform::TempFolder() + "/orvanta-fuzz-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (!::mkdtemp(name.data())) std::abort();
        m_path = name.data();
    }
    std::string m_path;
};
