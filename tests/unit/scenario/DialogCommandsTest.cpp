// The runner's commands for menus and windows over the main window: what a script cannot
// ask is a script error (an exit status of 2), not a silent nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/Window.h"
#include "tools/scenario/ScenarioRunner.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

class DialogCommands : public ::testing::Test {
protected:
    void SetUp() override {
        runner_.RunLine("tab 2");  // no price file: the grid holds its heading alone
        window_.form.Tabl.RowCount = 2;
        window_.form.Tabl.SetCell(0, 1, "n");
        window_.form.Tabl.SetCell(1, 1, "530");
        window_.form.Tabl.SetCell(2, 1, "8");
        window_.form.Tabl.SetCell(6, 1, "78500");
        runner_.RunLine("focus Tabl 0 1");
    }

    std::ostringstream out_;
    ScriptedPlatform platform_{
        out_, (std::filesystem::temp_directory_path() / "tesmarik-unused.csv").string(), "h"};
    Window window_{platform_};
    ScenarioRunner runner_{window_, platform_, out_};
};

TEST_F(DialogCommands, CloseNamesAnOpenWindowOnly) {
    EXPECT_THROW(runner_.RunLine("close Form2"), ScriptError);  // not open
    EXPECT_THROW(runner_.RunLine("close Label1"), ScriptError);
    runner_.RunLine("menu Tabl Стоимость…");
    EXPECT_TRUE(window_.form2.Form2.Visible);
    // The modal window blocks the main window's close button.
    out_.str("");
    runner_.RunLine("close Form1");
    EXPECT_EQ(out_.str(), "refused: Form1 is not reachable\n");
    runner_.RunLine("close Form2");
    EXPECT_FALSE(window_.form2.Form2.Visible);
    EXPECT_FALSE(window_.form.Form1.Blocked);
}

TEST_F(DialogCommands, ClosingTheMainWindowEndsTheScript) {
    std::istringstream script("close Form1\nshow Form1 Visible\n");
    std::ostringstream errors;
    out_.str("");
    EXPECT_EQ(runner_.Run(script, errors), 0);
    EXPECT_EQ(out_.str(), "closed: Form1\n");
}

TEST_F(DialogCommands, MenuItemMustExist) {
    EXPECT_THROW(runner_.RunLine("menu Tabl Стоимость"), ScriptError);
    EXPECT_THROW(runner_.RunLine("menu Label27 Стоимость…"), ScriptError);  // no menu
    EXPECT_FALSE(window_.form2.Form2.Visible);
}

TEST_F(DialogCommands, NamesResolveInTheOpenWindowFirst) {
    out_.str("");
    runner_.RunLine("show Button1 Text");
    runner_.RunLine("menu Tabl Стоимость…");
    runner_.RunLine("show Button1 Text");
    runner_.RunLine("show Tabl RowCount");  // only in the main window: still shown
    runner_.RunLine("click Button1");
    runner_.RunLine("show Button1 Text");
    EXPECT_EQ(out_.str(),
              "Button1.Text = Рассчёт теоретической массы\n"
              "Button1.Text = Закрыть\n"
              "Tabl.RowCount = 2\n"
              "Button1.Text = Рассчёт теоретической массы\n");
}

}  // namespace
}  // namespace tesmarik
