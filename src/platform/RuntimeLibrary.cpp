// Loading the stand-ins of the Windows libraries with dlopen. Known names map to the files
// this project builds; any other "NAME.DLL" maps to "libname.so".
#include "platform/RuntimeLibrary.h"

#include <dlfcn.h>

namespace orvanta::platform {
namespace {

std::string Lowered(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string MappedName(const std::string& windowsName) {
    std::string base = Lowered(windowsName);
    if (size_t dot = base.rfind('.'); dot != std::string::npos && base.substr(dot) == ".dll")
        base.resize(dot);
    if (base == "docklineconfigmgr") base = "dockline";
    return std::string("lib").append(base).append(".so");
}

}  // namespace

std::string RuntimeLibrary::FileFor(const std::string& windowsPath) {
    size_t cut = windowsPath.find_last_of("/\\");
    // No folder: the current one, never the system's library search.
    if (cut == std::string::npos) return std::string("./").append(MappedName(windowsPath));
    std::string folder(windowsPath, 0, cut + 1);
    return folder.append(MappedName(windowsPath.substr(cut + 1)));
}

bool RuntimeLibrary::Load(const std::string& windowsPath) {
    Free();
    m_handle = ::dlopen(FileFor(windowsPath).c_str(), RTLD_NOW | RTLD_LOCAL);
    return m_handle != nullptr;
}

void* RuntimeLibrary::Symbol(const char* name) const { return m_handle ? ::dlsym(m_handle, name) : nullptr; }

void RuntimeLibrary::Free() {
    if (m_handle) ::dlclose(m_handle);
    m_handle = nullptr;
}

}  // namespace orvanta::platform
