// CCondExpEvaluator: computes a Conditional Expression field for a record. A condition of up to
// three comparisons picks the true or the false result; its text and colour go into the value.
#pragma once

class CTbObjField;
class CTbObjRecord;

class CCondExpEvaluator {
public:
    virtual ~CCondExpEvaluator();
    // True when the field has Conditional Expression properties and the condition's first
    // comparison names a field 1..80.
    static bool IsSetUp(const CTbObjField& field);
    // Evaluates the condition on the record, stores the chosen side's text (when it differs)
    // and colour in the record's value of the field; true when the stored text changed.
    bool Evaluate(CTbObjRecord& record, const CTbObjField& field);
};
