// CTbObjRegExpEvaluator: computes an Expression field for a record. Its token list is a chain of
// up to 8 operands joined by + - * /, evaluated strictly left to right into a number, date or time.
#pragma once

class CTbObjField;
class CTbObjRecord;

class CTbObjRegExpEvaluator {
public:
    virtual ~CTbObjRegExpEvaluator();
    // True when the field has expression properties, a first token and a result format other than 14.
    static bool IsSetUp(const CTbObjField& field);
    // Evaluates by the field's result format and stores the result in the record's value of the
    // field. previous may be null (first record). True when the stored value changed.
    bool Evaluate(CTbObjRecord& record, const CTbObjField& field, const CTbObjRecord* previous);
};
