// The commercial offer's window on the real display: reached from the price grid's menu
// through the cost window, beside the main window, its quantities typed in its grid.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

#include "offer/OfferPosition.h"
#include "tests/display/RealWindow.h"
#include "tests/display/Steps.h"

namespace tesmarik {
namespace {

class OfferWindow : public RealWindowWithPrices {
protected:
    QtBinding* Binding(const char* form) { return window_->Binding().DialogBinding(form); }
    QString LabelText(const char* name) {
        auto* label = qobject_cast<QLabel*>(Binding("Form3")->WidgetOf(name));
        return label != nullptr ? label->text() : QString("no label");
    }

    QMenu* MenuOnRow(XUser& user, int row) {
        auto* grid = user.OnGui([&] { return static_cast<QTableWidget*>(W("Tabl")); });
        const QPoint at =
            user.OnGui([&] { return grid->visualRect(grid->model()->index(row, 1)).center(); });
        user.RightClick(grid->viewport(), at);
        EXPECT_TRUE(
            user.WaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }));
        return user.OnGui([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); });
    }

    void Choose(XUser& user, QMenu* menu, const QString& caption) {
        const QPoint at = user.OnGui([&] {
            for (QAction* a : menu->actions()) {
                if (a->text() == caption) {
                    return menu->actionGeometry(a).center();
                }
            }
            return QPoint(-1, -1);
        });
        ASSERT_NE(at, QPoint(-1, -1)) << caption.toStdString();
        user.Click(menu, at);
    }

    // Row `row` (from 0) priced in the cost window at `quantity` metres and added.
    void AddRow(XUser& user, int row, const char* quantity) {
        Choose(user, MenuOnRow(user, row), "Добавить в предложение…");
        ASSERT_TRUE(user.WaitFor([&] { return Binding("Form2") != nullptr; }));
        user.Click(user.OnGui([&] { return Binding("Form2")->WidgetOf("Edit1"); }));
        user.Type(quantity);
        user.Click(user.OnGui([&] { return Binding("Form2")->WidgetOf("Button2"); }));
        ASSERT_TRUE(user.WaitFor(
            [&] { return Binding("Form2") == nullptr && Binding("Form3") != nullptr; }));
    }
};

TEST_F(OfferWindow, PositionsFromThePriceGridBesideTheMainWindow) {
    RunAsUser([&](XUser& user) {
        ClickTab(user, 2);
        ASSERT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 2; }));
        // 57 × 3,5 at 78500 руб./т, then 89 × 4 at 76500 руб./т.
        AddRow(user, 0, "1000");
        QWidget* offer = user.OnGui([&] { return Binding("Form3")->TopLevel(); });
        EXPECT_EQ(user.OnGui([&] { return offer->windowModality(); }), Qt::NonModal);
        EXPECT_EQ(user.OnGui([&] { return offer->windowTitle(); }), "Коммерческое предложение");
        // It opens beside the main window, not over it.
        EXPECT_FALSE(
            user.OnGui([&] { return offer->frameGeometry().intersects(Top()->frameGeometry()); }));
        // The main window goes on taking input while the offer is open.
        AddRow(user, 2, "500");
        EXPECT_EQ(user.OnGui([&] { return Model().state.offer.offer.positions.size(); }), 2u);

        // The quantity typed into the grid's cell: Backspace, then digits.
        auto* grid = user.OnGui(
            [&] { return static_cast<QTableWidget*>(Binding("Form3")->WidgetOf("StringGrid1")); });
        const QPoint cell =
            user.OnGui([&] { return grid->visualRect(grid->model()->index(0, 2)).center(); });
        user.Click(grid->viewport(), cell);
        for (int i = 0; i < 4; ++i) {
            user.Key("BackSpace");
        }
        user.Type("2000");
        ASSERT_TRUE(user.WaitFor(
            [&] { return grid->item(0, 2) != nullptr && grid->item(0, 2)->text() == "2000"; }));
        // 2000 m of 57 × 3,5 (4,62 kg/m) are 9,24 t.
        EXPECT_EQ(user.OnGui([&] { return grid->item(0, 6)->text(); }), "9,24");

        // The longest name of the sample list, a large cost, and sizes the platform's norms
        // do not cover: each cell's text whole within its column.
        Act(user, [](Window& w) {
            AddPosition(w.state.offer.offer,
                        {"n", 1020, 14, "17Г1С-У 13Г1С-У", "ТУ 1381-012-05757848-2005", "81000",
                         QuantityUnit::Tonnes, 100000, 11.3});
            PickText(w, w.form3.ComboBox1, "платформа-трубовоз");
        });
        ASSERT_EQ(user.OnGui([&] { return grid->rowCount(); }), 3);
        EXPECT_EQ(user.OnGui([&] { return grid->item(0, 9)->text(); }), "нет норм погрузки");
        EXPECT_EQ(user.OnGui([&] { return grid->item(2, 8)->text(); }), "8 100 000 000,00");
        user.OnGui([&] {
            for (int r = 0; r < grid->rowCount(); ++r) {
                for (int c = 0; c < grid->columnCount(); ++c) {
                    const QString text =
                        grid->item(r, c) != nullptr ? grid->item(r, c)->text() : "";
                    EXPECT_LE(grid->fontMetrics().horizontalAdvance(text) + 6, grid->columnWidth(c))
                        << text.toStdString();
                }
            }
        });

        // Every text whole, inside the window.
        user.OnGui([&] {
            for (QLabel* label : offer->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty() || label->wordWrap()) {
                    continue;
                }
                const QRect on = QRect(label->mapTo(offer, QPoint(0, 0)), label->size());
                EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
                EXPECT_TRUE(offer->rect().contains(on)) << label->text().toStdString();
            }
            for (QPushButton* button : offer->findChildren<QPushButton*>()) {
                EXPECT_GE(button->width(), button->sizeHint().width() - 8)
                    << button->text().toStdString();
            }
        });
        const QImage shot = user.OnGui([&] { return OnScreen(offer); });
        EXPECT_TRUE(SaveScreenshot(shot, "offer-window"));

        // Delete removes the current row's position.
        user.Key("Delete");
        ASSERT_TRUE(user.WaitFor([&] { return Model().state.offer.offer.positions.size() == 2; }));
        EXPECT_EQ(user.OnGui([&] { return grid->item(0, 1)->text(); }),
                  "Труба 89×4 ст.20 ГОСТ 8732-78");

        // "Сохранить в PDF…": the save dialog opens over the offer's window and proposes
        // the offer's number and client as the file's name.
        Act(user, [](Window& w) { ChangeText(w, w.form3.Edit2, "ООО \"Клиент\""); });
        user.Click(user.OnGui([&] { return Binding("Form3")->WidgetOf("Button3"); }));
        ASSERT_TRUE(
            user.WaitFor([] { return qobject_cast<QFileDialog*>(OpenDialog()) != nullptr; }));
        user.OnGui([&] {
            auto* dialog = qobject_cast<QFileDialog*>(OpenDialog());
            EXPECT_EQ(dialog->parentWidget()->window(), offer);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            EXPECT_EQ(name->text().toStdString(),
                      "КП " + Model().state.offer.offer.number + " ООО Клиент.pdf");
            dialog->reject();
        });
        ASSERT_TRUE(user.WaitFor([] { return OpenDialog() == nullptr; }));
        // Printing to a file proposes the same name, the date's year kept: in the print
        // dialog, or, with no printer installed, in the PDF offered in its place.
        user.Click(user.OnGui([&] { return Binding("Form3")->WidgetOf("Button2"); }));
        const std::string proposed = "КП " + Model().state.offer.offer.number + " ООО Клиент.pdf";
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            ASSERT_TRUE(WaitForMessageBox(user));
            user.OnGui([] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr);
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text().contains("PDF")) {
                        button->click();
                        return;
                    }
                }
                ADD_FAILURE() << "no button offers the PDF";
            });
            ASSERT_TRUE(
                user.WaitFor([] { return qobject_cast<QFileDialog*>(OpenDialog()) != nullptr; }));
            user.OnGui([&] {
                auto* dialog = qobject_cast<QFileDialog*>(OpenDialog());
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                ASSERT_NE(name, nullptr);
                EXPECT_EQ(name->text().toStdString(), proposed);
                dialog->reject();
            });
        } else {
            ASSERT_TRUE(
                user.WaitFor([] { return qobject_cast<QPrintDialog*>(OpenDialog()) != nullptr; }));
            user.OnGui([&] {
                auto* dialog = qobject_cast<QPrintDialog*>(OpenDialog());
                QStringList files;
                for (const QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
                    if (edit->text().endsWith(".pdf")) {
                        files << QFileInfo(edit->text()).fileName();
                    }
                }
                EXPECT_EQ(files.join('|').toStdString(), proposed);
                dialog->reject();
            });
        }
        ASSERT_TRUE(user.WaitFor([] { return OpenDialog() == nullptr; }));

        // Closing with changes not yet saved asks; "Нет" discards them and closes.
        user.Click(user.OnGui([&] { return Binding("Form3")->WidgetOf("Button7"); }));
        ASSERT_TRUE(WaitForMessageBox(user));
        user.OnGui([] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_NE(box->button(QMessageBox::Yes), nullptr);
            box->button(QMessageBox::No)->click();
        });
        ASSERT_TRUE(user.WaitFor([&] { return Binding("Form3") == nullptr; }));
        EXPECT_FALSE(user.OnGui([&] { return Model().state.offer.started; }));
    });
}

// The grid edits as a spreadsheet does: typing replaces the quantity, F2 goes on at the
// end of it, Esc brings it back (and leaves the window open), Tab leaves the grid. Enter
// presses a focused button. The window opens whole within the desktop's free area though
// the main window stands at its bottom, and comes to the front when asked for again.
// A window larger than the desktop opens shrunk to it, and stays so whatever the window
// brings up to date afterwards.
TEST_F(OfferWindow, AWindowLargerThanTheDesktopShrinksToIt) {
    RunAsUser([&](XUser& user) {
        Act(user, [](Window& w) {
            w.form3.Form3.Width = 3000;
            w.form3.Form3.Height = 2000;
        });
        ClickTab(user, 2);
        ASSERT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 2; }));
        AddRow(user, 0, "25");
        user.Settle(300);
        const auto within = [&] {
            return user.OnGui([&] {
                QWidget* offer = Binding("Form3")->TopLevel();
                return offer->screen()->availableGeometry().contains(offer->frameGeometry());
            });
        };
        EXPECT_TRUE(within());
        Act(user, [](Window& w) { w.form3.Edit2.Text = "ООО Трубстрой"; });
        user.Settle(300);
        EXPECT_TRUE(within());
    });
}

TEST_F(OfferWindow, TheGridEditsAsASpreadsheetAndTheWindowOpensOnTheScreen) {
    RunAsUser([&](XUser& user) {
        user.OnGui([&] {
            const QRect room = Top()->screen()->availableGeometry();
            Top()->move(room.left(), room.bottom() - Top()->frameGeometry().height());
        });
        user.Settle(300);
        ClickTab(user, 2);
        ASSERT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 2; }));
        AddRow(user, 0, "25");
        QWidget* offer = user.OnGui([&] { return Binding("Form3")->TopLevel(); });
        user.Settle(300);
        EXPECT_TRUE(user.OnGui(
            [&] { return offer->screen()->availableGeometry().contains(offer->frameGeometry()); }));

        auto* grid = user.OnGui(
            [&] { return static_cast<QTableWidget*>(Binding("Form3")->WidgetOf("StringGrid1")); });
        const auto quantity = [&] {
            return user.OnGui([&] { return grid->item(0, 2)->text().toStdString(); });
        };
        user.Click(grid->viewport(), user.OnGui([&] {
            return grid->visualRect(grid->model()->index(0, 2)).center();
        }));
        user.Type("30");
        EXPECT_TRUE(user.WaitFor([&] { return quantity() == "30"; })) << quantity();
        // Enter ends the edit; F2 starts another, which Esc takes back.
        user.Key("Return");
        user.Key("F2");
        user.Type("0");
        EXPECT_TRUE(user.WaitFor([&] { return quantity() == "300"; })) << quantity();
        user.Key("Escape");
        EXPECT_TRUE(user.WaitFor([&] { return quantity() == "30"; })) << quantity();
        user.Settle(200);
        EXPECT_NE(user.OnGui([&] { return Binding("Form3"); }), nullptr) << "Esc closed the window";
        EXPECT_EQ(user.OnGui([&] { return grid->item(0, 2)->textAlignment() & Qt::AlignRight; }),
                  Qt::AlignRight);

        // Tab leaves the grid at once, for the next field.
        user.Key("Tab");
        EXPECT_TRUE(user.WaitFor([&] { return !grid->hasFocus(); }));

        // Enter on the focused "Копировать" puts the offer on the clipboard.
        QWidget* copy = user.OnGui([&] { return Binding("Form3")->WidgetOf("Button1"); });
        user.OnGui([&] { copy->setFocus(); });
        user.Key("Return");
        EXPECT_TRUE(
            user.WaitFor([&] { return QApplication::clipboard()->text().contains("Итого: "); }));

        // The main window in front, then the offer asked for from the price grid's menu.
        user.OnGui([&] { Top()->activateWindow(); });
        user.WaitFor([&] { return Top()->isActiveWindow(); });
        Choose(user, MenuOnRow(user, 0), "Предложение…");
        EXPECT_TRUE(user.WaitFor([&] { return offer->isActiveWindow(); }));

        // Enter in the cost window's quantity adds the position.
        Choose(user, MenuOnRow(user, 2), "Добавить в предложение…");
        ASSERT_TRUE(user.WaitFor([&] { return Binding("Form2") != nullptr; }));
        user.Click(user.OnGui([&] { return Binding("Form2")->WidgetOf("Edit1"); }));
        user.Type("500");
        user.Key("Return");
        EXPECT_TRUE(user.WaitFor([&] { return Model().state.offer.offer.positions.size() == 2; }));

        // Moved, closed and asked for again, it opens where the user left it.
        ASSERT_TRUE(user.WaitFor([&] { return Binding("Form2") == nullptr; }));
        offer = user.OnGui([&] { return Binding("Form3")->TopLevel(); });
        const QPoint moved = user.OnGui([&] {
            const QRect room = offer->screen()->availableGeometry();
            // Somewhere else within the room, which the wide window nearly fills.
            offer->move(room.left() + (room.width() - offer->frameGeometry().width()) / 2,
                        room.top() + 30);
            return offer->pos();
        });
        user.Settle(300);
        Act(user, [](Window& w) { w.state.offer.unsaved = false; });
        user.Click(user.OnGui([&] { return Binding("Form3")->WidgetOf("Button7"); }));
        ASSERT_TRUE(user.WaitFor([&] { return Binding("Form3") == nullptr; }));
        Choose(user, MenuOnRow(user, 0), "Предложение…");
        ASSERT_TRUE(user.WaitFor([&] { return Binding("Form3") != nullptr; }));
        user.Settle(300);
        EXPECT_EQ(user.OnGui([&] { return Binding("Form3")->TopLevel()->pos(); }), moved);
    });
}

}  // namespace
}  // namespace tesmarik
