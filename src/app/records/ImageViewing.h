// Pictures of Image fields shown with the desktop's image viewer, and the bitmap converter's
// absence told to the user, for the record grid and the record editor alike.
#pragma once

#include "app/widgets/PageServices.h"

#include <functional>

class CTbObjRecordValue;

namespace orvanta::app {

// Converts the value's picture to a BMP and opens it with the desktop's image viewer.
void ViewImage(const CTbObjRecordValue& value, const PageServices& services);
// Runs image work; when the bitmap converter cannot be created, tells "Failed to convert!!!!!!!!!!!".
void WithConverter(const PageServices& services, const std::function<void()>& work);

}  // namespace orvanta::app
