// The bindings of the kinds the user acts on: labels, buttons, edit fields, lists, check
// boxes and radio groups.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <limits>

#include "app/UserActions.h"
#include "files/QtText.h"
#include "qt/binding/FramedGroupBox.h"
#include "qt/binding/KindBindingBase.h"
#include "resources/Pictures.h"

namespace tesmarik {

namespace {

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
        full_ = Q(control_.Text);
        full_.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
            .replace(QChar('\r'), QChar('\n'));
        label_->setTextFormat(Qt::PlainText);
        label_->setWordWrap(label_model_.WordWrap);
        SyncFont(label_);
        if (!label_model_.AutoSize && label_->text() != full_) {
            label_->setText(full_);
        }
    }

    void SyncGeometry() override {
        if (!label_model_.AutoSize) {
            BindingBase::SyncGeometry();
            return;
        }
        // An auto-sized label grows with its text from its top-left corner, up to the
        // next widget on its right or the edge of what holds it; a text longer than that
        // is cut with "…" and shows whole in the tooltip, over nothing else.
        const QFontMetrics metrics(label_->font());
        const int frame = 2 * (label_->margin() + label_->frameWidth());
        const QStringList lines = full_.split(QChar('\n'));
        int needed = 0;
        for (const QString& line : lines) {
            needed = std::max(needed, metrics.horizontalAdvance(line));
        }
        const int room = Room(metrics.height() * static_cast<int>(lines.size())) - frame;
        QString shown = full_;
        if (!label_model_.WordWrap && needed > room && room > 0) {
            QStringList cut;
            for (const QString& line : lines) {
                // Qt measures the cut text finer than whole pixels: narrowed until its
                // width in pixels fits.
                QString fitted = line;
                for (int width = room; width > 0 && metrics.horizontalAdvance(fitted) > room;
                     --width) {
                    fitted = metrics.elidedText(line, Qt::ElideRight, width);
                }
                cut << fitted;
            }
            shown = cut.join(QChar('\n'));
        }
        cut_ = shown != full_;
        if (label_->text() != shown) {
            label_->setText(shown);
        }
        QSize size = label_->sizeHint();
        if (cut_) {
            size.setWidth(std::min(size.width(), room + frame));
        }
        const QRect wanted(QPoint(control_.Left, control_.Top), size);
        if (label_->geometry() != wanted) {
            label_->setGeometry(wanted);
        }
    }

    void SyncAfterOthers() override {
        if (label_model_.AutoSize && control_.Visible) {
            SyncGeometry();
            if (const QString tip = ToolTip(); label_->toolTip() != tip) {
                label_->setToolTip(tip);
            }
        }
    }

    QString ToolTip() const override {
        return cut_ && control_.Hint.empty() ? full_ : BindingBase::ToolTip();
    }

private:
    // The width from the label's left edge to the nearest shown widget on its right
    // within the label's lines, or to the inner edge of what holds it.
    int Room(int height) const {
        const QWidget* parent = label_->parentWidget();
        if (parent == nullptr) {
            return std::numeric_limits<int>::max() / 2;
        }
        // A text never touches its neighbour's.
        constexpr int kGap = 2;
        int right = parent->contentsRect().right() + 1;
        const int top = control_.Top;
        const int bottom = control_.Top + std::max(height, 1);
        for (const QObject* child : parent->children()) {
            const auto* widget = qobject_cast<const QWidget*>(child);
            if (widget == nullptr || widget == label_ || widget->isWindow() ||
                !widget->isVisibleTo(parent)) {
                continue;
            }
            const QRect g = widget->geometry();
            if (g.left() > control_.Left && g.top() < bottom && g.bottom() >= top) {
                right = std::min(right, g.left() - kGap);
            }
        }
        return right - control_.Left;
    }

    Label& label_model_;
    QLabel* label_ = nullptr;
    QString full_;      // the whole text
    bool cut_ = false;  // shown cut short with "…"
};

// Enter on a focused button presses it, as Space does, in every window of the program.
class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) {
            return false;
        }
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

class ButtonBinding : public BindingBase {
public:
    ButtonBinding(QtBinding& b, Button& c, QWidget* parent) : BindingBase(b, c), button_model_(c) {
        button_ = new QPushButton(parent);
        Attach(button_);
        button_->installEventFilter(new EnterPresses(button_));
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
        edit_->setMaxLength(edit_model_.MaxLength > 0 ? static_cast<int>(edit_model_.MaxLength)
                                                      : 32767);
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
        // Enter in an editable list keeps the typed text: the list's items are the model's,
        // and an item Qt added of its own would be picked as one the model does not have.
        box_->setInsertPolicy(QComboBox::NoInsert);
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

}  // namespace

std::unique_ptr<WidgetBinding> MakeInputBinding(QtBinding& b, Control& c, QWidget* parent) {
    switch (c.Kind) {
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
        default:
            return nullptr;
    }
}

}  // namespace tesmarik
