// The lines a script cannot run: each ends the run with exit status 2 and one line on the
// error stream that names the line and says what was wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <utility>

#include "app/UserActions.h"
#include "app/Window.h"
#include "tests/CaseName.h"
#include "tools/scenario/ScenarioRunner.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

namespace fs = std::filesystem;

struct Case {
    const char* name;
    const char* script;  // the last line is the bad one
    const char* error;   // what the error stream says, without the line number
};

// The mass tab in front with the single-pipes grid shown, so that its controls are reached.
constexpr const char* kMassTab =
    "tab 0\npick ComboBox1 0\nchoose ComboBox2 530\nchoose ComboBox3 8\npick RadioGroup2 2\n";

const Case kCases[] = {
    {"unknown command", "frobnicate\n", "unknown command 'frobnicate'"},
    {"a command word alone", "pick\n", "wrong number of arguments"},
    {"an argument too few", "pick ComboBox1\n", "wrong number of arguments"},
    {"an argument too many", "click Button1 now\n", "wrong number of arguments"},
    {"two blanks", "show  Text\n", "empty argument"},
    {"unknown control", "pick Nope 0\n", "unknown control 'Nope'"},
    {"pick on a field", "pick Edit10 0\n", "Edit10 is not a drop-down list or radio group"},
    {"pick a word", "tab 0\npick ComboBox1 x\n", "'x' is not a whole number"},
    {"pick past the items", "tab 0\npick ComboBox1 99\n", "ComboBox1 has no item 99"},
    {"choose a missing text", "tab 0\nchoose ComboBox1 nothing\n", "ComboBox1 has no item nothing"},
    {"type alone", "type\n", "missing arguments"},
    {"type into a label", "type Label95 1\n", "Label95 is not an edit field or editable list"},
    {"settext alone", "settext\n", "missing arguments"},
    {"typecell into a field", "typecell Edit10 0 1 1\n", "Edit10 is not a string grid"},
    {"typecell in the fixed row", "typecell rtab 0 0 1\n", "no editable cell 0,0 in rtab"},
    {"typecell past the columns", "typecell rtab 5 1 1\n", "no editable cell 5,1 in rtab"},
    {"an unknown key", "key Edit10 tab\n", "unknown key 'tab'"},
    {"a key to a button", "key Button1 enter\n", "Button1 takes no keys"},
    {"click a field", "click Edit10\n", "Edit10 cannot be clicked"},
    {"hover over nothing", "hover Nope\n", "unknown control 'Nope'"},
    {"a tab past the last", "tab 9\n", "PageControl1 has no tab 9"},
    {"focus outside the grid", "focus rtab 0 99999\n", "no cell 0,99999 in rtab"},
    {"focus on a memo", "focus Memo2 0 0\n", "Memo2 is not a string grid"},
    {"tick a word", "tick x\n", "'x' is not a whole number"},
    {"tick backwards", "tick -1\n", "a negative number of ticks"},
    {"menu alone", "menu\n", "missing arguments"},
    {"a menu item that is not there", "menu Memo4 Удалить\n", "Memo4 has no menu item Удалить"},
    {"activate with an argument", "activate now\n", "activate takes no arguments"},
    {"answer maybe", "answer maybe\n", "answer takes ok or cancel"},
    {"saveas nothing", "saveas\n", "saveas takes a path or cancel"},
    {"print nothing", "print\n", "print takes a path or cancel"},
    {"download maybe", "download maybe x\n", "download takes ok FILE or fail"},
    {"download a missing file", "download ok no-such-file\n", "no file 'no-such-file'"},
    {"download ok alone", "download ok\n", "wrong number of arguments"},
    {"now in month 13", "now 2026-13-01 12:00:00\n",
     "'2026-13-01 12:00:00' is not a date and time YYYY-MM-DD HH:MM:SS"},
    {"now at 24 o'clock", "now 2026-01-01 24:00:00\n",
     "'2026-01-01 24:00:00' is not a date and time YYYY-MM-DD HH:MM:SS"},
    {"a missing price file", "pricefile no-such-file 2026-01-01 12:00:00\n",
     "cannot place 'no-such-file' as the price file"},
    {"pricefile without a time", "pricefile data/x.csv\n", "wrong number of arguments"},
    {"show a pipe's colour", "show PipeState Colour\n", "PipeState has no Colour"},
    {"show a button's items", "show Button1 Items\n", "Button1 has no property Items"},
    {"lines of a field", "lines Edit10\n", "Edit10 is not a memo"},
    {"cell of a field", "cell Edit10 0 0\n", "Edit10 is not a string grid"},
    {"cell at a word", "cell rtab x 0\n", "'x' is not a whole number"},
    {"grid of a memo", "grid Memo2\n", "Memo2 is not a string grid"},
    {"paint past the columns", "paint rtab 9 0\n", "no cell 9,0 in rtab"},
    {"repeat a word times", "repeat x tick\n", "'x' is not a whole number"},
    {"repeat backwards", "repeat -1 tick\n", "a negative number of repeats"},
    {"repeat nothing", "repeat 2\n", "repeat takes a number and a command"},
    {"repeat alone", "repeat\n", "repeat takes a number and a command"},
    {"repeat a repeat", "repeat 2 repeat 2 tick\n", "a repeated line cannot be repeat"},
    {"a repeated line that fails", "repeat 3 show Nope Text\n", "unknown control 'Nope'"},
    {"a round that fails", "repeat 3 pick ComboBox1 {n}\n", "ComboBox1 has no item 2"},
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

int LineCount(const std::string& text) {
    int count = 0;
    for (const char c : text) {
        count += c == '\n' ? 1 : 0;
    }
    return count;
}

// One window of the program, as the runner starts it.
class ScriptRunner : public testing::Test {
protected:
    ScriptRunner() {
        window_.Create();
        ActivateWindow(window_);
    }
    // The exit status of the script and what the error stream says.
    std::pair<int, std::string> Run(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream err;
        const int status = runner_.Run(in, err);
        return {status, err.str()};
    }

    std::ostringstream out_;
    ScriptedPlatform platform_{out_, (fs::temp_directory_path() / "tesmarik-unused.csv").string(),
                               "seller.example"};
    Window window_{platform_};
    ScenarioRunner runner_{window_, platform_, out_};
};

class RunnerRefuses : public ScriptRunner, public testing::WithParamInterface<Case> {};

TEST_P(RunnerRefuses, WithExitStatus2AndOneLineSayingWhy) {
    const Case& c = GetParam();
    // With the mass tab set up first, the line fails for what it says, not for a control
    // out of reach.
    const std::string script = std::string(kMassTab) + c.script;
    const std::string said =
        "line " + std::to_string(LineCount(script)) + ": " + std::string(c.error) + "\n";
    EXPECT_EQ(Run(script), std::make_pair(2, said));
}

INSTANTIATE_TEST_SUITE_P(Cases, RunnerRefuses, testing::ValuesIn(kCases), CaseName());

TEST_F(ScriptRunner, CountsCommentsAndBlanksAndStopsAtTheFirstBadLine) {
    EXPECT_EQ(Run("# a comment\n\n   \ntick\r\ntick -1\nfrobnicate\n"),
              std::make_pair(2, std::string("line 5: a negative number of ticks\n")));
}

}  // namespace
}  // namespace tesmarik
