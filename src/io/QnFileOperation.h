// QnRunFileOperation: the entry point of a whole read or write of a file. It runs the work and
// turns whatever the file layer throws into a result code, keeping the failure's message.
#pragma once

#include "io/QnAutoError.h"
#include "io/QnException.h"

#include <string>

// The message kept for any failing system call on a file (the cause follows on a second line).
inline constexpr const char* kQnFileFailureMessage = "File could not be found or could not be opened.";

// Takes a caught file exception: returns its code and resets it. Unless error already holds a
// failed check, error takes the code, kQnFileFailureMessage and "path: cause" as its detail.
QnResult QnKeepFileFailure(QnFileException& exception, QnAutoError& error, const std::string& path);

// Runs work and returns 0, or the code of what it threw: a QnAutoError (kept in error), a file
// exception (QnKeepFileFailure), a bare result code, or anything else as QN_E_FAIL.
template <typename Work>
QnResult QnRunFileOperation(QnAutoError& error, const std::string& path, Work&& work) {
    try {
        work();
        return 0;
    } catch (const QnAutoError& failure) {
        error = failure;
        return failure.GetCode();
    } catch (QnFileException* exception) {
        return QnKeepFileFailure(*exception, error, path);
    } catch (QnResult code) {
        error.SetCode(code);
        return code;
    } catch (...) {
        error.SetCode(QN_E_FAIL);
        return QN_E_FAIL;
    }
}
