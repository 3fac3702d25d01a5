#include "io/QnAutoError.h"

void QnAutoError::Check(const char* message) {
    if (!QnIsCheckFailure(m_code)) return;
    m_message = message;
    throw *this;
}

void QnAutoError::Assert(bool cond, const char* message, QnResult code) {
    if (cond) return;
    if (!QnIsCheckFailure(m_code)) m_code = code;
    Check(message);
}
