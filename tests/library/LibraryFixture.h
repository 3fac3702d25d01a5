// Shared by the library tests: a prompt that records what it was shown, a registry file of
// the test's own, and Tabulon files written through the model.
#pragma once

#include "support/TempDir.h"

#include "model/TbObjDB.h"
#include "platform/Prompt.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

class RecordingPrompt : public orvanta::platform::IPrompt {
public:
    orvanta::platform::PromptAnswer Show(const std::string&, const std::string& text,
                                         orvanta::platform::PromptIcon,
                                         orvanta::platform::PromptButtons) override {
        texts.push_back(text);
        return answer;
    }
    std::vector<std::string> texts;
    orvanta::platform::PromptAnswer answer = orvanta::platform::PromptAnswer::Ok;
};

// Points the registry at a file of the test's own for its lifetime.
class ScopedRegistry {
public:
    explicit ScopedRegistry(const std::string& path) { ::setenv("ORVANTA_REGISTRY", path.c_str(), 1); }
    ~ScopedRegistry() { ::unsetenv("ORVANTA_REGISTRY"); }
    ScopedRegistry(const ScopedRegistry&) = delete;
    ScopedRegistry& operator=(const ScopedRegistry&) = delete;
};

// Writes a new Tabulon "MRA_<name>.PDB" in folder with records empty records; returns its path.
inline std::string WriteTabulon(const std::string& folder, const std::string& name, int records = 0) {
    CTbObjDB db;
    db.SetPdbName("MRA_" + name);
    db.SetLocation(folder, false);
    db.SetLoadState(TB_LOAD_NEW);
    db.AddField("Title", TEXT_T);
    for (int i = 0; i < records; ++i) db.Records().AddRecord(true, false);
    EXPECT_GE(db.Save(), 0);
    return db.FullPath();
}
