#include "pdb/TbPDBReader.h"

// The file format is not read yet: every read reports the generic failure.
TbResult CTbPDBReader::Read(CTbObjDB&, const std::string&, int, IProgressIndicator*) {
    m_error.SetCode(TB_E_FAIL);
    return TB_E_FAIL;
}
