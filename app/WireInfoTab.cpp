#include "app/Window.h"

namespace tesmarik {

void WireInfoTab(Window& w) {
    (void)w;
}

}  // namespace tesmarik
