#include "qt/binding/KindBindingBase.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <algorithm>

#include "app/UserActions.h"
#include "files/QtText.h"
#include "qt/binding/ContextMenu.h"

namespace tesmarik {

namespace {

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

}  // namespace

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

bool EventRouter::eventFilter(QObject* watched, QEvent* event) {
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
        case QEvent::ShortcutOverride:
            // Esc during an edit in place belongs to the cell, not to the window's Esc.
            if (watched == keyTarget && cells &&
                static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
                static_cast<const StringGrid&>(control_).Editing) {
                event->accept();
            }
            break;
        case QEvent::MouseButtonDblClick:
            // A double click edits the cell in place, as F2 does, in a grid that takes its
            // typing through its key handler.
            if (cells && !static_cast<const StringGrid&>(control_).Editable) {
                binding_.Act([this](Window& w) {
                    TypeIntoCell(w, static_cast<StringGrid&>(control_), kEditCellKey);
                });
            }
            break;
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

bool EventRouter::KeyPressed(const QKeyEvent& key) {
    if (key.isAutoRepeat() && pressed_.count(key.key()) == 0) {
        return true;  // a key held down since before the field had the focus
    }
    pressed_.insert(key.key());
    // Delete removes what the current row shows in a grid that takes no typing; F2 edits
    // its current cell in place and Esc ends that edit.
    if (cells && !static_cast<const StringGrid&>(control_).Editable) {
        const bool editing = static_cast<const StringGrid&>(control_).Editing;
        const char32_t cellKey = key.key() == Qt::Key_Delete              ? kDeleteKey
                                 : key.key() == Qt::Key_F2                ? kEditCellKey
                                 : key.key() == Qt::Key_Escape && editing ? kEscapeKey
                                                                          : 0;
        if (cellKey != 0) {
            binding_.Act([this, cellKey](Window& w) {
                TypeIntoCell(w, static_cast<StringGrid&>(control_), cellKey);
            });
            return true;
        }
    }
    // A grid's own paste and copy: Ctrl+V types the clipboard's lines into the cells,
    // Ctrl+C puts the selected cells there.
    const bool paste = key.matches(QKeySequence::Paste);
    if (cells && (paste || key.matches(QKeySequence::Copy))) {
        auto& grid = static_cast<StringGrid&>(control_);
        binding_.Act([&grid, paste](Window& w) {
            if (paste) {
                PasteCells(w, grid);
            } else {
                CopyCells(w, grid);
            }
        });
        return true;
    }
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

void EventRouter::KeyReleased(const QKeyEvent& key) {
    if (key.isAutoRepeat() || pressed_.erase(key.key()) == 0) {
        return;
    }
    binding_.Act([this](Window& w) { ReleaseKey(w, control_); });
}

void BindingBase::Sync() {
    SyncKind();
    if (widget_->isEnabled() != control_.Enabled) {
        widget_->setEnabled(control_.Enabled);
    }
    SyncContextMenu(control_, widget_);
    SyncGeometry();
    if (const QString tip = ToolTip(); widget_->toolTip() != tip) {
        widget_->setToolTip(tip);
    }
    // The program entry shows the window itself; the binding shows and hides the rest.
    if (widget_->parentWidget() != nullptr &&
        (widget_->isVisibleTo(widget_->parentWidget()) != control_.Visible || !synced_)) {
        widget_->setVisible(control_.Visible);
    }
    synced_ = true;
}

QString BindingBase::ToolTip() const {
    return Q(control_.Hint);
}

void BindingBase::SyncGeometry() {
    const QRect wanted(control_.Left, control_.Top, control_.Width, control_.Height);
    if (widget_->geometry() != wanted) {
        widget_->setGeometry(wanted);
    }
}

void BindingBase::Attach(QWidget* widget) {
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

void BindingBase::RouteKeys(QWidget* target) {
    if (target != widget_) {
        target->installEventFilter(router_);
    }
    router_->keyTarget = target;
}

void BindingBase::TakeTyping(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this, edit](const QString& typed) {
        QString text = typed;
        // A one-line field takes a pasted text up to its first line break, as the desktop's
        // one-line fields do: "530" and a line break copied from a list give "530". What
        // stood after the cursor stays.
        const int lineBreak = text.indexOf(QRegularExpression("[\r\n]"));
        if (lineBreak >= 0) {
            const int cursor = std::max(edit->cursorPosition(), lineBreak);
            text = text.left(lineBreak) + text.mid(cursor).remove(QRegularExpression("[\r\n]"));
            const QSignalBlocker quiet(edit);
            edit->setText(text);
            edit->setCursorPosition(lineBreak);
        }
        binding_.Act(
            [this, text = text.toStdString()](Window& w) { ChangeText(w, control_, text); });
    });
}

void BindingBase::SyncFont(QWidget* target) {
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

}  // namespace tesmarik
