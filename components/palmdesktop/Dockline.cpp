// The stand-in of the sync-configuration library "DocklineConfigMgr.dll": configurations kept
// in the file "SyncConfigs" of its folder, one a line: id, user and Tabulon name, tab-separated.
// It sets nothing up beyond that: there is no database synchronisation here.
#include "StandInFolder.h"
#include "library/PalmDesktopApi.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct Config {
    uint16_t id;
    std::string user;
    std::string tabulon;
};

std::string ConfigPath() { return orvanta::standin::OwnFolder() + "/SyncConfigs"; }

std::vector<Config> Configs() {
    std::vector<Config> configs;
    for (const auto& fields : orvanta::standin::ReadTabbedLines(ConfigPath())) {
        if (fields.size() < 3) continue;
        unsigned long id = std::strtoul(fields[0].c_str(), nullptr, 10);
        if (id < kNoSyncConfig) configs.push_back({static_cast<uint16_t>(id), fields[1], fields[2]});
    }
    return configs;
}

void WriteConfigs(const std::vector<Config>& configs) {
    std::ofstream out(ConfigPath(), std::ios::binary | std::ios::trunc);
    for (const Config& config : configs)
        out << config.id << '\t' << config.user << '\t' << config.tabulon << '\n';
}

}  // namespace

ORVANTA_STANDIN_EXPORT int GetTBDocklineInfo(const char* tabulon, const char* user, char* table, char* source,
                                             int size, uint16_t* configId) {
    if (size > 0) table[0] = source[0] = '\0';
    for (const Config& config : Configs())
        if (config.user == user && config.tabulon == tabulon) {
            *configId = config.id;
            return 0;
        }
    return 0;
}

ORVANTA_STANDIN_EXPORT int DeleteSyncConfig(uint16_t configId) {
    std::vector<Config> configs = Configs();
    std::erase_if(configs, [&](const Config& config) { return config.id == configId; });
    WriteConfigs(configs);
    return 0;
}

ORVANTA_STANDIN_EXPORT int DoNewSyncConfig(const char* user, const char* pdbName) {
    std::vector<Config> configs = Configs();
    uint16_t id = 0;
    for (const Config& config : configs) id = std::max<uint16_t>(id, static_cast<uint16_t>(config.id + 1));
    std::string name = pdbName;
    if (name.rfind("MRA_", 0) == 0) name = name.substr(4);
    if (id >= kNoSyncConfig || name.find_first_of("\t\n") != std::string::npos) return -1;
    configs.push_back({id, user, name});
    WriteConfigs(configs);
    return 0;
}

ORVANTA_STANDIN_EXPORT int EditSyncConfig(const char*, const char*, uint16_t configId) {
    for (const Config& config : Configs())
        if (config.id == configId) return 0;
    return -1;
}
