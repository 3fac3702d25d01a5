#include "model/TbLoadWarning.h"

bool IsRecordPassedOver(TbLoadWarningKind kind) {
    return kind == TbLoadWarningKind::RecordOutOfRange || kind == TbLoadWarningKind::RecordWrongType ||
           kind == TbLoadWarningKind::RecordOverlaps;
}

const char* LoadWarningKindName(TbLoadWarningKind kind) {
    switch (kind) {
        case TbLoadWarningKind::RecordOutOfRange:
            return "recordOutOfRange";
        case TbLoadWarningKind::RecordWrongType:
            return "recordWrongType";
        case TbLoadWarningKind::RecordOverlaps:
            return "recordOverlaps";
        case TbLoadWarningKind::ValuePastEnd:
            return "valuePastEnd";
        case TbLoadWarningKind::TextCut:
            return "textCut";
        case TbLoadWarningKind::TextUnterminated:
            return "textUnterminated";
    }
    return "unknown";
}
