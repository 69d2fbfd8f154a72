// The bindings of the kinds that show more than a line: grids, multi-line fields,
// pictures; and the timer.
#include <QHeaderView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextCursor>
#include <QTimer>
#include <set>

#include "app/UserActions.h"
#include "files/QtText.h"
#include "qt/binding/KindBindingBase.h"
#include "qt/binding/QtGridDelegate.h"
#include "resources/Pictures.h"

namespace tesmarik {

namespace {

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
                                 MoveToCell(grid_, col, row + grid_.FixedRows);
                             }
                         });
        focus_ = new FocusFilter(grid_, table_);
        table_->installEventFilter(focus_);
        // The user's selection is the grid's own state, kept in the model without an event.
        QObject::connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, table_,
                         [this] { ReadSelection(); });
        // A width the user gave, not one the binding set.
        QObject::connect(table_->horizontalHeader(), &QHeaderView::sectionResized, table_,
                         [this](int column, int, int) {
                             if (!syncing_) {
                                 userWidths_.insert(column);
                             }
                         });
    }

protected:
    void SyncKind() override {
        const QSignalBlocker blocker(table_);
        const QScopedValueRollback<bool> syncing(syncing_, true);
        SyncFont(table_);
        table_->setSelectionBehavior(grid_.RowSelect ? QAbstractItemView::SelectRows
                                                     : QAbstractItemView::SelectItems);
        // A block of cells is selected in a grid that selects rows and in one the user types
        // into (to copy it); a cell alone in the rest.
        table_->setSelectionMode(grid_.RowSelect || grid_.Editable
                                     ? QAbstractItemView::ContiguousSelection
                                     : QAbstractItemView::SingleSelection);
        // Tab and Shift+Tab leave a grid that selects whole rows (or one that asks for it),
        // as they leave the other lists of the window; the arrows move within it.
        table_->setTabKeyNavigation(!grid_.RowSelect && grid_.TabWalksCells);
        const int rows = std::max(0, grid_.RowCount - grid_.FixedRows);
        if (table_->columnCount() != grid_.ColCount) {
            table_->setColumnCount(grid_.ColCount);
        }
        if (table_->rowCount() != rows) {
            table_->setRowCount(rows);
        }
        // Every row the model's height, whatever the style's least height of a row: the
        // rows a filter leaves and those it adds alike.
        if (table_->verticalHeader()->minimumSectionSize() > grid_.DefaultRowHeight) {
            table_->verticalHeader()->setMinimumSectionSize(grid_.DefaultRowHeight);
        }
        table_->verticalHeader()->setDefaultSectionSize(grid_.DefaultRowHeight);
        table_->horizontalHeader()->setFixedHeight(grid_.DefaultRowHeight + 2);
        // The columns of a price list are the user's to widen (by a border, or to the
        // widest text by a double click on it), with a scroll bar when they outgrow the
        // grid; the widths the user gave last until the window closes.
        const auto resize = grid_.RowSelect ? QHeaderView::Interactive : QHeaderView::Fixed;
        if (table_->horizontalHeader()->count() > 0 &&
            table_->horizontalHeader()->sectionResizeMode(0) != resize) {
            table_->horizontalHeader()->setSectionResizeMode(resize);
            table_->setHorizontalScrollBarPolicy(grid_.RowSelect ? Qt::ScrollBarAsNeeded
                                                                 : Qt::ScrollBarAlwaysOff);
        }
        for (int c = 0; c < grid_.ColCount; ++c) {
            if (userWidths_.count(c) == 0 && table_->columnWidth(c) != grid_.ColWidth(c)) {
                table_->setColumnWidth(c, grid_.ColWidth(c));
            }
            const QString heading = grid_.FixedRows > 0 ? Q(grid_.Cell(c, 0)) : QString();
            QTableWidgetItem* header = table_->horizontalHeaderItem(c);
            if (header == nullptr) {
                table_->setHorizontalHeaderItem(c, new QTableWidgetItem(heading));
            } else if (header->text() != heading) {
                header->setText(heading);
            }
            const Qt::Alignment align =
                (grid_.RightAligned.count(c) != 0 ? Qt::AlignRight : Qt::AlignLeft) |
                Qt::AlignVCenter;
            for (int r = 0; r < rows; ++r) {
                const QString text = Q(grid_.Cell(c, r + grid_.FixedRows));
                QTableWidgetItem* item = table_->item(r, c);
                if (item == nullptr) {
                    item = new QTableWidgetItem(text);
                    table_->setItem(r, c, item);
                } else if (item->text() != text) {
                    item->setText(text);
                }
                if (item->textAlignment() != static_cast<int>(align)) {
                    item->setTextAlignment(align);
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
    void ReadSelection() {
        const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
        grid_.SelLeft = grid_.SelTop = grid_.SelRight = grid_.SelBottom = -1;
        for (const QTableWidgetSelectionRange& range : ranges) {
            const int top = range.topRow() + grid_.FixedRows;
            const int bottom = range.bottomRow() + grid_.FixedRows;
            const bool first = grid_.SelTop < 0;
            grid_.SelLeft =
                first ? range.leftColumn() : std::min(grid_.SelLeft, range.leftColumn());
            grid_.SelRight =
                first ? range.rightColumn() : std::max(grid_.SelRight, range.rightColumn());
            grid_.SelTop = first ? top : std::min(grid_.SelTop, top);
            grid_.SelBottom = first ? bottom : std::max(grid_.SelBottom, bottom);
        }
    }

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
                // Leaving the grid (Tab, a click elsewhere) ends an edit in place.
                grid_.Editing = grid_.Editing && grid_.Focused;
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
    std::set<int> userWidths_;  // columns the user resized
    bool syncing_ = false;
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
        // Tab moves on to the next control, as in every other field of the window.
        edit_->setTabChangesFocus(true);
        QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] {
            shown_ = edit_->toPlainText();
            ChangeText(binding_.Model(), memo_, shown_.toStdString());
            told_ = memo_.Lines;
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
        // Only lines the program wrote are shown anew. The lines the field itself told the
        // model may read differently (a line break at the end, a carriage return): writing
        // them back would undo the user's typing, and, during a paste still under way,
        // pull the text from under the field's own edit.
        if (synced_ && memo_.Lines == told_) {
            ShowProgramSelection();
            return;
        }
        told_ = memo_.Lines;
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
        ShowProgramSelection();
    }

private:
    void ReadSelection() {
        const QTextCursor cursor = edit_->textCursor();
        memo_.SelStart = CharsBefore(shown_, cursor.selectionStart());
        memo_.SelLength = CharsBefore(shown_, cursor.selectionEnd()) - memo_.SelStart;
        seenStart_ = memo_.SelStart;
        seenLength_ = memo_.SelLength;
    }

    void ShowProgramSelection() {
        if (memo_.SelStart != seenStart_ || memo_.SelLength != seenLength_) {
            ShowSelection();
        }
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
    // The lines the model took from the field when the user last changed its text.
    std::vector<std::string> told_;
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

std::unique_ptr<WidgetBinding> MakeViewBinding(QtBinding& b, Control& c, QWidget* parent) {
    switch (c.Kind) {
        case ControlKind::StringGrid:
            return std::make_unique<StringGridBinding>(b, static_cast<StringGrid&>(c), parent);
        case ControlKind::Memo:
            return std::make_unique<MemoBinding>(b, static_cast<Memo&>(c), parent);
        case ControlKind::Image:
            return std::make_unique<ImageBinding>(b, static_cast<Image&>(c), parent);
        case ControlKind::Timer:
            return std::make_unique<TimerBinding>(b, static_cast<Timer&>(c));
        default:
            return nullptr;
    }
}

}  // namespace tesmarik
