#include "app/Window.h"

namespace tesmarik {

void WirePriceTab(Window& w) {
    (void)w;
}

}  // namespace tesmarik
