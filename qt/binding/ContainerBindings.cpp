// The bindings of the kinds that hold other controls: the window, panels, group boxes, the
// tab control and its pages.
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <utility>

#include "app/UserActions.h"
#include "files/QtText.h"
#include "qt/binding/DesktopStyle.h"
#include "qt/binding/FocusRing.h"
#include "qt/binding/FramedGroupBox.h"
#include "qt/binding/KindBindingBase.h"

namespace tesmarik {

namespace {

class FormBinding : public BindingBase {
public:
    FormBinding(QtBinding& b, Control& c) : BindingBase(b, c) {
        // The form's font is the font of every widget and dialog of the program, also of
        // those made before they join the window: no second family is ever looked up.
        QApplication::setFont(ToQFont(Font{}));
        UseDesktopStyle();
        auto* top = new FocusRingWidget;
        Attach(top);
        top->setFixedSize(c.Width, c.Height);
        // Every activation of the main window rewrites what the form's activation handler
        // writes; a window over it has no such handler.
        if (b.IsMainWindow()) {
            activation_ = new ActivationFilter(b);
            activation_->setParent(top);
            top->installEventFilter(activation_);
        }
    }

protected:
    void SyncKind() override {
        if (widget_->windowTitle() != Q(control_.Text)) {
            widget_->setWindowTitle(Q(control_.Text));
        }
    }
    void SyncGeometry() override {
        // A window shrunk to its desktop stays so.
        const QSize size = binding_.WindowSize(QSize(control_.Width, control_.Height));
        if (widget_->size() != size) {
            widget_->setFixedSize(size);
        }
    }

private:
    class ActivationFilter : public QObject {
    public:
        explicit ActivationFilter(QtBinding& b) : binding_(b) {}

    protected:
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::WindowActivate) {
                binding_.Act(ActivateWindow);
            }
            return false;
        }

    private:
        QtBinding& binding_;
    };
    ActivationFilter* activation_ = nullptr;
};

// A panel paints its fill colour and, when it has one, its caption in the middle.
class PanelWidget : public QFrame {
public:
    using QFrame::QFrame;
    QString caption;

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        if (!caption.isEmpty()) {
            QPainter painter(this);
            painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                           QPalette::WindowText));
            painter.drawText(rect(), Qt::AlignCenter, caption);
        }
    }
};

class PanelBinding : public BindingBase {
public:
    PanelBinding(QtBinding& b, Panel& c, QWidget* parent) : BindingBase(b, c), panel_(c) {
        frame_ = new PanelWidget(parent);
        Attach(frame_);
    }

protected:
    void SyncKind() override {
        frame_->setFrameStyle(QFrame::Panel | (panel_.Raised ? QFrame::Raised : QFrame::Sunken));
        if (frame_->caption != Q(panel_.Text)) {
            frame_->caption = Q(panel_.Text);
            frame_->update();
        }
        const bool filled = panel_.Fill.has_value();
        frame_->setAutoFillBackground(filled);
        if (filled && frame_->palette().color(QPalette::Window) != ToQColor(*panel_.Fill)) {
            QPalette palette = frame_->palette();
            palette.setColor(QPalette::Window, ToQColor(*panel_.Fill));
            frame_->setPalette(palette);
        }
    }

private:
    Panel& panel_;
    PanelWidget* frame_ = nullptr;
};

class GroupBoxBinding : public BindingBase {
public:
    GroupBoxBinding(QtBinding& b, Control& c, QWidget* parent) : BindingBase(b, c) {
        box_ = new FramedGroupBox(parent);
        Attach(box_);
    }

protected:
    void SyncKind() override {
        if (box_->title() != Q(control_.Text)) {
            box_->setTitle(Q(control_.Text));
        }
        SyncFont(box_);
    }

private:
    QGroupBox* box_ = nullptr;
};

class PageControlBinding : public BindingBase {
public:
    PageControlBinding(QtBinding& b, PageControl& c, QWidget* parent)
        : BindingBase(b, c), pages_(c) {
        tabs_ = new QTabWidget(parent);
        Attach(tabs_);
        for (TabSheet* sheet : c.Pages) {
            auto* page = new QWidget;
            page->setObjectName(Q(sheet->Name));
            tabs_->addTab(page, Q(sheet->Text));
        }
        tabs_->setCurrentIndex(c.ActivePageIndex);
        QObject::connect(tabs_, &QTabWidget::currentChanged, tabs_, [this](int index) {
            binding_.Act([this, index](Window& w) { ChangePage(w, pages_, index); });
        });
        // The wheel never changes the tab in front: a tab is changed by a click.
        tabs_->tabBar()->installEventFilter(new WheelGuard(tabs_->tabBar(), false));
        // The window's own tabs change with Ctrl+Tab and Ctrl+Shift+Tab from anywhere in
        // it, as on the desktop, not only from the tab bar.
        if (c.Parent != nullptr && c.Parent->Kind == ControlKind::Form) {
            for (const auto& [keys, step] :
                 {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                  std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
                  std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1}}) {
                auto* shortcut = new QShortcut(keys, tabs_);
                QObject::connect(shortcut, &QShortcut::activated, tabs_,
                                 [this, step = step] { Step(step); });
            }
        }
    }

    QWidget* Page(const TabSheet& sheet) const {
        for (std::size_t i = 0; i < pages_.Pages.size(); ++i) {
            if (pages_.Pages[i] == &sheet) {
                return tabs_->widget(static_cast<int>(i));
            }
        }
        return tabs_;
    }

protected:
    void SyncKind() override {
        const QSignalBlocker blocker(tabs_);
        for (std::size_t i = 0; i < pages_.Pages.size(); ++i) {
            const int index = static_cast<int>(i);
            if (tabs_->tabText(index) != Q(pages_.Pages[i]->Text)) {
                tabs_->setTabText(index, Q(pages_.Pages[i]->Text));
            }
            tabs_->setTabVisible(index, pages_.Pages[i]->Visible);
            tabs_->widget(index)->setEnabled(pages_.Pages[i]->Enabled);
        }
        if (tabs_->currentIndex() != pages_.ActivePageIndex) {
            tabs_->setCurrentIndex(pages_.ActivePageIndex);
        }
    }

private:
    // The next shown tab after (step 1) or before (step -1) the one in front, round.
    void Step(int step) {
        const int count = static_cast<int>(pages_.Pages.size());
        int index = pages_.ActivePageIndex;
        for (int tried = 0; tried < count; ++tried) {
            index = (index + step + count) % count;
            if (pages_.Pages[static_cast<std::size_t>(index)]->Visible) {
                binding_.Act([this, index](Window& w) { ChangePage(w, pages_, index); });
                return;
            }
        }
    }

    PageControl& pages_;
    QTabWidget* tabs_ = nullptr;
};

// A tab's page belongs to the tab widget, which places and shows it.
class TabSheetBinding : public WidgetBinding {
public:
    explicit TabSheetBinding(QWidget* page) : page_(page) {}
    QWidget* Widget() const override { return page_; }
    void Sync() override {}

private:
    QWidget* page_;
};

}  // namespace

std::unique_ptr<WidgetBinding> MakeContainerBinding(QtBinding& b, Control& c, QWidget* parent) {
    switch (c.Kind) {
        case ControlKind::Form:
            return std::make_unique<FormBinding>(b, c);
        case ControlKind::Panel:
            return std::make_unique<PanelBinding>(b, static_cast<Panel&>(c), parent);
        case ControlKind::GroupBox:
            return std::make_unique<GroupBoxBinding>(b, c, parent);
        case ControlKind::PageControl:
            return std::make_unique<PageControlBinding>(b, static_cast<PageControl&>(c), parent);
        case ControlKind::TabSheet: {
            // The page was made by the tab control's binding; find it by name.
            QWidget* page = parent != nullptr ? parent->findChild<QWidget*>(Q(c.Name)) : nullptr;
            return std::make_unique<TabSheetBinding>(page != nullptr ? page : parent);
        }
        default:
            return nullptr;
    }
}

}  // namespace tesmarik
