#include "app/qt/QtBinding.h"

#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <tuple>

#include "app/qt/QtKindBindings.h"

namespace tesmarik {

namespace {

// A control's widget is made when the control first shows; the timer has no place on
// screen and is made at once.
bool NeedsWidget(const Control& control) {
    return control.Kind == ControlKind::Timer || IsShown(control);
}

}  // namespace

std::vector<QWidget*> WidgetBinding::FocusWidgets() const {
    QWidget* widget = Widget();
    if (widget == nullptr || (widget->focusPolicy() & Qt::TabFocus) == 0) {
        return {};
    }
    return {widget};
}

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
    focusOrdered_ = false;
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

void QtBinding::Act(const std::function<void(Window&)>& action) {
    if (busy_) {
        return;
    }
    busy_ = true;
    action(window_);
    busy_ = false;
    Sync();
}

void QtBinding::Fire(const std::function<void()>& handler) {
    if (handler) {
        Act([&handler](Window& w) { w.Dispatch(handler); });
    }
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
    if (!focusOrdered_) {
        OrderFocus();
    }
}

void QtBinding::OrderFocus() {
    focusOrdered_ = true;
    std::vector<QWidget*> chain;
    AppendFocusChain(window_.form.Form1, chain);
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

void QtBinding::AppendFocusChain(const Control& parent, std::vector<QWidget*>& chain) const {
    std::vector<const Control*> children;
    for (const Control* control : window_.form.All()) {
        if (control->Parent == &parent && byControl_.count(control) != 0) {
            children.push_back(control);
        }
    }
    // Tabs keep the order of their tab control; everything else is ordered here.
    if (parent.Kind != ControlKind::PageControl) {
        std::stable_sort(children.begin(), children.end(), [](const Control* a, const Control* b) {
            const auto key = [](const Control* c) {
                return std::tuple(c->TabOrder < 0, c->TabOrder, c->Top, c->Left);
            };
            return key(a) < key(b);
        });
    }
    for (const Control* child : children) {
        for (QWidget* widget : byControl_.at(child)->FocusWidgets()) {
            chain.push_back(widget);
        }
        AppendFocusChain(*child, chain);
    }
}

}  // namespace tesmarik
