#include "app/qt/QtKindBindings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextCursor>
#include <QTimer>
#include <QWheelEvent>
#include <set>

#include "app/Unit1.h"
#include "app/UserActions.h"
#include "app/qt/ContextMenu.h"
#include "app/qt/DesktopStyle.h"
#include "app/qt/FramedGroupBox.h"
#include "app/qt/QtGridDelegate.h"
#include "common/Text.h"
#include "files/QtText.h"
#include "resources/Pictures.h"

namespace tesmarik {

namespace {

QColor ToQColor(Color c) {
    return QColor(c.r, c.g, c.b);
}

QFont ToQFont(const Font& font) {
    QFont f(Q(font.name));
    f.setPointSize(font.size);
    f.setBold(font.bold);
    f.setUnderline(font.underline);
    return f;
}

// The key that a key event types, as the event slots take it: a character, '\r' for
// Enter, '\b' for Backspace; 0 for keys that type nothing (arrows, Shift, ...).
std::vector<char32_t> TypedKeys(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return {U'\r'};
    }
    if (event.key() == Qt::Key_Backspace) {
        return {U'\b'};
    }
    std::vector<char32_t> keys;
    for (const char32_t cp : event.text().toUcs4()) {
        if (cp >= 0x20 && cp != 0x7F) {
            keys.push_back(cp);
        }
    }
    return keys;
}

// Keeps the mouse wheel from changing a widget's value: always (a tab bar), or while the
// widget has no keyboard focus (a closed list the pointer merely rests on).
class WheelGuard : public QObject {
public:
    WheelGuard(QWidget* widget, bool whenFocused) : QObject(widget), whenFocused_(whenFocused) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel ||
            (whenFocused_ && static_cast<QWidget*>(watched)->hasFocus())) {
            return false;
        }
        event->ignore();
        return true;
    }

private:
    bool whenFocused_;
};

// Turns the mouse and keyboard events of a widget into the user's actions on its control.
class EventRouter : public QObject {
public:
    EventRouter(QtBinding& binding, Control& control) : binding_(binding), control_(control) {}

    // The widget whose keys are the control's: an edit field, a list (which hands them
    // on to its line), a grid (not its viewport).
    QObject* keyTarget = nullptr;
    bool cells = false;   // grids: the typed key goes into the model's current cell
    bool clicks = false;  // labels and pictures: a mouse release inside is a click

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseMove:
                if (control_.OnMouseMove) {
                    binding_.Act([this](Window& w) { HoverControl(w, control_); });
                }
                break;
            case QEvent::Leave:
                if (control_.OnMouseLeave) {
                    binding_.Act([this](Window& w) { LeaveControl(w, control_); });
                }
                break;
            case QEvent::MouseButtonRelease: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                auto* widget = static_cast<QWidget*>(watched);
                if (clicks && mouse->button() == Qt::LeftButton &&
                    widget->rect().contains(mouse->position().toPoint())) {
                    binding_.Act([this](Window& w) { ClickControl(w, control_); });
                }
                break;
            }
            case QEvent::KeyPress:
                return watched == keyTarget && KeyPressed(*static_cast<QKeyEvent*>(event));
            case QEvent::KeyRelease:
                if (watched == keyTarget) {
                    KeyReleased(*static_cast<QKeyEvent*>(event));
                }
                break;
            case QEvent::FocusOut:
                // A key pressed here and released elsewhere (in a message box that its
                // handler opened) is not this field's any more.
                pressed_.clear();
                break;
            default:
                break;
        }
        return false;
    }

private:
    // True when the key is taken here and the widget must not see it.
    bool KeyPressed(const QKeyEvent& key) {
        if (key.isAutoRepeat() && pressed_.count(key.key()) == 0) {
            return true;  // a key held down since before the field had the focus
        }
        pressed_.insert(key.key());
        for (const char32_t typed : TypedKeys(key)) {
            if (cells) {
                binding_.Act([this, typed](Window& w) {
                    TypeIntoCell(w, static_cast<StringGrid&>(control_), typed);
                });
            } else {
                binding_.Act([this, typed](Window& w) { PressKey(w, control_, typed); });
            }
        }
        return cells && !TypedKeys(key).empty();  // a grid takes its typed keys here
    }

    // The key-up handler runs only for a key that was pressed in this field: the release
    // of the Enter or Esc that closed a message box is not a key of the field.
    void KeyReleased(const QKeyEvent& key) {
        if (key.isAutoRepeat() || pressed_.erase(key.key()) == 0) {
            return;
        }
        binding_.Act([this](Window& w) { ReleaseKey(w, control_); });
    }

    QtBinding& binding_;
    Control& control_;
    std::set<int> pressed_;
};

// What every kind shares: position, size, visibility, enabled state, tooltip, font.
class BindingBase : public WidgetBinding {
public:
    BindingBase(QtBinding& binding, Control& control) : binding_(binding), control_(control) {}

    QWidget* Widget() const override { return widget_; }

    void Sync() override {
        SyncKind();
        if (widget_->isEnabled() != control_.Enabled) {
            widget_->setEnabled(control_.Enabled);
        }
        if (widget_->toolTip() != Q(control_.Hint)) {
            widget_->setToolTip(Q(control_.Hint));
        }
        SyncContextMenu(control_, widget_);
        SyncGeometry();
        // The program entry shows the window itself; the binding shows and hides the rest.
        if (widget_->parentWidget() != nullptr &&
            (widget_->isVisibleTo(widget_->parentWidget()) != control_.Visible || !synced_)) {
            widget_->setVisible(control_.Visible);
        }
        synced_ = true;
    }

protected:
    virtual void SyncKind() {}

    virtual void SyncGeometry() {
        const QRect wanted(control_.Left, control_.Top, control_.Width, control_.Height);
        if (widget_->geometry() != wanted) {
            widget_->setGeometry(wanted);
        }
    }

    void Attach(QWidget* widget) {
        widget_ = widget;
        router_ = new EventRouter(binding_, control_);
        router_->setParent(widget);
        widget->installEventFilter(router_);
        widget->setMouseTracking(true);
        OfferContextMenu(binding_, control_, widget);
        if (control_.HandCursor) {
            widget->setCursor(Qt::PointingHandCursor);
        }
    }

    // The keys of this widget are the control's keys.
    void RouteKeys(QWidget* target) {
        if (target != widget_) {
            target->installEventFilter(router_);
        }
        router_->keyTarget = target;
    }

    // Text typed into a line edit goes to the model, then the control's OnChange runs.
    void TakeTyping(QLineEdit* edit) {
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this](const QString& typed) {
            binding_.Act(
                [this, text = typed.toStdString()](Window& w) { ChangeText(w, control_, text); });
        });
    }

    void SyncFont(QWidget* target) {
        const QFont font = ToQFont(control_.Font);
        if (target->font() != font) {
            target->setFont(font);
        }
        // The form's colour is the colour of an enabled control; a disabled one keeps the
        // desktop's greyed look.
        const QColor color = ToQColor(control_.Font.color);
        if (target->palette().color(QPalette::Active, QPalette::WindowText) != color) {
            QPalette palette = target->palette();
            for (const auto group : {QPalette::Active, QPalette::Inactive}) {
                palette.setColor(group, QPalette::WindowText, color);
                palette.setColor(group, QPalette::Text, color);
                palette.setColor(group, QPalette::ButtonText, color);
            }
            target->setPalette(palette);
        }
    }

    QtBinding& binding_;
    Control& control_;
    QWidget* widget_ = nullptr;
    EventRouter* router_ = nullptr;
    bool synced_ = false;
};

class FormBinding : public BindingBase {
public:
    FormBinding(QtBinding& b, Control& c) : BindingBase(b, c) {
        // The form's font is the font of every widget and dialog of the program, also of
        // those made before they join the window: no second family is ever looked up.
        QApplication::setFont(ToQFont(Font{}));
        UseDesktopStyle();
        auto* top = new QWidget;
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
        if (widget_->size() != QSize(control_.Width, control_.Height)) {
            widget_->setFixedSize(control_.Width, control_.Height);
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

class LabelBinding : public BindingBase {
public:
    LabelBinding(QtBinding& b, Label& c, QWidget* parent) : BindingBase(b, c), label_model_(c) {
        label_ = new QLabel(parent);
        label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (c.Kind == ControlKind::StaticText) {
            // A sunken box whose four edges all show on the window's face.
            label_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            label_->setMargin(2);
        }
        Attach(label_);
        router_->clicks = true;
    }

protected:
    void SyncKind() override {
        // A carriage return breaks the caption's line, as on the window it was made for.
        QString text = Q(control_.Text);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
            .replace(QChar('\r'), QChar('\n'));
        if (label_->text() != text) {
            label_->setText(text);
        }
        label_->setTextFormat(Qt::PlainText);
        label_->setWordWrap(label_model_.WordWrap);
        SyncFont(label_);
    }

    void SyncGeometry() override {
        if (!label_model_.AutoSize) {
            BindingBase::SyncGeometry();
            return;
        }
        // An auto-sized label grows with its text from its top-left corner.
        const QSize size = label_->sizeHint();
        const QRect wanted(QPoint(control_.Left, control_.Top), size);
        if (label_->geometry() != wanted) {
            label_->setGeometry(wanted);
        }
    }

private:
    Label& label_model_;
    QLabel* label_ = nullptr;
};

class ButtonBinding : public BindingBase {
public:
    ButtonBinding(QtBinding& b, Button& c, QWidget* parent) : BindingBase(b, c), button_model_(c) {
        button_ = new QPushButton(parent);
        Attach(button_);
        QObject::connect(button_, &QPushButton::clicked, button_, [this] {
            binding_.Act([this](Window& w) { ClickControl(w, control_); });
        });
    }

protected:
    void SyncKind() override {
        if (button_->text() != Q(control_.Text)) {
            button_->setText(Q(control_.Text));
        }
        if (glyph_ != button_model_.Glyph) {
            glyph_ = button_model_.Glyph;
            const int side = std::max(8, std::min(control_.Width, control_.Height) - 8);
            QPixmap pixmap(side, side);
            pixmap.fill(Qt::transparent);
            {
                QPainter painter(&pixmap);
                painter.setRenderHint(QPainter::Antialiasing);
                PaintPicture(painter, pixmap.rect(), glyph_);
            }
            button_->setIcon(QIcon(pixmap));
            button_->setIconSize(pixmap.size());
        }
        SyncFont(button_);
    }

private:
    Button& button_model_;
    QPushButton* button_ = nullptr;
    std::string glyph_;
};

class EditBinding : public BindingBase {
public:
    EditBinding(QtBinding& b, Edit& c, QWidget* parent) : BindingBase(b, c), edit_model_(c) {
        edit_ = new QLineEdit(parent);
        Attach(edit_);
        RouteKeys(edit_);
        TakeTyping(edit_);
    }

protected:
    void SyncKind() override {
        const QSignalBlocker blocker(edit_);
        if (edit_->text() != Q(control_.Text)) {
            edit_->setText(Q(control_.Text));
        }
        SyncFont(edit_);
    }

private:
    Edit& edit_model_;
    QLineEdit* edit_ = nullptr;
};

class ComboBoxBinding : public BindingBase {
public:
    ComboBoxBinding(QtBinding& b, ComboBox& c, QWidget* parent) : BindingBase(b, c), box_model_(c) {
        box_ = new QComboBox(parent);
        Attach(box_);
        RouteKeys(box_);
        // The wheel picks an item only in a list that has the keyboard focus; over another
        // it is the window's, as when the pointer merely rests there.
        box_->setFocusPolicy(Qt::StrongFocus);
        box_->installEventFilter(new WheelGuard(box_, true));
        QObject::connect(box_, &QComboBox::activated, box_, [this](int index) {
            binding_.Act([this, index](Window& w) { PickItem(w, box_model_, index); });
        });
    }

protected:
    void SyncKind() override {
        const QSignalBlocker blocker(box_);
        const bool editable = box_model_.Style == ComboStyle::Editable;
        if (box_->isEditable() != editable) {
            box_->setEditable(editable);
            // The list keeps the focus and hands keys to its line itself, past any filter
            // of the line: the list's keys are the control's keys.
            if (editable) {
                TakeTyping(box_->lineEdit());
            }
        }
        QStringList items;
        for (const auto& item : box_model_.Items) {
            items << Q(item);
        }
        bool same = box_->count() == items.size();
        for (int i = 0; same && i < items.size(); ++i) {
            same = box_->itemText(i) == items[i];
        }
        if (!same) {
            box_->clear();
            box_->addItems(items);
        }
        box_->setMaxVisibleItems(box_model_.DropDownCount);
        if (box_->currentIndex() != box_model_.ItemIndex()) {
            box_->setCurrentIndex(box_model_.ItemIndex());
        }
        if (editable && box_->currentText() != Q(control_.Text)) {
            box_->setEditText(Q(control_.Text));
        }
        SyncFont(box_);
    }

private:
    ComboBox& box_model_;
    QComboBox* box_ = nullptr;
};

class CheckBoxBinding : public BindingBase {
public:
    CheckBoxBinding(QtBinding& b, CheckBox& c, QWidget* parent)
        : BindingBase(b, c), check_model_(c) {
        check_ = new QCheckBox(parent);
        Attach(check_);
        QObject::connect(check_, &QCheckBox::clicked, check_, [this] {
            binding_.Act([this](Window& w) { ClickControl(w, check_model_); });
        });
    }

protected:
    void SyncKind() override {
        const QSignalBlocker blocker(check_);
        if (check_->text() != Q(control_.Text)) {
            check_->setText(Q(control_.Text));
        }
        if (check_->isChecked() != check_model_.Checked) {
            check_->setChecked(check_model_.Checked);
        }
        SyncFont(check_);
    }

private:
    CheckBox& check_model_;
    QCheckBox* check_ = nullptr;
};

class RadioGroupBinding : public BindingBase {
public:
    RadioGroupBinding(QtBinding& b, RadioGroup& c, QWidget* parent)
        : BindingBase(b, c), group_model_(c) {
        box_ = new FramedGroupBox(parent);
        Attach(box_);
    }

    std::vector<QWidget*> FocusWidgets() const override {
        return {buttons_.begin(), buttons_.end()};
    }

protected:
    void SyncKind() override {
        if (box_->title() != Q(control_.Text)) {
            box_->setTitle(Q(control_.Text));
        }
        SyncFont(box_);
        if (items_ != group_model_.Items || layoutSize_ != QSize(control_.Width, control_.Height)) {
            Rebuild();
        }
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            QRadioButton* button = buttons_[i];
            const bool wanted = static_cast<int>(i) == group_model_.ItemIndex();
            if (button->isChecked() != wanted) {
                const QSignalBlocker blocker(button);
                button->setAutoExclusive(false);
                button->setChecked(wanted);
                button->setAutoExclusive(true);
            }
        }
    }

private:
    // The buttons share the room inside the frame, below the caption and above the frame's
    // bottom line, in rows and columns; none is cut by the frame.
    void Rebuild() {
        for (QRadioButton* button : buttons_) {
            delete button;
        }
        buttons_.clear();
        items_ = group_model_.Items;
        layoutSize_ = QSize(control_.Width, control_.Height);
        const int count = static_cast<int>(items_.size());
        const int columns = std::max(1, group_model_.Columns);
        const int rows = std::max(1, (count + columns - 1) / columns);
        const int columnWidth = (control_.Width - 12) / columns;
        const int top = QFontMetrics(box_->font()).height();
        const int bottom = control_.Height - 3;
        const int rowHeight = std::max(1, (bottom - top) / rows);
        for (int i = 0; i < count; ++i) {
            auto* button = new QRadioButton(Q(items_[static_cast<std::size_t>(i)]), box_);
            const int height = std::min(rowHeight, button->sizeHint().height());
            button->setGeometry(8 + (i / rows) * columnWidth,
                                top + (i % rows) * rowHeight + (rowHeight - height) / 2,
                                columnWidth - 2, height);
            button->show();
            QObject::connect(button, &QRadioButton::clicked, button, [this, i] {
                binding_.Act([this, i](Window& w) { PickRadio(w, group_model_, i); });
            });
            buttons_.push_back(button);
        }
    }

    RadioGroup& group_model_;
    QGroupBox* box_ = nullptr;
    std::vector<std::string> items_;
    QSize layoutSize_;
    std::vector<QRadioButton*> buttons_;
};

// A grid scrolled by whole rows: Qt's own table aligns the last row with the bottom at the
// end of the scroll bar, leaving part of a row under the header; this one keeps the top
// row whole there too.
class WholeRowsTable : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

protected:
    void scrollContentsBy(int dx, int dy) override {
        QTableWidget::scrollContentsBy(dx, dy);
        const int top = verticalScrollBar()->value();
        if (dy != 0 && top < rowCount() &&
            verticalHeader()->offset() != verticalHeader()->sectionPosition(top)) {
            verticalHeader()->setOffsetToSectionPosition(top);
            viewport()->update();
        }
    }
};

class StringGridBinding : public BindingBase {
public:
    StringGridBinding(QtBinding& b, StringGrid& c, QWidget* parent) : BindingBase(b, c), grid_(c) {
        table_ = new WholeRowsTable(parent);
        Attach(table_);
        table_->verticalHeader()->hide();
        table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table_->horizontalHeader()->setHighlightSections(false);
        table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        table_->setWordWrap(false);
        table_->setItemDelegate(new QtGridDelegate(c, table_));
        // Scrolled by whole rows: no row is ever left half under the header.
        table_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        table_->viewport()->installEventFilter(router_);
        RouteKeys(table_);
        router_->cells = true;
        QObject::connect(table_, &QTableWidget::currentCellChanged, table_,
                         [this](int row, int col, int, int) {
                             if (row >= 0 && col >= 0) {
                                 grid_.Row = row + grid_.FixedRows;
                                 grid_.Col = col;
                             }
                         });
        focus_ = new FocusFilter(grid_, table_);
        table_->installEventFilter(focus_);
    }

protected:
    void SyncKind() override {
        const QSignalBlocker blocker(table_);
        SyncFont(table_);
        table_->setSelectionBehavior(grid_.RowSelect ? QAbstractItemView::SelectRows
                                                     : QAbstractItemView::SelectItems);
        table_->setSelectionMode(grid_.RowSelect ? QAbstractItemView::ContiguousSelection
                                                 : QAbstractItemView::SingleSelection);
        const int rows = std::max(0, grid_.RowCount - grid_.FixedRows);
        if (table_->columnCount() != grid_.ColCount) {
            table_->setColumnCount(grid_.ColCount);
        }
        if (table_->rowCount() != rows) {
            table_->setRowCount(rows);
        }
        table_->verticalHeader()->setDefaultSectionSize(grid_.DefaultRowHeight);
        table_->horizontalHeader()->setFixedHeight(grid_.DefaultRowHeight + 2);
        for (int c = 0; c < grid_.ColCount; ++c) {
            if (table_->columnWidth(c) != grid_.ColWidth(c)) {
                table_->setColumnWidth(c, grid_.ColWidth(c));
            }
            const QString heading = grid_.FixedRows > 0 ? Q(grid_.Cell(c, 0)) : QString();
            QTableWidgetItem* header = table_->horizontalHeaderItem(c);
            if (header == nullptr) {
                table_->setHorizontalHeaderItem(c, new QTableWidgetItem(heading));
            } else if (header->text() != heading) {
                header->setText(heading);
            }
            for (int r = 0; r < rows; ++r) {
                const QString text = Q(grid_.Cell(c, r + grid_.FixedRows));
                QTableWidgetItem* item = table_->item(r, c);
                if (item == nullptr) {
                    table_->setItem(r, c, new QTableWidgetItem(text));
                } else if (item->text() != text) {
                    item->setText(text);
                }
            }
        }
        const int currentRow = grid_.Row - grid_.FixedRows;
        if (currentRow >= 0 && currentRow < rows && grid_.Col < grid_.ColCount &&
            (table_->currentRow() != currentRow || table_->currentColumn() != grid_.Col)) {
            table_->setCurrentCell(currentRow, grid_.Col);
        }
        table_->viewport()->update();
    }

private:
    // The grid's keyboard focus is part of the model: painting depends on it.
    class FocusFilter : public QObject {
    public:
        FocusFilter(StringGrid& grid, QTableWidget* table) : grid_(grid), table_(table) {
            setParent(table);
        }

    protected:
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
                grid_.Focused = event->type() == QEvent::FocusIn;
                table_->viewport()->update();
            }
            return false;
        }

    private:
        StringGrid& grid_;
        QTableWidget* table_;
    };

    StringGrid& grid_;
    QTableWidget* table_ = nullptr;
    FocusFilter* focus_ = nullptr;
};

// Characters of the model and UTF-16 units of Qt: the same but for characters beyond
// the Basic Multilingual Plane, which Qt counts twice.
std::size_t CharsBefore(const QString& text, int units) {
    return text.left(units).toStdU32String().size();
}

int UnitsBefore(const QString& text, std::size_t chars) {
    int units = 0;
    for (std::size_t n = 0; n < chars && units < text.size(); ++n) {
        units += text.at(units).isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
    }
    return units;
}

class MemoBinding : public BindingBase {
public:
    MemoBinding(QtBinding& b, Memo& c, QWidget* parent) : BindingBase(b, c), memo_(c) {
        edit_ = new QPlainTextEdit(parent);
        Attach(edit_);
        QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] {
            shown_ = edit_->toPlainText();
            ChangeText(binding_.Model(), memo_, shown_.toStdString());
        });
        // The user's selection is the field's own state, not an event of the program: the
        // model keeps it up to date without running a handler.
        QObject::connect(edit_, &QPlainTextEdit::selectionChanged, edit_,
                         [this] { ReadSelection(); });
        QObject::connect(edit_, &QPlainTextEdit::cursorPositionChanged, edit_,
                         [this] { ReadSelection(); });
    }

protected:
    void SyncKind() override {
        const QSignalBlocker blocker(edit_);
        edit_->setReadOnly(memo_.ReadOnly);
        edit_->setLineWrapMode(memo_.WordWrap ? QPlainTextEdit::WidgetWidth
                                              : QPlainTextEdit::NoWrap);
        SyncFont(edit_);
        QString text;
        for (std::size_t i = 0; i < memo_.Lines.size(); ++i) {
            if (i > 0) {
                text += QChar('\n');
            }
            // A carriage return inside a line (the note of the mass log) is not shown.
            text += Q(memo_.Lines[i]).remove(QChar('\r'));
        }
        if (text != shown_) {
            // Lines added to what was shown (a log) scroll to the newest; a text written
            // anew (a report) opens at its first line.
            const bool appended = !shown_.isEmpty() && text.startsWith(shown_);
            shown_ = text;
            edit_->setPlainText(text);
            QScrollBar* bar = edit_->verticalScrollBar();
            bar->setValue(appended ? bar->maximum() : bar->minimum());
            // A new text starts without a selection.
            ReadSelection();
        }
        if (memo_.SelStart != seenStart_ || memo_.SelLength != seenLength_) {
            ShowSelection();  // the program selected
        }
    }

private:
    void ReadSelection() {
        const QTextCursor cursor = edit_->textCursor();
        memo_.SelStart = CharsBefore(shown_, cursor.selectionStart());
        memo_.SelLength = CharsBefore(shown_, cursor.selectionEnd()) - memo_.SelStart;
        seenStart_ = memo_.SelStart;
        seenLength_ = memo_.SelLength;
    }

    void ShowSelection() {
        QTextCursor cursor = edit_->textCursor();
        const int start = UnitsBefore(shown_, memo_.SelStart);
        const int end = UnitsBefore(shown_, memo_.SelStart + memo_.SelLength);
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        edit_->setTextCursor(cursor);
        ReadSelection();  // what lies within the text
    }

    Memo& memo_;
    QPlainTextEdit* edit_ = nullptr;
    QString shown_;
    // The selection the model last heard of from the field or showed in it.
    std::size_t seenStart_ = 0;
    std::size_t seenLength_ = 0;
};

// A picture of the program's own, drawn in code at the widget's size.
class PictureWidget : public QWidget {
public:
    PictureWidget(Image& image, QWidget* parent) : QWidget(parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintPicture(painter, rect(), image_.Picture);
    }

private:
    Image& image_;
};

class ImageBinding : public BindingBase {
public:
    ImageBinding(QtBinding& b, Image& c, QWidget* parent) : BindingBase(b, c), image_(c) {
        Attach(new PictureWidget(c, parent));
        router_->clicks = true;
    }

protected:
    void SyncKind() override {
        if (picture_ != image_.Picture) {
            picture_ = image_.Picture;
            widget_->update();
        }
    }

private:
    Image& image_;
    std::string picture_;
};

class TimerBinding : public WidgetBinding {
public:
    TimerBinding(QtBinding& b, Timer& c)
        : binding_(b), timer_model_(c), timer_(std::make_unique<QTimer>()) {
        QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(),
                         [this] { binding_.Fire(timer_model_.OnTimer); });
    }
    QWidget* Widget() const override { return nullptr; }
    void Sync() override {
        if (timer_->interval() != timer_model_.Interval) {
            timer_->setInterval(timer_model_.Interval);
        }
        if (timer_->isActive() != timer_model_.Enabled) {
            timer_model_.Enabled ? timer_->start() : timer_->stop();
        }
    }

private:
    QtBinding& binding_;
    Timer& timer_model_;
    std::unique_ptr<QTimer> timer_;
};

}  // namespace

std::unique_ptr<WidgetBinding> MakeKindBinding(QtBinding& b, Control& c, QWidget* parent) {
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
        case ControlKind::Label:
        case ControlKind::StaticText:
            return std::make_unique<LabelBinding>(b, static_cast<Label&>(c), parent);
        case ControlKind::Button:
        case ControlKind::BitBtn:
            return std::make_unique<ButtonBinding>(b, static_cast<Button&>(c), parent);
        case ControlKind::Edit:
            return std::make_unique<EditBinding>(b, static_cast<Edit&>(c), parent);
        case ControlKind::ComboBox:
            return std::make_unique<ComboBoxBinding>(b, static_cast<ComboBox&>(c), parent);
        case ControlKind::CheckBox:
            return std::make_unique<CheckBoxBinding>(b, static_cast<CheckBox&>(c), parent);
        case ControlKind::RadioGroup:
            return std::make_unique<RadioGroupBinding>(b, static_cast<RadioGroup&>(c), parent);
        case ControlKind::StringGrid:
            return std::make_unique<StringGridBinding>(b, static_cast<StringGrid&>(c), parent);
        case ControlKind::Memo:
            return std::make_unique<MemoBinding>(b, static_cast<Memo&>(c), parent);
        case ControlKind::Image:
            return std::make_unique<ImageBinding>(b, static_cast<Image&>(c), parent);
        case ControlKind::Timer:
            return std::make_unique<TimerBinding>(b, static_cast<Timer&>(c));
    }
    return nullptr;
}

}  // namespace tesmarik
