// The password steps and their checks.
#include "app/designer/PasswordEditFlow.h"

#include "model/TbObjDB.h"

namespace orvanta::app {

namespace {

std::vector<PwdMode> StepsOf(PasswordEditFlow::Action action) {
    switch (action) {
        case PasswordEditFlow::Action::Add:
            return {PwdMode::Add, PwdMode::Confirm};
        case PasswordEditFlow::Action::Change:
            return {PwdMode::Change, PwdMode::Add, PwdMode::Confirm};
        case PasswordEditFlow::Action::Remove:
            return {PwdMode::Remove};
    }
    return {};
}

}  // namespace

PasswordEditFlow::PasswordEditFlow(CTbObjDB& db, int kind, Action action)
    : m_db(db), m_kind(kind), m_action(action), m_steps(StepsOf(action)) {}

const char* PasswordEditFlow::Title(PwdMode mode) {
    switch (mode) {
        case PwdMode::Add:
            return "Add Password";
        case PwdMode::Confirm:
            return "Confirm Password";
        default:
            return "Enter old Password";
    }
}

const char* PasswordEditFlow::Prompt(PwdMode mode) {
    switch (mode) {
        case PwdMode::Add:
            return "Enter the new password (up to 10 characters).";
        case PwdMode::Confirm:
            return "Reenter password for verification.";
        case PwdMode::Change:
            return "Enter the current password.";
        default:
            return "Enter password to remove.";
    }
}

bool PasswordEditFlow::IsAssigned(const CTbObjDB& db, int kind) {
    return !db.GetStoredPassword(kind).empty();
}

const char* PasswordEditFlow::Check(const std::string& entry) const {
    switch (Mode()) {
        case PwdMode::Add:
            return entry.empty() ? "Please enter a valid password." : nullptr;
        case PwdMode::Confirm:
            return entry != m_newPassword ? "The password entered for verification does not match." : nullptr;
        default:
            return CTbObjDB::PasswordMatches(m_db.GetStoredPassword(m_kind), entry)
                       ? nullptr
                       : "The password entered is incorrect.";
    }
}

const char* PasswordEditFlow::Enter(const std::string& entry) {
    if (Done()) return nullptr;
    if (const char* refusal = Check(entry)) return refusal;
    if (Mode() == PwdMode::Add) m_newPassword = entry.substr(0, kMaxLength);
    if (++m_step == m_steps.size()) Store();
    return nullptr;
}

void PasswordEditFlow::Store() {
    m_db.SetStoredPassword(m_kind,
                           m_action == Action::Remove ? std::string() : CTbObjDB::Scramble(m_newPassword));
}

}  // namespace orvanta::app
