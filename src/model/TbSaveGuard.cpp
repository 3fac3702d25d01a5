#include "model/TbSaveGuard.h"

#include "model/TbObjDB.h"

namespace {

std::string Counted(int n, const char* noun) { return std::to_string(n) + " " + noun + (n == 1 ? "" : "s"); }

}  // namespace

TbSaveLoss LossOnSave(const CTbObjDB& db) {
    TbSaveLoss loss;
    for (const TbLoadWarning& warning : db.LoadWarnings())
        ++(IsRecordPassedOver(warning.kind) ? loss.records : loss.values);
    return loss;
}

std::string LossOnSaveText(const CTbObjDB& db) {
    TbSaveLoss loss = LossOnSave(db);
    if (!loss.Any()) return {};
    std::string what = loss.records > 0 && loss.values > 0
                           ? Counted(loss.records, "record") + " and " + Counted(loss.values, "value")
                       : loss.records > 0 ? Counted(loss.records, "record")
                                          : Counted(loss.values, "value");
    return "Reading the Tabulon \"" + db.DisplayName() + "\" passed over " + what +
           "; saving it in place would drop or change them.";
}

bool ConfirmSaveInPlace(const CTbObjDB& db, orvanta::platform::IPrompt& prompt) {
    std::string text = LossOnSaveText(db);
    if (text.empty()) return true;
    using namespace orvanta::platform;
    return prompt.Show("Orvanta", text + "\nReplace the file all the same?", PromptIcon::Warning,
                       PromptButtons::YesNo) == PromptAnswer::Yes;
}
