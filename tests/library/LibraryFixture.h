// Shared by the library tests: a registry file of the test's own and Tabulon files written
// through the model, beside the recording prompt and progress of tests/support.
#pragma once

#include "support/Recorders.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include "model/TbObjDB.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Points the registry at a file of the test's own for its lifetime.
class ScopedRegistry : public ScopedEnv {
public:
    explicit ScopedRegistry(const std::string& path) : ScopedEnv("ORVANTA_REGISTRY", path.c_str()) {}
};

// Makes db a new Tabulon "MRA_<name>" that saves into folder.
inline void NewTabulon(CTbObjDB& db, const std::string& folder, const std::string& name) {
    db.SetPdbName("MRA_" + name);
    db.SetLocation(folder, false);
    db.SetLoadState(TB_LOAD_NEW);
}

// Writes a new Tabulon "MRA_<name>.PDB" in folder with records empty records; returns its path.
inline std::string WriteTabulon(const std::string& folder, const std::string& name, int records = 0) {
    CTbObjDB db;
    NewTabulon(db, folder, name);
    db.AddField("Title", TEXT_T);
    for (int i = 0; i < records; ++i) db.Records().AddRecord(true, false);
    EXPECT_GE(db.Save(), 0);
    return db.FullPath();
}
