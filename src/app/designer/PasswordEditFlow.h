// PasswordEditFlow: the steps of adding, changing or removing one of a Tabulon's passwords
// (old password, new password, confirmation), each entry checked before the next step; the
// last accepted step stores the result in the Tabulon. No widgets: the dialogs drive it.
#pragma once

#include <string>
#include <vector>

class CTbObjDB;

namespace orvanta::app {

enum class PwdMode { Add, Confirm, Change, Remove };

class PasswordEditFlow {
public:
    enum class Action { Add, Change, Remove };
    static constexpr int kMaxLength = 10;
    static constexpr const char* kRefusalTitle = "Invalid Password";

    PasswordEditFlow(CTbObjDB& db, int kind, Action action);

    static const char* Title(PwdMode mode);
    // The line shown above the entry.
    static const char* Prompt(PwdMode mode);
    // Whether the kind has a stored password.
    static bool IsAssigned(const CTbObjDB& db, int kind);

    bool Done() const { return m_step >= m_steps.size(); }
    // The mode of the current step (the last one once done).
    PwdMode Mode() const { return m_steps[Done() ? m_steps.size() - 1 : m_step]; }
    // Checks the entry of the current step: the refusal text (the step stays), or nothing when
    // the flow moves on, storing into the Tabulon after the last step.
    const char* Enter(const std::string& entry);

private:
    const char* Check(const std::string& entry) const;
    void Store();

    CTbObjDB& m_db;
    int m_kind;
    Action m_action;
    std::vector<PwdMode> m_steps;
    size_t m_step = 0;
    std::string m_newPassword;
};

}  // namespace orvanta::app
