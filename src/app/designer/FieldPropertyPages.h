// The pages of a field's property sheet after "General": one per type family, each with its
// choices and range checks. A page's apply step stores what it shows, or refuses.
#pragma once

#include "app/designer/DesignMessage.h"
#include "app/widgets/PageServices.h"

#include <functional>

class CTbObjDB;
class CTbObjField;
class QWidget;

namespace orvanta::app {

// Stores the page's choices in the field; a refusal leaves the sheet open. The refusal's text
// may come from a message kept by the page.
using ApplyPage = std::function<DesignMessage()>;

// The page of the field's type family ("Properties"), with its apply step in *apply.
QWidget* MakePropertyPage(CTbObjDB& db, CTbObjField& field, const PageServices& services, ApplyPage* apply,
                          QWidget* parent);

}  // namespace orvanta::app
