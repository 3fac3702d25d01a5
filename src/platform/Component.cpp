// The component table: registered factories first, then component libraries loaded once.
#include "platform/Component.h"

#include "platform/ProgramFolder.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <map>
#include <mutex>
#include <vector>

namespace orvanta::platform {

namespace {

struct Table {
    std::mutex mutex;
    std::map<std::string, ComponentFactory, std::less<>> factories;
    std::map<std::string, ComponentEntryPoint, std::less<>> loaded;  // by library file name
};

Table& TheTable() {
    static Table table;
    return table;
}

}  // namespace

std::vector<std::string> ComponentSearchFolders() {
    std::vector<std::string> folders;
    if (const char* env = std::getenv("ORVANTA_COMPONENT_PATH")) {
        std::string list = env;
        for (size_t start = 0; start <= list.size();) {
            size_t end = list.find(':', start);
            if (end == std::string::npos) end = list.size();
            if (end > start) folders.push_back(list.substr(start, end - start));
            start = end + 1;
        }
    }
    std::string program = ProgramFolder();
    if (!program.empty()) {
        folders.push_back(program);
        folders.push_back(program + "/../lib/orvanta");
    }
#ifdef ORVANTA_BUILD_COMPONENT_DIR
    folders.push_back(ORVANTA_BUILD_COMPONENT_DIR);
#endif
    return folders;
}

namespace {

// The library's entry point, loading it on first use; none when it cannot be found or loaded.
ComponentEntryPoint EntryPointOf(const std::string& library) {
    Table& table = TheTable();
    if (auto it = table.loaded.find(library); it != table.loaded.end()) return it->second;
    ComponentEntryPoint entry = nullptr;
    for (const std::string& folder : ComponentSearchFolders()) {
        // Component libraries stay loaded for the life of the program, as COM keeps them.
        void* handle = dlopen((folder + "/" + library).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) continue;
        entry = reinterpret_cast<ComponentEntryPoint>(dlsym(handle, kComponentEntryPointName));
        if (entry) break;
        dlclose(handle);
    }
    if (entry) table.loaded.emplace(library, entry);
    return entry;
}

}  // namespace

void RegisterComponent(const std::string& progId, ComponentFactory factory) {
    Table& table = TheTable();
    std::lock_guard lock(table.mutex);
    if (factory)
        table.factories[progId] = std::move(factory);
    else
        table.factories.erase(progId);
}

std::string ComponentLibraryName(std::string_view progId) {
    if (progId == "ORVTExpression.Evaluator.1") return "liborvt_expression.so";
    if (progId == "QnlRLE.BitmapConverter.1") return "libqnlrle_bitmap.so";
    return {};
}

int32_t CreateComponent(std::string_view progId, std::unique_ptr<IComponent>* component) {
    component->reset();
    ComponentFactory factory;
    ComponentEntryPoint entry = nullptr;
    {
        Table& table = TheTable();
        std::lock_guard lock(table.mutex);
        if (auto it = table.factories.find(progId); it != table.factories.end())
            factory = it->second;
        else if (std::string library = ComponentLibraryName(progId); !library.empty())
            entry = EntryPointOf(library);
    }
    if (factory)
        *component = factory();
    else if (entry)
        component->reset(entry(std::string(progId).c_str()));
    return *component ? 0 : kClassNotRegistered;
}

}  // namespace orvanta::platform
