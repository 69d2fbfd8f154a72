#include "qt/binding/QtBinding.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <tuple>

#include "app/UserActions.h"
#include "qt/binding/FocusRing.h"
#include "qt/binding/QtKindBindings.h"
#include "qt/platform/ScreenPlace.h"

namespace tesmarik {

namespace {

// The close button of a window over the main window closes it in the model; the binding
// then puts the widget away.
class CloseFilter : public QObject {
public:
    CloseFilter(QtBinding& binding, FormControl& form) : binding_(binding), form_(form) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close && form_.Visible) {
            event->ignore();
            binding_.Act([this](Window& w) { CloseWindow(w, form_); });
            return true;
        }
        return false;
    }

private:
    QtBinding& binding_;
    FormControl& form_;
};

// Where a window that is not modal opens: beside its owner, on the side where it covers
// the least of it within the screen, so that the user goes on working in the owner. A
// window that no side can take whole is moved into the screen.
QPoint BesideOwner(const QWidget* owner, QSize size) {
    const QRect around = owner->frameGeometry();
    const QScreen* screen = owner->screen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : around;
    const auto inside = [&room, size](QPoint at) {
        at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - size.width())));
        at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - size.height())));
        return at;
    };
    const QPoint sides[] = {
        {around.left(), around.bottom() + 1},
        {around.right() + 1, around.top()},
        {around.left(), around.top() - size.height()},
        {around.left() - size.width(), around.top()},
    };
    QPoint best = inside(sides[0]);
    long long leastCovered = -1;
    for (const QPoint& side : sides) {
        const QPoint at = inside(side);
        const QRect covered = QRect(at, size).intersected(around);
        const long long area = covered.isEmpty() ? 0LL : 1LL * covered.width() * covered.height();
        if (leastCovered < 0 || area < leastCovered) {
            leastCovered = area;
            best = at;
        }
    }
    return best;
}

// The close button of the main window ends the program only when its close query lets it.
class MainCloseFilter : public QObject {
public:
    explicit MainCloseFilter(QtBinding& binding) : binding_(binding) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Close) {
            return false;
        }
        bool may = true;
        binding_.Act([&may](Window& w) { may = CloseMainWindow(w); });
        if (!may) {
            event->ignore();
            return true;
        }
        return false;
    }

private:
    QtBinding& binding_;
};

// Esc while a drop-down list is open belongs to the list. Qt's list closes itself when it
// is asked whether it takes the key, yet says no, so that the window's own Esc would fire
// too and close the window: the question is answered yes here, before the list hears it.
class PopupKeepsEscape : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            QApplication::activePopupWidget() != nullptr) {
            event->accept();
        }
        return false;
    }
};

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

QtBinding::QtBinding(Window& window) : window_(window), registry_(window.form) {
    Sync();
    auto* closer = new MainCloseFilter(*this);
    closer->setParent(top_);
    top_->installEventFilter(closer);
}

QtBinding::QtBinding(QtBinding& main, ControlRegistry& dialog)
    : window_(main.window_), registry_(dialog), main_(&main) {
    SyncForm();
    MakeDialogWindow(main.TopLevel());
}

QtBinding::~QtBinding() {
    retired_.clear();
    dialogs_.clear();
    bindings_.clear();
    delete top_;
}

QtBinding* QtBinding::DialogBinding(const std::string& formName) const {
    for (const auto& [registry, binding] : dialogs_) {
        if (FormOf(*registry).Name == formName) {
            return binding.get();
        }
    }
    return nullptr;
}

void QtBinding::MakeDialogWindow(QWidget* owner) {
    // A modal dialog of the main window: kept over it by the window manager, blocking
    // input to it as the model blocks its controls. A window that is not modal is a
    // window of its own, which the main window may cover.
    const FormControl& form = FormOf(registry_);
    top_->setParent(owner, form.Modal ? Qt::Dialog : Qt::Window);
    top_->setWindowModality(form.Modal ? Qt::WindowModal : Qt::NonModal);
    auto* closer = new CloseFilter(*this, FormOf(registry_));
    closer->setParent(top_);
    top_->installEventFilter(closer);
    // Esc closes the window; in an open drop-down list it closes the list alone.
    qApp->installEventFilter(new PopupKeepsEscape(top_));
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), top_);
    QObject::connect(escape, &QShortcut::activated, top_, [this] {
        Act([form = &FormOf(registry_)](Window& w) { CloseWindow(w, *form); });
    });
    // Made by the system before it is placed, the window has its frame, and a move puts
    // the frame where asked; a window moved before that was shown on Windows a title bar
    // and a border lower and further right, partly outside the desktop.
    top_->winId();
    if (form.Modal) {
        top_->move(
            WithinScreen(owner->geometry().center() - top_->rect().center(), top_->size(), owner));
    } else {
        PlaceWindowOfItsOwn(owner);
    }
    raised_ = form.Raised;
    top_->show();
    if (Control* active = FormOf(registry_).ActiveControl) {
        Bind(*active)->Widget()->setFocus();
    }
}

void QtBinding::PlaceWindowOfItsOwn(QWidget* owner) {
    // Until the window is shown its frame is unknown; the owner's, framed by the same
    // window manager, stands for it, so that the title bar and the border count too.
    const QMargins frame = FrameOf(*owner);
    const QPoint corner(frame.left(), frame.top());
    // The window is placed by its client area: Qt's own frame of a window on Windows 10
    // leaves out the borders, which are invisible there but drawn under Wine.
    const auto placeFrameAt = [this, corner](QPoint at) {
        top_->setGeometry(QRect(at + corner, top_->size()));
    };
    const QScreen* screen = owner->screen();
    if (screen == nullptr) {
        placeFrameAt(BesideOwner(owner, top_->size().grownBy(frame)));
        return;
    }
    // The desktop less its panels holds the whole window, which shrinks to it if need be.
    const QRect room = screen->availableGeometry();
    const QSize most = room.size().shrunkBy(frame);
    if (top_->width() > most.width() || top_->height() > most.height()) {
        top_->setFixedSize(top_->size().boundedTo(most));
    }
    const QSize framed = top_->size().grownBy(frame);
    const auto left = main_->leftAt_.find(FormOf(registry_).Name);
    QPoint at = left != main_->leftAt_.end() ? left->second - corner : BesideOwner(owner, framed);
    at.setX(std::clamp(at.x(), room.left(), room.right() + 1 - framed.width()));
    at.setY(std::clamp(at.y(), room.top(), room.bottom() + 1 - framed.height()));
    placeFrameAt(at);
}

QWidget* QtBinding::WidgetOf(const std::string& name) {
    Control* control = registry_.Find(name);
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
    const auto& all = registry_.All();
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
    if (main_ != nullptr) {
        main_->Act(action);
        return;
    }
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
    if (main_ != nullptr) {
        main_->Sync();
        return;
    }
    SyncForm();
    SyncDialogs();
}

void QtBinding::SyncDialogs() {
    const auto& open = window_.dialogs.Stack();
    for (auto it = dialogs_.begin(); it != dialogs_.end();) {
        if (std::find(open.begin(), open.end(), it->first) == open.end()) {
            // The widget whose event closed the window may still be on the call stack.
            QWidget* closing = it->second->TopLevel();
            if (!FormOf(*it->first).Modal) {
                leftAt_[FormOf(*it->first).Name] = closing->geometry().topLeft();
            }
            closing->hide();
            retired_.push_back(std::move(it->second));
            it = dialogs_.erase(it);
            QTimer::singleShot(0, top_, [this] { retired_.clear(); });
        } else {
            ++it;
        }
    }
    for (ControlRegistry* dialog : open) {
        if (dialogs_.count(dialog) == 0) {
            dialogs_[dialog] = std::make_unique<QtBinding>(*this, *dialog);
        } else {
            QtBinding& open = *dialogs_[dialog];
            open.SyncForm();
            // Asked for again while open: the window comes to the front.
            if (open.raised_ != FormOf(*dialog).Raised) {
                open.raised_ = FormOf(*dialog).Raised;
                open.top_->raise();
                open.top_->activateWindow();
            }
        }
    }
}

void QtBinding::SyncForm() {
    for (Control* control : registry_.All()) {
        if (byControl_.count(control) == 0 && NeedsWidget(*control)) {
            Bind(*control);
        }
    }
    for (const auto& binding : bindings_) {
        binding->Sync();
    }
    for (const auto& binding : bindings_) {
        binding->SyncAfterOthers();
    }
    if (!focusOrdered_) {
        OrderFocus();
    }
}

void QtBinding::OrderFocus() {
    focusOrdered_ = true;
    std::vector<QWidget*> chain;
    AppendFocusChain(FormOf(registry_), chain);
    if (auto* ring = dynamic_cast<FocusRingWidget*>(top_)) {
        ring->SetRing(chain);
    }
}

void QtBinding::AppendFocusChain(const Control& parent, std::vector<QWidget*>& chain) const {
    std::vector<const Control*> children;
    for (const Control* control : registry_.All()) {
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
