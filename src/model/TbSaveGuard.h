// What saving a Tabulon in place would lose of what its read passed over or repaired, and the
// question the program asks before it replaces the file all the same.
#pragma once

#include "platform/Prompt.h"

#include <string>

class CTbObjDB;

struct TbSaveLoss {
    int records = 0;  // records the read passed over: a save leaves them out
    int values = 0;   // values and texts dropped or cut: a save writes them as they now are
    bool Any() const { return records > 0 || values > 0; }
};

TbSaveLoss LossOnSave(const CTbObjDB& db);

// 'Reading the Tabulon "X" passed over 1 record and 2 values; saving it in place would drop or
// change them.' Empty when nothing would be lost.
std::string LossOnSaveText(const CTbObjDB& db);

// True when nothing would be lost, or when the user answers Yes to replacing the file all the same.
bool ConfirmSaveInPlace(const CTbObjDB& db, orvanta::platform::IPrompt& prompt);
