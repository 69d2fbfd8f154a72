#include "app/qt/QtBinding.h"

#include <QEvent>
#include <QTimer>
#include <algorithm>

#include "app/qt/QtKindBindings.h"

namespace tesmarik {

namespace {

// A control's widget is made when the control first shows; the timer has no place on
// screen and is made at once.
bool NeedsWidget(const Control& control) {
    return control.Kind == ControlKind::Timer || IsShown(control);
}

}  // namespace

QtBinding::QtBinding(Window& window) : window_(window) {
    Sync();
}

QtBinding::~QtBinding() {
    bindings_.clear();
    delete top_;
}

QWidget* QtBinding::WidgetOf(const std::string& name) {
    Control* control = window_.form.Find(name);
    if (control == nullptr) {
        return nullptr;
    }
    const bool made = byControl_.count(control) == 0;
    WidgetBinding* binding = Bind(*control);
    if (made) {
        Sync();
    }
    return binding->Widget();
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
    if (control.Parent != nullptr && control.Kind != ControlKind::TabSheet &&
        raw->Widget() != nullptr) {
        Restack(control, raw->Widget());
    }
    return raw;
}

void QtBinding::Restack(const Control& control, QWidget* widget) {
    // Widgets made in the order of the controls stack in that order; one made later goes
    // below the first widget of a control after it on the same parent.
    const auto& all = window_.form.All();
    auto it = std::find(all.begin(), all.end(), &control);
    for (++it; it != all.end(); ++it) {
        const auto bound = byControl_.find(*it);
        if ((*it)->Parent == control.Parent && bound != byControl_.end() &&
            bound->second->Widget() != nullptr &&
            bound->second->Widget()->parentWidget() == widget->parentWidget()) {
            widget->stackUnder(bound->second->Widget());
            return;
        }
    }
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
    for (Control* control : window_.form.All()) {
        if (byControl_.count(control) == 0 && NeedsWidget(*control)) {
            Bind(*control);
        }
    }
    for (const auto& binding : bindings_) {
        binding->Sync();
    }
}

}  // namespace tesmarik
