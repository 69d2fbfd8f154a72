// What the real window looks like on the X server: greyed disabled controls, nothing cut
// by a frame, cells that keep apart, the report from its first line, title and icon.
#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QToolTip>

#include "files/QtFiles.h"
#include "tabs/price/PriceGridPaint.h"
#include "tests/display/RealWindow.h"
#include "tests/display/Steps.h"

namespace tesmarik {
namespace {

class Look : public RealWindowWithPrices {
protected:
    void ShowTab(XUser& user, int index) {
        Act(user, [index](Window& w) { ChangePage(w, w.form.PageControl1, index); });
        user.Settle(200);
    }

    int DarkOnScreen(XUser& user, const char* name) {
        return user.OnGui([&] { return DarkPixels(OnScreen(W(name))); });
    }
};

// Disabled controls are drawn greyed: no black caption; enabled ones keep black captions.
TEST_F(Look, DisabledControlsAreGreyed) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 0);
        for (const char* disabled : {"Button15", "RadioGroup2"}) {
            ASSERT_FALSE(user.OnGui([&] { return W(disabled)->isEnabled(); })) << disabled;
            EXPECT_EQ(DarkOnScreen(user, disabled), 0) << disabled;
        }
        EXPECT_GT(DarkOnScreen(user, "Button1"), 20);

        ShowTab(user, 1);
        for (const char* disabled : {"Button2", "Panel1"}) {
            ASSERT_FALSE(user.OnGui([&] { return W(disabled)->isEnabled(); })) << disabled;
            EXPECT_EQ(DarkOnScreen(user, disabled), 0) << disabled;
        }
        Act(user, [](Window& w) { ChooseLoadingPipe(w); });
        EXPECT_TRUE(user.WaitFor([&] { return DarkPixels(OnScreen(W("Button2"))) > 20; }));
    });
}

// Every radio button lies whole inside its group's frame, its caption uncut.
TEST_F(Look, RadioButtonsFitTheirFrames) {
    RunAsUser([&](XUser& user) {
        for (const char* name : {"RadioGroup1", "RadioGroup2", "RadioGroup3"}) {
            user.OnGui([&] {
                QWidget* box = W(name);
                const QRect inside = box->rect().adjusted(2, 2, -2, -2);
                const auto buttons = box->findChildren<QRadioButton*>();
                EXPECT_FALSE(buttons.isEmpty()) << name;
                for (const QRadioButton* button : buttons) {
                    EXPECT_TRUE(inside.contains(button->geometry()))
                        << name << " " << button->text().toStdString();
                    EXPECT_GE(button->width(), button->sizeHint().width())
                        << button->text().toStdString();
                    EXPECT_GE(button->height(), QFontMetrics(button->font()).height())
                        << button->text().toStdString();
                }
            });
        }
    });
}

// The reference text box shows all four edges on the window's face.
TEST_F(Look, TheReferenceTextBoxHasFourEdges) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 0);
        Act(user, [](Window& w) { PickItem(w, w.form.ComboBox1, 0); });
        // Its left edge is drawn dark in every look: the box is on screen once it shows.
        ASSERT_TRUE(user.WaitFor([&] {
            const QImage shown = OnScreen(W("StaticText1"));
            return shown.pixelColor(0, shown.height() / 2).lightness() <
                   W("StaticText1")->palette().color(QPalette::Window).lightness() - 20;
        }));
        const QImage box = user.OnGui([&] { return OnScreen(W("StaticText1")); });
        const QColor face =
            user.OnGui([&] { return W("StaticText1")->palette().color(QPalette::Window); });
        const auto edge = [&](int x, int y) { return box.pixelColor(x, y).lightness(); };
        const int w = box.width();
        const int h = box.height();
        EXPECT_LT(edge(0, h / 2), face.lightness() - 20);
        EXPECT_LT(edge(w / 2, 0), face.lightness() - 20);
        EXPECT_LT(edge(w - 1, h / 2), face.lightness() - 20);
        EXPECT_LT(edge(w / 2, h - 1), face.lightness() - 20);
    });
}

// In the coloured rows of the price grid no text runs into the next cell: the last pixels
// of every cell are its fill.
TEST_F(Look, PriceCellsKeepAGap) {
    window_.reset();
    // Rows to order (coloured) whose standard and description are wider than their cells.
    const std::string longRow =
        "n;530;8-10;17Г1С;ТУ 1381-012-05757848-2005;72500;прямошовные горячекатаные трубы "
        "большого диаметра;Москва;Игорь;AEA5A3;60";
    QtFiles::WriteLines((home_.path() + "/.cache/tesmarik/1.csv").toStdString(),
                        {"Тип;Диаметр;Стенка;Сталь;ГОСТ/ТУ;Цена, руб./т;Описание/Дополнение;"
                         "Склад;Менеджер;Заказ;Кол-во, т",
                         longRow, longRow, longRow});
    Open();
    RunAsUser([&](XUser& user) {
        ShowTab(user, 2);
        auto* grid = user.OnGui([&] { return static_cast<QTableWidget*>(W("Tabl")); });
        int overflowing = 0;
        int checked = 0;
        user.OnGui([&] {
            // The first coloured row in view.
            for (int r = 0; r < grid->rowCount(); ++r) {
                if (TablDrawCell(Model().form, 0, r + Model().form.Tabl.FixedRows, {}).fill) {
                    grid->scrollToItem(grid->item(r, 0), QAbstractItemView::PositionAtTop);
                    break;
                }
            }
        });
        user.Settle(300);
        user.OnGui([&] {
            const QImage shot = OnScreen(grid->viewport());
            const QFontMetrics metrics(grid->font());
            const int last = grid->rowAt(grid->viewport()->height() - 1);
            for (int r = grid->rowAt(0); r >= 0 && r <= (last < 0 ? grid->rowCount() - 1 : last);
                 ++r) {
                const int row = r + Model().form.Tabl.FixedRows;
                for (int c = 0; c < grid->columnCount(); ++c) {
                    if (!TablDrawCell(Model().form, c, row, {}).fill) {
                        continue;
                    }
                    const QRect cell = grid->visualRect(grid->model()->index(r, c));
                    if (cell.width() < 4 || cell.bottom() >= shot.height()) {
                        continue;
                    }
                    ++checked;
                    if (metrics.horizontalAdvance(grid->item(r, c)->text()) > cell.width()) {
                        ++overflowing;
                    }
                    const QColor fill = shot.pixelColor(cell.right(), cell.top() + 1);
                    for (int x = cell.right() - 1; x <= cell.right(); ++x) {
                        for (int y = cell.top(); y <= cell.bottom(); ++y) {
                            EXPECT_EQ(shot.pixelColor(x, y), fill)
                                << "cell " << c << "," << row << " at " << x << "," << y;
                        }
                    }
                }
            }
        });
        EXPECT_GT(checked, 0);
        EXPECT_GT(overflowing, 0) << "no coloured cell whose text is wider than the cell";
    });
}

// After a computation the loading report opens at its first line.
TEST_F(Look, TheLoadingReportOpensAtItsFirstLine) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 1);
        Act(user, [](Window& w) {
            ChooseLoadingPipe(w);
            PickRadio(w, w.form.RadioGroup3, 0);
            for (const char32_t key : std::u32string(U"500")) {
                TypeCharacter(w, w.form.Edit8, key);
            }
        });
        user.Click(user.OnGui([&] { return W("Button2"); }));
        user.Click(user.OnGui([&] { return W("BitBtn2"); }));
        auto* report = user.OnGui([&] { return static_cast<QPlainTextEdit*>(W("Memo3")); });
        ASSERT_TRUE(user.WaitFor([&] { return report->isVisible(); }));
        EXPECT_GT(user.OnGui([&] { return report->verticalScrollBar()->maximum(); }), 0);
        EXPECT_EQ(user.OnGui([&] { return report->verticalScrollBar()->value(); }), 0);
        EXPECT_TRUE(user.OnGui([&] {
            return report->document()->findBlockByNumber(1).text().startsWith(
                QString::fromUtf8("ТС:"));
        }));
    });
}

// Resting the mouse on the mass of one metre shows the desktop's tooltip with the formula
// that gave it.
TEST_F(Look, TheMassOfOneMetreExplainsItselfInATooltip) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 0);
        Act(user, [](Window& w) { ChooseWorkedExample(w); });
        user.Click(user.OnGui([&] { return W("Button1"); }));
        QWidget* mass = user.OnGui([&] { return W("Label95"); });
        ASSERT_TRUE(user.WaitFor([&] { return mass->isVisible(); }));
        user.MoveTo(mass);
        ASSERT_TRUE(user.WaitFor([] { return QToolTip::isVisible(); }));
        EXPECT_EQ(user.OnGui([] { return QToolTip::text(); }),
                  QString::fromUtf8("по формуле 0,02466 × s × (D − s): 102,98 кг, с надбавкой "
                                    "1 % на сварной шов: 104,01 кг"));
    });
}

// The title bar shows the form's caption exactly; the window carries the logo as its icon,
// and the packaged icon's corners are transparent.
TEST_F(Look, TitleAndIcon) {
    RunAsUser([&](XUser& user) {
        const auto window = user.OnGui([&] { return static_cast<unsigned long>(Top()->winId()); });
        EXPECT_EQ(user.WindowProperty(window, "_NET_WM_NAME", "UTF8_STRING"),
                  user.OnGui([&] { return Model().form.Form1.Text; }));
        EXPECT_FALSE(user.WindowProperty(window, "_NET_WM_ICON", "CARDINAL").empty());
    });
    const QImage icon(TESMARIK_ICON_FILE);
    ASSERT_FALSE(icon.isNull());
    for (const QPoint corner : {QPoint(0, 0), QPoint(icon.width() - 1, icon.height() - 1)}) {
        EXPECT_EQ(icon.pixelColor(corner).alpha(), 0);
    }
    EXPECT_EQ(icon.pixelColor(icon.rect().center()).alpha(), 255);
}

// Numbers too long for their place are cut with "…" and show whole in the tooltip; no
// label runs over another widget: a consignment of 10^12 t on the loading tab, a piece
// count of some 10^298 on the result panel of the mass tab.
TEST_F(Look, LongNumbersAreCutAndShowWholeInTheTooltip) {
    // Where the lines of a label's text stand (an empty line covers nothing), in its
    // parent.
    const auto inked = [](const QLabel* label) {
        std::vector<QRect> lines;
        const QFontMetrics metrics(label->font());
        const QPoint at = label->geometry().topLeft() + label->contentsRect().topLeft();
        const int width = label->wordWrap() ? label->contentsRect().width() : 1 << 20;
        int y = 0;
        for (const QString& text : label->text().split('\n')) {
            // A label that wraps its words breaks a long line in its width.
            const QRect r = metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap,
                                                 text.isEmpty() ? " " : text);
            if (!text.isEmpty()) {
                lines.emplace_back(at + QPoint(0, y), r.size());
            }
            y += r.height();
        }
        return lines;
    };
    const auto noOverlaps = [&](XUser& user, const char* holder) {
        user.OnGui([&] {
            QWidget* parent = W(holder);
            const auto labels = parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
            for (const QLabel* label : labels) {
                if (!label->isVisibleTo(parent) || label->text().isEmpty()) {
                    continue;
                }
                for (const QRect& line : inked(label)) {
                    EXPECT_TRUE(parent->contentsRect().contains(line))
                        << label->text().toStdString() << " leaves " << holder;
                    for (const QObject* child : parent->children()) {
                        const auto* other = qobject_cast<const QWidget*>(child);
                        if (other == nullptr || other == label || !other->isVisibleTo(parent)) {
                            continue;
                        }
                        const auto* otherLabel = qobject_cast<const QLabel*>(other);
                        const std::vector<QRect> areas = otherLabel != nullptr
                                                             ? inked(otherLabel)
                                                             : std::vector{other->geometry()};
                        for (const QRect& area : areas) {
                            EXPECT_FALSE(line.intersects(area))
                                << label->text().toStdString() << " runs over "
                                << (otherLabel != nullptr ? otherLabel->text().toStdString()
                                                          : other->metaObject()->className());
                        }
                    }
                }
            }
        });
    };
    RunAsUser([&](XUser& user) {
        ClickTab(user, 1);
        Act(user, [](Window& w) {
            ChooseLoadingPipe(w);
            PickRadio(w, w.form.RadioGroup3, 0);
            ChangeText(w, w.form.Edit8, "1000000000000");
            ClickControl(w, w.form.Button2);
            ChangePage(w, w.form.PageControl2, 1);
        });
        ASSERT_TRUE(user.WaitFor([&] { return W("Label81")->isVisible(); }));
        const std::string vehicles = user.OnGui([&] { return Model().form.Label81.Text; });
        ASSERT_GE(vehicles.size(), 10u) << vehicles;
        auto* label = user.OnGui([&] { return qobject_cast<QLabel*>(W("Label81")); });
        EXPECT_TRUE(user.OnGui([&] { return label->text().endsWith(QString::fromUtf8("…")); }))
            << user.OnGui([&] { return label->text().toStdString(); });
        EXPECT_EQ(user.OnGui([&] { return label->toolTip().toStdString(); }), vehicles);
        noOverlaps(user, "TabSheet9");
        SaveScreenshot(user.OnGui([&] { return OnScreen(W("PageControl2")); }),
                       "loading-long-numbers");

        ClickTab(user, 0);
        Act(user, [](Window& w) {
            ChooseMassPipe(w, 1);
            for (const char32_t key : std::u32string(U"1e300")) {
                TypeCharacter(w, w.form.Edit10, key);
            }
            ClickControl(w, w.form.Button1);
        });
        ASSERT_TRUE(user.WaitFor([&] { return !Model().form.Label101.Text.empty(); }));
        noOverlaps(user, "Panel6");
        EXPECT_TRUE(user.OnGui([&] {
            return qobject_cast<QLabel*>(W("Label101"))
                ->toolTip()
                .contains(QString::fromStdString(Model().form.Label101.Text));
        })) << user.OnGui([&] { return Model().form.Label101.Text; });
    });
}

// Price columns can be read in full: a cut cell shows its text in a tooltip, a double
// click on a column's border fits the column to its widest text; a selected row in a
// colour of its own reads in dark text; a dragged border widens a column and the width
// stays after a filter; rows keep one height.
TEST_F(Look, PriceColumnsCanBeReadInFull) {
    window_.reset();
    const std::string standard = "ТУ 1381-012-05757848-2005";
    const std::string toOrder = "n;530;8-10;17Г1С;" + standard +
                                ";72500;прямошовные горячекатаные трубы большого диаметра;"
                                "Москва;Игорь;AEA5A3;60";
    const std::string plain = "n;720;10;09Г2С;ГОСТ 10704-91;70000;трубы;Москва;Игорь;;20";
    QtFiles::WriteLines((home_.path() + "/.cache/tesmarik/1.csv").toStdString(),
                        {"Тип;Диаметр;Стенка;Сталь;ГОСТ/ТУ;Цена, руб./т;Описание/Дополнение;"
                         "Склад;Менеджер;Заказ;Кол-во, т",
                         toOrder, plain, toOrder, plain});
    Open();
    RunAsUser([&](XUser& user) {
        ShowTab(user, 2);
        auto* grid = user.OnGui([&] { return static_cast<QTableWidget*>(W("Tabl")); });
        auto* header = user.OnGui([&] { return grid->horizontalHeader(); });
        constexpr int kStandard = 4;
        ASSERT_EQ(user.OnGui([&] { return grid->item(0, kStandard)->text().toStdString(); }),
                  standard);
        const int textWidth = user.OnGui([&] {
            return QFontMetrics(grid->font()).horizontalAdvance(QString::fromStdString(standard));
        });
        ASSERT_LT(user.OnGui([&] { return grid->columnWidth(kStandard); }), textWidth)
            << "the standard is cut at the start";

        // The cut cell's tooltip.
        user.MoveTo(grid->viewport(), user.OnGui([&] {
            return grid->visualRect(grid->model()->index(0, kStandard)).center();
        }));
        EXPECT_TRUE(user.WaitFor([] { return QToolTip::isVisible(); })) << "a tooltip";
        EXPECT_EQ(user.OnGui([] { return QToolTip::text().toStdString(); }), standard);

        // A double click on the column's right border fits it to its widest text.
        const auto border = [&](int column) {
            return user.OnGui([&] {
                return QPoint(
                    header->sectionViewportPosition(column) + header->sectionSize(column) - 1,
                    header->height() / 2);
            });
        };
        const QPoint standardBorder = border(kStandard);
        user.Click(header, standardBorder);
        user.Click(header, standardBorder);
        EXPECT_TRUE(user.WaitFor([&] { return grid->columnWidth(kStandard) >= textWidth; }))
            << user.OnGui([&] { return grid->columnWidth(kStandard); }) << " for " << textWidth;

        // The third row, to order, in pale green: selected, its cells other than the
        // focused one read in dark text on that colour.
        user.Click(grid->viewport(), user.OnGui([&] {
            return grid->visualRect(grid->model()->index(2, 1)).center();
        }));
        ASSERT_TRUE(user.WaitFor([&] { return grid->item(2, 2)->isSelected(); }));
        user.Settle(200);
        const QImage cell = user.OnGui([&] {
            const QRect r = grid->visualRect(grid->model()->index(2, 2));
            return OnScreen(grid->viewport()).copy(r);
        });
        EXPECT_EQ(cell.pixelColor(cell.width() - 3, cell.height() / 2), QColor(204, 255, 204))
            << "the row's own colour";
        EXPECT_GT(DarkPixels(cell), 10) << "dark text in the selected row";

        // A dragged border widens the column, and the width stays after a filter.
        constexpr int kSteel = 3;
        const int before = user.OnGui([&] { return grid->columnWidth(kSteel); });
        const QPoint steelBorder = border(kSteel);
        user.Drag(header, steelBorder, steelBorder + QPoint(60, 0));
        EXPECT_TRUE(user.WaitFor([&] { return grid->columnWidth(kSteel) >= before + 40; }))
            << user.OnGui([&] { return grid->columnWidth(kSteel); }) << " from " << before;
        const int widened = user.OnGui([&] { return grid->columnWidth(kSteel); });
        Act(user, [](Window& w) { ChangeText(w, w.form.ComboBox7, "530"); });
        ASSERT_TRUE(user.WaitFor([&] { return grid->rowCount() == 2; }));
        EXPECT_EQ(user.OnGui([&] { return grid->columnWidth(kSteel); }), widened);
        user.OnGui([&] {
            for (int r = 0; r < grid->rowCount(); ++r) {
                EXPECT_EQ(grid->rowHeight(r), Model().form.Tabl.DefaultRowHeight) << r;
            }
        });
    });
}

}  // namespace
}  // namespace tesmarik
