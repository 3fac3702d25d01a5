// Keeping a file exception's failure for the reader, the writer and the database's file calls.
#include "io/QnFileOperation.h"

#include "platform/WinError.h"

QnResult QnKeepFileFailure(QnFileException& exception, QnAutoError& error, const std::string& path) {
    QnResult code = exception.GetCode();
    exception.Reset();
    if (!QnIsCheckFailure(error.GetCode())) error.SetCode(code);
    error.SetMessage(kQnFileFailureMessage);
    error.SetDetail(path + ": " + orvanta::platform::SystemCause(static_cast<uint32_t>(code) & 0xFFFFu));
    return code;
}
