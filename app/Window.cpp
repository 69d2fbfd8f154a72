#include "app/Window.h"

#include <exception>

#include "app/Unit1.h"
#include "common/Error.h"

namespace tesmarik {

Window::Window(Platform& p) : platform(p) {
    WireFrame(*this);
    WireMassTab(*this);
    WireLoadingTab(*this);
    WirePriceTab(*this);
    WireInfoTab(*this);
    WireReportMenus(*this);
    WireCostDialog(*this);
    WireOfferWindow(*this);
    WireMemoryWindows(*this);
}

void Window::Create() {
    Dispatch([this] { FormCreate(form, state); });
}

void Window::Dispatch(const Event& handler) {
    if (!handler) {
        return;
    }
    try {
        handler();
    } catch (const Error& e) {
        platform.ErrorBox(WithFullStop(e.Text()));
    } catch (const std::exception& e) {
        platform.ErrorBox(WithFullStop(e.what()));
    }
}

void Window::DispatchKey(const KeyEvent& handler, char32_t key) {
    if (handler) {
        Dispatch([&] { handler(key); });
    }
}

}  // namespace tesmarik
