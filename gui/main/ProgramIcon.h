// The program's icon: a sheet printed densely in two columns under a header line (data/vantolex.svg drawn
// in code, so that the window needs no image plugin).
#pragma once

#include <QIcon>

namespace vantolex {

QIcon programIcon();

} // namespace vantolex
