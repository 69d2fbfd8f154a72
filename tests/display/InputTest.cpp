// Keys, the wheel and the Tab key, sent through the X server to the real window.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include "tests/display/RealWindow.h"
#include "tests/display/Steps.h"

namespace tesmarik {
namespace {

class Input : public RealWindowWithPrices {
protected:
    void ShowTab(XUser& user, int index) {
        ClickTab(user, index);
        ASSERT_TRUE(
            user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == index; }));
    }

    // The control whose widget holds the keyboard focus.
    std::string Focused() {
        QWidget* focus = QApplication::focusWidget();
        for (Control* control : Model().form.All()) {
            QWidget* widget = window_->Binding().WidgetOf(control->Name);
            if (widget != nullptr && focus != nullptr &&
                (widget == focus || widget->isAncestorOf(focus)) &&
                control->Kind != ControlKind::Form && control->Kind != ControlKind::Panel &&
                control->Kind != ControlKind::TabSheet &&
                control->Kind != ControlKind::PageControl) {
                return control->Name;
            }
        }
        return focus != nullptr ? focus->metaObject()->className() : "nothing";
    }
};

// The filter's error box closes with Enter or Esc and does not come back: the release of
// the key that closed it is not a key of the field. Ctrl+A, released over the same text,
// shows it no more: the box is shown once for a text.
TEST_F(Input, TheFilterErrorBoxClosesWithEnterEscAndStaysClosed) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 2);
        QWidget* diameter = user.OnGui([&] { return W("ComboBox7"); });
        for (const char* closing : {"Return", "Escape"}) {
            Act(user, [](Window& w) { ChangeText(w, w.form.ComboBox7, ""); });
            const auto before = Dialogs(user).size();
            user.Click(diameter, QPoint(6, 10));
            user.Type("1-");
            ASSERT_TRUE(user.WaitFor([] { return OpenDialog() != nullptr; }))
                << closing << " " << user.OnGui([&] { return Model().form.ComboBox7.Text; });
            user.Key(closing);
            user.Settle(500);
            EXPECT_EQ(user.OnGui([] { return OpenDialog(); }), nullptr) << closing;
            EXPECT_EQ(Dialogs(user).size(), before + 1) << closing;
        }
        const auto before = Dialogs(user).size();
        user.Key("a", "Control_L");
        user.Settle(500);
        EXPECT_EQ(user.OnGui([] { return OpenDialog(); }), nullptr);
        EXPECT_EQ(Dialogs(user).size(), before);
        // Another text that is no number is told again.
        user.Type("7-");
        ASSERT_TRUE(user.WaitFor([] { return OpenDialog() != nullptr; }));
        user.Key("Return");
        user.Settle(500);
        EXPECT_EQ(Dialogs(user).size(), before + 1);
    });
}

// Enter in the price filter's diameter or wall field keeps the typed text and filters by
// it, as the released key does; so after a pasted number ending in a line break.
TEST_F(Input, EnterInAFilterFieldKeepsItsText) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 2);
        const int everyRow = user.OnGui([&] { return Model().form.Tabl.RowCount; });
        // The filter holds: fewer rows than the whole list, each with the size in its column
        // (alone or in a range such as "530-630").
        const auto onlyRowsOf = [&](int column, const std::string& size) {
            return user.OnGui([&] {
                const StringGrid& grid = Model().form.Tabl;
                if (grid.RowCount < 2 || grid.RowCount >= everyRow) {
                    return false;
                }
                for (int row = 1; row < grid.RowCount; ++row) {
                    if (grid.Cell(column, row).find(size) == std::string::npos) {
                        return false;
                    }
                }
                return true;
            });
        };
        struct Field {
            const char* name;
            const char* typed;
            int column;
        };
        for (const Field field : {Field{"ComboBox7", "530", 1}, Field{"ComboBox8", "8", 2}}) {
            QWidget* box = user.OnGui([&] { return W(field.name); });
            user.Click(box, QPoint(6, 10));
            user.Type(field.typed);
            user.Key("Return");
            user.Settle(300);
            EXPECT_EQ(user.OnGui([&] { return Model().form.Find(field.name)->Text; }), field.typed)
                << field.name;
            EXPECT_EQ(user.OnGui([&] {
                return static_cast<QComboBox*>(box)->currentText().toStdString();
            }),
                      field.typed)
                << field.name;
            EXPECT_TRUE(onlyRowsOf(field.column, field.typed)) << field.name;
        }

        Act(user, [](Window& w) {
            ChangeText(w, w.form.ComboBox7, "");
            ChangeText(w, w.form.ComboBox8, "");
        });
        QWidget* diameter = user.OnGui([&] { return W("ComboBox7"); });
        user.OnGui([] { QGuiApplication::clipboard()->setText("530\n"); });
        user.Click(diameter, QPoint(6, 10));
        user.Key("v", "Control_L");
        user.Key("Return");
        user.Settle(300);
        // The line break is not taken into the one-line field.
        EXPECT_EQ(user.OnGui([&] { return Model().form.ComboBox7.Text; }), "530");
        EXPECT_TRUE(onlyRowsOf(1, "530"));
    });
}

// Ctrl+Tab and Ctrl+Shift+Tab change the tab in front from anywhere in the window: a
// field, the price grid, a report.
TEST_F(Input, CtrlTabChangesTheTabFromAnywhere) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 0);
        user.OnGui([&] { W("ComboBox1")->setFocus(); });
        user.Key("Tab", "Control_L");
        EXPECT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 1; }))
            << "from a field of the mass tab";
        ShowTab(user, 2);
        user.OnGui([&] { W("Tabl")->setFocus(); });
        user.Key("Tab", "Control_L");
        EXPECT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 3; }))
            << "from the price grid";
        user.Key("Tab", "Control_L");
        EXPECT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 0; }))
            << "round from the last tab";
        ShowTab(user, 1);
        Act(user, [](Window& w) { ClickControl(w, w.form.BitBtn2); });
        user.Click(user.OnGui([&] { return W("Memo3"); }));
        user.Key("Tab", "Control_L+Shift_L");
        EXPECT_TRUE(user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 0; }))
            << "back from the report";
    });
}

// A closed list changes with the wheel only when it has the focus; the tab bar never.
TEST_F(Input, TheWheelChangesOnlyAFocusedList) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 0);
        Act(user, [](Window& w) { ChooseMassPipe(w, 0); });
        QWidget* diameter = user.OnGui([&] { return W("ComboBox2"); });
        user.OnGui([&] { W("Button1")->setFocus(); });
        user.Wheel(diameter, -1);
        user.Wheel(diameter, 1);
        EXPECT_EQ(user.OnGui([&] { return Model().form.ComboBox2.Text; }), "530");
        EXPECT_EQ(user.OnGui([&] { return Model().form.ComboBox3.Text; }), "8");

        user.OnGui([&] { diameter->setFocus(); });
        user.Wheel(diameter, 1);
        EXPECT_TRUE(user.WaitFor([&] { return Model().form.ComboBox2.Text != "530"; }));

        QWidget* bar =
            user.OnGui([&] { return static_cast<QTabWidget*>(W("PageControl1"))->tabBar(); });
        user.Wheel(bar, 1);
        user.Wheel(bar, -1);
        EXPECT_EQ(user.OnGui([&] { return Model().form.PageControl1.ActivePageIndex; }), 0);
    });
}

// The price grid scrolls by whole rows: the row under the header is always whole.
TEST_F(Input, ThePriceGridScrollsByWholeRows) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 2);
        auto* grid = user.OnGui([&] { return static_cast<QTableWidget*>(W("Tabl")); });
        ASSERT_GT(user.OnGui([&] { return grid->rowCount(); }), 10);
        for (const int notches : {1, 1, 2, -1, 20}) {
            user.Wheel(grid->viewport(), notches);
            EXPECT_EQ(user.OnGui([&] { return grid->rowViewportPosition(grid->rowAt(0)); }), 0)
                << "after " << notches;
        }
        EXPECT_TRUE(user.WaitFor([&] { return grid->verticalScrollBar()->value() > 0; }));
    });
}

// Long lists open as a compact list of their drop-down count of lines below the box, with
// a scroll bar when they hold more, pick-only and editable alike.
TEST_F(Input, DropDownsOpenAsCompactLists) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 0);
        Act(user, [](Window& w) { PickItem(w, w.form.ComboBox1, 0); });
        struct List {
            int tab;
            const char* name;
        };
        for (const List list :
             {List{0, "ComboBox2"}, List{2, "ComboBox10"}, List{2, "ComboBox7"}}) {
            ShowTab(user, list.tab);
            auto* box = user.OnGui([&] { return static_cast<QComboBox*>(W(list.name)); });
            const int count = user.OnGui([&] { return box->count(); });
            const int lines = std::min(count, box->maxVisibleItems());
            user.Click(box,
                       user.OnGui([&] { return QPoint(box->width() - 6, box->height() / 2); }));
            ASSERT_TRUE(user.WaitFor([&] { return box->view()->isVisible(); })) << list.name;
            const QRect popup = user.OnGui([&] { return box->view()->window()->geometry(); });
            const int row = user.OnGui([&] { return box->view()->sizeHintForRow(0); });
            EXPECT_LE(popup.height(), (lines + 1) * row + 12) << list.name;
            EXPECT_GE(popup.top(), user.OnGui([&] {
                return box->mapToGlobal(QPoint(0, box->height())).y();
            }) - 2)
                << list.name;
            EXPECT_EQ(user.OnGui([&] { return box->view()->verticalScrollBar()->isVisible(); }),
                      count > box->maxVisibleItems())
                << list.name;
            user.Key("Escape");
            ASSERT_TRUE(user.WaitFor([&] { return !box->view()->isVisible(); }));
        }
    });
}

// Tab goes through the mass tab in the order of a calculation.
TEST_F(Input, TabFollowsTheStepsOfTheMassTab) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 0);
        Act(user, [](Window& w) {
            ChooseWorkedExample(w);
            ClickControl(w, w.form.Button1);
        });
        user.OnGui([&] { W("ComboBox1")->setFocus(Qt::TabFocusReason); });
        std::vector<std::string> visited{user.OnGui([&] { return Focused(); })};
        for (int i = 0; i < 8; ++i) {
            user.Key("Tab");
            visited.push_back(user.OnGui([&] { return Focused(); }));
        }
        const std::vector<std::string> expected{"ComboBox1", "ComboBox2",   "ComboBox3",
                                                "CheckBox2", "RadioGroup2", "Edit10",
                                                "Edit11",    "Button1",     "Button15"};
        EXPECT_EQ(visited, expected);
    });
}

// Once the price grid has the focus, Tab and Shift+Tab leave it, as they leave the other
// lists of the window; the arrows move within it.
TEST_F(Input, TabLeavesThePriceGrid) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 2);
        auto* grid = user.OnGui([&] { return static_cast<QTableWidget*>(W("Tabl")); });
        user.Click(grid->viewport(), user.OnGui([&] {
            return grid->visualRect(grid->model()->index(2, 1)).center();
        }));
        ASSERT_TRUE(user.WaitFor([&] { return grid->hasFocus(); })) << "the grid's focus";
        const int row = user.OnGui([&] { return Model().form.Tabl.Row; });
        user.Key("Down");
        EXPECT_TRUE(user.WaitFor([&] { return Model().form.Tabl.Row == row + 1; }))
            << "the arrow moves within the grid";
        user.Key("Tab");
        EXPECT_TRUE(user.WaitFor([&] { return !grid->hasFocus(); })) << "Tab leaves the grid";
        user.OnGui([&] { grid->setFocus(Qt::MouseFocusReason); });
        user.Key("Tab", "Shift_L");
        EXPECT_TRUE(user.WaitFor([&] { return !grid->hasFocus(); })) << "Shift+Tab leaves the grid";
    });
}

// On the loading tab with the report shown, Tab reaches every control of the tab and the
// report in reading order, and Shift+Tab goes back the same way; Tab in the report moves
// on instead of typing a tab character.
TEST_F(Input, TabGoesThroughTheLoadingTabAndItsReport) {
    RunAsUser([&](XUser& user) {
        ShowTab(user, 1);
        Act(user, [](Window& w) {
            ChooseLoadingPipe(w);
            PickRadio(w, w.form.RadioGroup3, 0);
            ChangeText(w, w.form.Edit8, "100");
            ClickControl(w, w.form.Button2);
            ClickControl(w, w.form.BitBtn2);
        });
        ASSERT_TRUE(user.WaitFor([&] { return W("Memo3")->isVisible(); })) << "the report";
        ASSERT_TRUE(user.OnGui([&] { return W("Edit8")->isEnabled(); }));
        const std::vector<std::string> expected{
            "RadioGroup1", "ComboBox4", "ComboBox5", "Edit3", "Edit9",   "RadioGroup3",
            "Edit8",       "Button2",   "Button7",   "Memo3", "BitBtn2", "BitBtn3"};
        // Among the controls of this tab only: looking up any other would make its widget.
        const auto focused = [&] {
            return user.OnGui([&] {
                QWidget* focus = QApplication::focusWidget();
                for (const std::string& name : expected) {
                    QWidget* widget = W(name.c_str());
                    if (focus != nullptr && (widget == focus || widget->isAncestorOf(focus))) {
                        return name;
                    }
                }
                if (focus == nullptr) {
                    return std::string("nothing");
                }
                QWidget* page = focus;
                while (page != nullptr && page->objectName().isEmpty()) {
                    page = page->parentWidget();
                }
                return std::string(focus->metaObject()->className()) + " in " +
                       (page != nullptr ? page->objectName().toStdString() : "the window");
            });
        };
        const std::string report = user.OnGui([&] { return Model().form.Memo3.ShownText(); });
        // The vehicle's button picked, as a click on it leaves it.
        user.OnGui([&] {
            for (QRadioButton* button : W("RadioGroup1")->findChildren<QRadioButton*>()) {
                if (button->isChecked()) {
                    button->setFocus(Qt::TabFocusReason);
                }
            }
        });
        std::vector<std::string> forward{focused()};
        for (std::size_t i = 1; i < expected.size(); ++i) {
            user.Key("Tab");
            forward.push_back(focused());
        }
        EXPECT_EQ(forward, expected);
        std::vector<std::string> back{focused()};
        for (std::size_t i = 1; i < expected.size(); ++i) {
            user.Key("Tab", "Shift_L");
            back.push_back(focused());
        }
        EXPECT_EQ(back, std::vector<std::string>(expected.rbegin(), expected.rend()));
        EXPECT_EQ(user.OnGui([&] { return Model().form.Memo3.ShownText(); }), report)
            << "no tab typed into the report";
    });
}

}  // namespace
}  // namespace tesmarik
