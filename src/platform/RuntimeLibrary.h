// A library loaded at run time by its Windows name, as LoadLibrary and GetProcAddress do:
// the name maps to a shared library file in the same folder (INSTAIDE.DLL -> libinstaide.so).
#pragma once

#include <string>

namespace orvanta::platform {

class RuntimeLibrary {
public:
    RuntimeLibrary() = default;
    ~RuntimeLibrary() { Free(); }
    RuntimeLibrary(const RuntimeLibrary&) = delete;
    RuntimeLibrary& operator=(const RuntimeLibrary&) = delete;

    // The shared library file for a Windows library path: the folder is kept ("./" when there
    // is none, so that the system's library search is never used) and the name is mapped.
    static std::string FileFor(const std::string& windowsPath);

    // Loads the library (freeing one held before); false when it cannot be found or loaded.
    bool Load(const std::string& windowsPath);
    bool IsLoaded() const { return m_handle != nullptr; }
    // The entry point of that name, or none.
    void* Symbol(const char* name) const;
    template <typename Function>
    Function Entry(const char* name) const {
        return reinterpret_cast<Function>(Symbol(name));
    }
    void Free();

private:
    void* m_handle = nullptr;
};

}  // namespace orvanta::platform
