#include "app/Window.h"

namespace tesmarik {

void WireLoadingTab(Window& w) {
    (void)w;
}

}  // namespace tesmarik
