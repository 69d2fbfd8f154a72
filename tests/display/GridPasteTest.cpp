// A column of lengths pasted into the grid of single pipes, and cells copied from it, on
// the real display: Ctrl+V, the grid's own menu, Ctrl+C.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTableWidget>

#include "tests/display/RealWindow.h"
#include "tests/display/Steps.h"

namespace tesmarik {
namespace {

class GridPaste : public RealWindowWithPrices {
protected:
    static QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

    QTableWidget* ShowLengths(XUser& user) {
        ClickTab(user, 0);
        Act(user, [](Window& w) { ChooseMassPipe(w, 2); });
        auto* grid = user.OnGui([&] { return static_cast<QTableWidget*>(W("rtab")); });
        EXPECT_TRUE(user.WaitFor([&] { return grid->isVisible(); })) << "the lengths grid";
        return grid;
    }

    // The middle of a cell of the lengths' column, scrolled into view.
    QPoint CellCentre(XUser& user, QTableWidget* grid, int row) {
        return user.OnGui([&] {
            grid->scrollTo(grid->model()->index(row, 0));
            return grid->visualRect(grid->model()->index(row, 0)).center();
        });
    }

    std::vector<std::string> Lengths(XUser& user) {
        return user.OnGui([&] {
            std::vector<std::string> cells;
            const StringGrid& grid = Model().form.rtab;
            for (int row = 1; row < grid.RowCount; ++row) {
                cells.push_back(grid.Cell(0, row));
            }
            while (!cells.empty() && cells.back().empty()) {
                cells.pop_back();
            }
            return cells;
        });
    }
};

TEST_F(GridPaste, ACopiedColumnOfLengthsIsPastedAndCellsAreCopied) {
    RunAsUser([&](XUser& user) {
        QTableWidget* grid = ShowLengths(user);
        // Ctrl+V in the first cell: a column from a text file, one length a line.
        user.OnGui([] { QGuiApplication::clipboard()->setText("12\n11,5\n9,75\n"); });
        user.Click(grid->viewport(), CellCentre(user, grid, 0));
        ASSERT_TRUE(user.WaitFor([&] { return grid->hasFocus(); })) << "the grid's focus";
        user.Key("v", "Control_L");
        EXPECT_TRUE(user.WaitFor([&] {
            return Lengths(user) == std::vector<std::string>{"12", "11,5", "9,75"};
        })) << testing::PrintToString(Lengths(user));

        // The menu's "Вставить" on the fourth cell: a column from a spreadsheet, longer than
        // the grid; rows are added for it.
        user.OnGui([] {
            QString column;
            for (int i = 0; i < 12; ++i) {
                column += "10\r\n";
            }
            QGuiApplication::clipboard()->setText(column);
        });
        user.RightClick(grid->viewport(), CellCentre(user, grid, 3));
        ASSERT_TRUE(user.WaitFor([] { return OpenMenu() != nullptr; })) << "the grid's menu";
        const QPoint at = user.OnGui([&] {
            for (QAction* action : OpenMenu()->actions()) {
                if (action->text() == QString::fromUtf8("Вставить")) {
                    return OpenMenu()->actionGeometry(action).center();
                }
            }
            return QPoint(-1, -1);
        });
        ASSERT_NE(at, QPoint(-1, -1)) << "the paste item";
        user.Click(user.OnGui([] { return static_cast<QWidget*>(OpenMenu()); }), at);
        std::vector<std::string> expected{"12", "11,5", "9,75"};
        expected.resize(15, "10");
        EXPECT_TRUE(user.WaitFor([&] { return Lengths(user) == expected; }))
            << testing::PrintToString(Lengths(user));
        EXPECT_TRUE(user.WaitFor([&] { return grid->rowCount() >= 16; }))
            << "rows shown for every pasted length";

        // Ctrl+C of the three first cells, selected with the mouse and Shift.
        user.OnGui([] { QGuiApplication::clipboard()->clear(); });
        user.Click(grid->viewport(), CellCentre(user, grid, 0));
        user.OnGui([&] { grid->setRangeSelected(QTableWidgetSelectionRange(0, 0, 2, 0), true); });
        user.Key("c", "Control_L");
        EXPECT_TRUE(user.WaitFor([] {
            return QGuiApplication::clipboard()->text() == QString::fromUtf8("12\n11,5\n9,75");
        })) << user.OnGui([] { return QGuiApplication::clipboard()->text().toStdString(); });
    });
}

}  // namespace
}  // namespace tesmarik
