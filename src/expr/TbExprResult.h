// How an expression result is kept in a record value: converted by the field's result format
// and stored only when it differs from what the value holds.
#pragma once

#include "components/expression/IExpressionEvaluator.h"

class CTbObjRecordValue;

// Stores the result in the form the result format keeps it (float, date, time of day or text);
// true, with has value set, when the stored data changed. The colour is not touched.
bool StoreExprResult(const orvanta::expression::Result& result, int resultFormat, CTbObjRecordValue& value);

// The result as a number (dates and times as their day numbers, texts read as numbers, empty 0).
double ExprResultNumber(const orvanta::expression::Result& result);
// The result as whole seconds of the time of day it stands for (negative times wrap into the day).
int ExprResultSecondsOfDay(const orvanta::expression::Result& result);
