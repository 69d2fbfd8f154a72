#include "app/Window.h"

namespace tesmarik {

void WireMassTab(Window& w) {
    (void)w;
}

}  // namespace tesmarik
