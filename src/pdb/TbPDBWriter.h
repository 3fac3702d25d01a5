// CTbPDBWriter: writes a CTbObjDB as a Tabulon file. Failures are kept in its error object.
#pragma once

#include "io/QnAutoError.h"
#include "model/TbTypes.h"

#include <string>

class CTbObjDB;
class IProgressIndicator;

class CTbPDBWriter {
public:
    CTbPDBWriter() = default;
    virtual ~CTbPDBWriter() = default;

    TbResult Write(CTbObjDB& db, const std::string& path, IProgressIndicator* progress);
    const QnAutoError& GetError() const { return m_error; }
    std::string GetErrorText() const { return m_error.GetMessage(); }

private:
    QnAutoError m_error;
};
