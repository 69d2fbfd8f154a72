#pragma once

namespace tesmarik {

// Gives the application the look of a classic desktop program on top of Qt's own style:
// every drop-down list opens as a compact list of its drop-down count of lines with a
// scroll bar, below the box, the same for editable and pick-only lists (Qt's own style
// would open a pick-only list as a menu as tall as the screen). Set once; later calls
// keep the style already set.
void UseDesktopStyle();

}  // namespace tesmarik
