// The price grid's context menu and the cost window it opens, on the real display.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTableWidget>

#include "tests/display/RealWindow.h"

namespace tesmarik {
namespace {

class CostWindow : public RealWindowWithPrices {
protected:
    QtBinding* Dialog() { return window_->Binding().DialogBinding("Form2"); }

    // On the program's thread.
    QString LabelText(const char* name) {
        auto* label = qobject_cast<QLabel*>(Dialog()->WidgetOf(name));
        return label != nullptr ? label->text() : QString("no label");
    }
    QString Text(XUser& user, const char* name) {
        return user.OnGui([&] { return LabelText(name); });
    }

    // Right-clicks data row `row` (from 0) of the grid and waits for the menu.
    QMenu* MenuOnRow(XUser& user, int row) {
        auto* grid = user.OnGui([&] { return static_cast<QTableWidget*>(W("Tabl")); });
        const QPoint at =
            user.OnGui([&] { return grid->visualRect(grid->model()->index(row, 1)).center(); });
        user.RightClick(grid->viewport(), at);
        EXPECT_TRUE(
            user.WaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }));
        return user.OnGui([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); });
    }

    void Choose(XUser& user, QMenu* menu, int item) {
        const QPoint at =
            user.OnGui([&] { return menu->actionGeometry(menu->actions().at(item)).center(); });
        user.Click(menu, at);
    }

    bool DialogShown(XUser& user) {
        return user.WaitFor(
            [&] { return Dialog() != nullptr && Dialog()->TopLevel()->isVisible(); });
    }
};

TEST_F(CostWindow, ARightClickedRowIsPricedInAWindowOverTheMainWindow) {
    RunAsUser([&](XUser& user) {
        // The main window away from the screen's edges, where nothing moves the cost window
        // off its centre.
        user.OnGui([&] {
            Top()->move(Top()->screen()->availableGeometry().center() - Top()->rect().center());
        });
        ASSERT_TRUE(user.WaitFor([&] { return Top()->frameGeometry().top() > 100; }));
        ClickTab(user, 2);
        ASSERT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 2; }));
        // The third position: 89 × 4, steel 20, ГОСТ 8732-78, 76500 руб./т.
        QMenu* menu = MenuOnRow(user, 2);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(user.OnGui([&] {
            QStringList texts;
            for (const QAction* a : menu->actions()) {
                texts << a->text();
            }
            return texts;
        }),
                  QStringList({"Стоимость…", "Открыть в расчёте массы", "Добавить в предложение…",
                               "Предложение…", "Изменения прайса…", "История цены…",
                               "Архив предложений…"}));
        EXPECT_EQ(user.OnGui([&] { return Model().form.Tabl.Row; }), 3);
        Choose(user, menu, 0);
        ASSERT_TRUE(DialogShown(user));

        QWidget* dialog = user.OnGui([&] { return Dialog()->TopLevel(); });
        EXPECT_TRUE(user.OnGui([&] { return dialog->isWindow(); }));
        EXPECT_EQ(user.OnGui([&] { return dialog->windowModality(); }), Qt::WindowModal);
        EXPECT_EQ(user.OnGui([&] { return dialog->parentWidget(); }), Top());
        EXPECT_EQ(user.OnGui([&] { return dialog->windowTitle(); }), "Стоимость");
        // Over the main window, wholly on it.
        EXPECT_TRUE(
            user.OnGui([&] { return Top()->frameGeometry().contains(dialog->geometry()); }));
        EXPECT_EQ(Text(user, "Label4"), "20");
        EXPECT_EQ(Text(user, "Label6"), "ГОСТ 8732-78");
        EXPECT_EQ(Text(user, "Label8"), "76 500,00 руб./т");
        EXPECT_EQ(Text(user, "Label14"), "8,38 кг");

        // The main window takes no input while the cost window is open.
        ClickTab(user, 0);
        user.Settle(200);
        EXPECT_EQ(user.OnGui([&] { return Model().form.PageControl1.ActivePageIndex; }), 2);

        // The quantity is the window's focus from the start: once the window manager makes
        // the window active (this display has none), the user types straight into it.
        QWidget* quantity = user.OnGui([&] { return Dialog()->WidgetOf("Edit1"); });
        EXPECT_EQ(user.OnGui([&] { return quantity->window()->focusWidget(); }), quantity);
        user.Click(quantity);
        user.Type("1000");
        ASSERT_TRUE(user.WaitFor([&] { return LabelText("Label22") == "641 070,00 руб."; }))
            << Text(user, "Label22").toStdString();
        EXPECT_EQ(Text(user, "Label18"), "8,38 т");
        EXPECT_EQ(Text(user, "Label20"), "88 шт.");

        // Every text whole, inside the window.
        user.OnGui([&] {
            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty()) {
                    continue;
                }
                const QRect on = QRect(label->mapTo(dialog, QPoint(0, 0)), label->size());
                EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
                EXPECT_TRUE(dialog->rect().contains(on)) << label->text().toStdString();
            }
        });
        const QImage shot = user.OnGui([&] { return OnScreen(dialog); });
        EXPECT_TRUE(SaveScreenshot(shot, "cost-window"));

        user.Key("Escape");
        ASSERT_TRUE(user.WaitFor([&] { return Dialog() == nullptr; }));
        EXPECT_FALSE(user.OnGui([&] { return Model().form2.Form2.Visible; }));
        ClickTab(user, 0);
        EXPECT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 0; }));
    });
}

TEST_F(CostWindow, TheCloseButtonClosesItThroughTheModel) {
    RunAsUser([&](XUser& user) {
        ClickTab(user, 2);
        ASSERT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 2; }));
        Choose(user, MenuOnRow(user, 0), 0);
        ASSERT_TRUE(DialogShown(user));
        // What the title bar's close button sends.
        user.OnGui([&] { Dialog()->TopLevel()->close(); });
        ASSERT_TRUE(user.WaitFor([&] { return Dialog() == nullptr; }));
        EXPECT_FALSE(user.OnGui([&] { return Model().form2.Form2.Visible; }));
        // The window's own button closes it too.
        Choose(user, MenuOnRow(user, 0), 0);
        ASSERT_TRUE(DialogShown(user));
        QWidget* close = user.OnGui([&] { return Dialog()->WidgetOf("Button1"); });
        user.Click(close);
        ASSERT_TRUE(user.WaitFor([&] { return Dialog() == nullptr; }));
        EXPECT_FALSE(user.OnGui([&] { return Model().form.Form1.Blocked; }));
    });
}

TEST_F(CostWindow, OpenInMassTabPicksTheRowsSize) {
    RunAsUser([&](XUser& user) {
        ClickTab(user, 2);
        ASSERT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 2; }));
        Choose(user, MenuOnRow(user, 2), 1);  // 89 × 4
        ASSERT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 0; }));
        EXPECT_EQ(user.OnGui([&] { return Model().form.ComboBox2.Text; }), "89");
        EXPECT_EQ(user.OnGui([&] { return Model().form.ComboBox3.Text; }), "4");
        auto* wall = user.OnGui([&] { return W("ComboBox3"); });
        EXPECT_TRUE(user.OnGui([&] { return wall->isVisible(); }));
    });
}

// Esc in an open drop-down of the cost window closes the list alone, keeping what was
// typed; a second Esc closes the window.
TEST_F(CostWindow, EscClosesAnOpenListBeforeTheWindow) {
    RunAsUser([&](XUser& user) {
        ClickTab(user, 2);
        ASSERT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 2; }));
        // The second position: 76 with the walls 4, 5 and 6 to pick from.
        QMenu* menu = MenuOnRow(user, 1);
        ASSERT_NE(menu, nullptr);
        Choose(user, menu, 0);
        ASSERT_TRUE(DialogShown(user)) << "the cost window";
        QWidget* quantity = user.OnGui([&] { return Dialog()->WidgetOf("Edit1"); });
        user.Click(quantity);
        user.Type("100");
        ASSERT_TRUE(user.WaitFor([&] { return Model().form2.Edit1.Text == "100"; }))
            << "the typed quantity";

        // Guarded: a window closed by the first Esc takes its list with it.
        QPointer<QComboBox> walls =
            user.OnGui([&] { return qobject_cast<QComboBox*>(Dialog()->WidgetOf("ComboBox2")); });
        ASSERT_FALSE(walls.isNull());
        user.Click(walls.data());
        ASSERT_TRUE(user.WaitFor([&] { return walls->view()->isVisible(); })) << "the open list";
        user.Key("Escape");
        ASSERT_TRUE(user.WaitFor([&] { return walls.isNull() || !walls->view()->isVisible(); }))
            << "the list closed";
        user.Settle(300);
        EXPECT_TRUE(
            user.OnGui([&] { return Dialog() != nullptr && Dialog()->TopLevel()->isVisible(); }));
        EXPECT_EQ(user.OnGui([&] { return Model().form2.Edit1.Text; }), "100");

        user.Key("Escape");
        EXPECT_TRUE(user.WaitFor([&] { return Dialog() == nullptr; })) << "the window closed";
    });
}

// The cost window of a main window standing at the bottom right of the screen opens
// wholly within the screen's available area, its button "Закрыть" included.
TEST_F(CostWindow, OpensWithinTheScreenWhereverTheMainWindowStands) {
    RunAsUser([&](XUser& user) {
        user.OnGui([&] {
            const QRect room = Top()->screen()->availableGeometry();
            Top()->move(room.bottomRight() -
                        QPoint(Top()->frameGeometry().width(), Top()->frameGeometry().height()));
        });
        ASSERT_TRUE(user.WaitFor([&] {
            return Top()->screen()->availableGeometry().contains(Top()->frameGeometry()) &&
                   Top()->frameGeometry().bottom() >
                       Top()->screen()->availableGeometry().bottom() - 30;
        })) << "the main window at the bottom right";
        ClickTab(user, 2);
        ASSERT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 2; }));
        QMenu* menu = MenuOnRow(user, 2);
        ASSERT_NE(menu, nullptr);
        Choose(user, menu, 0);
        ASSERT_TRUE(DialogShown(user)) << "the cost window";
        user.Settle(300);
        EXPECT_TRUE(user.OnGui([&] {
            return Top()->screen()->availableGeometry().contains(
                Dialog()->TopLevel()->frameGeometry());
        })) << user.OnGui([&] {
            const QRect r = Dialog()->TopLevel()->frameGeometry();
            return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
                   std::to_string(r.width()) + "x" + std::to_string(r.height());
        });
    });
}

}  // namespace
}  // namespace tesmarik
