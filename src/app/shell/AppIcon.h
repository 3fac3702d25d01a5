// The program's icon, drawn at every size the window system asks for: a blue card holding a
// small table, the same picture as the installed orvanta.svg.
#pragma once

#include <QIcon>

namespace orvanta::app {

QIcon OrvantaIcon();

}  // namespace orvanta::app
