// QnAutoError: a result code and a message that throws itself when a checked operation
// fails. The Tabulon reader and writer catch it at their entry points and keep a copy.
#pragma once

#include "io/QnResult.h"

#include <string>

class QnAutoError {
public:
    QnAutoError() = default;

    void SetCode(QnResult code) { m_code = code; }
    QnResult GetCode() const { return m_code; }
    const std::string& GetMessage() const { return m_message; }
    void SetMessage(std::string message) { m_message = std::move(message); }
    // A second line for people under the message: the file and the cause, "" when none.
    const std::string& GetDetail() const { return m_detail; }
    void SetDetail(std::string detail) { m_detail = std::move(detail); }
    // The message, and the detail on a line of its own when there is one.
    std::string GetLines() const { return m_detail.empty() ? m_message : m_message + "\n" + m_detail; }

    // When the code's low 16 bits are not 0: stores the message and throws a copy of this object.
    void Check(const char* message);
    // When cond is false: stores code unless a failure is already held, then Check(message).
    void Assert(bool cond, const char* message, QnResult code);

private:
    QnResult m_code = QN_AUTOERROR_INITIAL;
    std::string m_message;
    std::string m_detail;
};
