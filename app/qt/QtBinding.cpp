#include "app/qt/QtBinding.h"

#include <QEvent>
#include <QTimer>

#include "app/qt/QtKindBindings.h"

namespace tesmarik {

QtBinding::QtBinding(Window& window) : window_(window) {
    for (Control* control : window_.form.All()) {
        Bind(*control);
    }
    Sync();
}

QtBinding::~QtBinding() {
    bindings_.clear();
    delete top_;
}

QWidget* QtBinding::WidgetOf(const std::string& name) const {
    const Control* control = window_.form.Find(name);
    const auto it = byControl_.find(control);
    return it == byControl_.end() ? nullptr : it->second->Widget();
}

WidgetBinding* QtBinding::Bind(Control& control) {
    if (const auto it = byControl_.find(&control); it != byControl_.end()) {
        return it->second;
    }
    QWidget* parent = nullptr;
    if (control.Parent != nullptr) {
        parent = Bind(*control.Parent)->ChildParent();
    }
    auto binding = MakeKindBinding(*this, control, parent);
    WidgetBinding* raw = binding.get();
    if (control.Parent == nullptr && control.Kind == ControlKind::Form) {
        top_ = raw->Widget();
    }
    bindings_.push_back(std::move(binding));
    byControl_[&control] = raw;
    return raw;
}

void QtBinding::Fire(const std::function<void()>& handler) {
    if (busy_ || !handler) {
        return;
    }
    busy_ = true;
    window_.Dispatch(handler);
    busy_ = false;
    Sync();
}

void QtBinding::Sync() {
    for (const auto& binding : bindings_) {
        binding->Sync();
    }
}

}  // namespace tesmarik
