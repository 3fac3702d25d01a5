// CTbPDBReader: reads a Tabulon file into a CTbObjDB, in full, header only, or continuing a
// header-only read. Failures are kept in its error object for the caller to show.
#pragma once

#include "io/QnAutoError.h"
#include "model/TbTypes.h"

#include <string>

class CTbObjDB;
class IProgressIndicator;

class CTbPDBReader {
public:
    enum Mode : int { TB_READ_FULL = 0, TB_READ_HEADER_ONLY = 1, TB_READ_CONTINUE = 2 };

    CTbPDBReader() = default;
    virtual ~CTbPDBReader() = default;

    TbResult Read(CTbObjDB& db, const std::string& path, int mode, IProgressIndicator* progress);
    const QnAutoError& GetError() const { return m_error; }
    // The message of the last failure, empty when there was none.
    std::string GetErrorText() const { return m_error.GetMessage(); }

private:
    QnAutoError m_error;
};
