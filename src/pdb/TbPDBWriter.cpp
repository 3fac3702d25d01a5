#include "pdb/TbPDBWriter.h"

// The file format is not written yet: every write reports the generic failure.
TbResult CTbPDBWriter::Write(CTbObjDB&, const std::string&, IProgressIndicator*) {
    m_error.SetCode(TB_E_FAIL);
    return TB_E_FAIL;
}
