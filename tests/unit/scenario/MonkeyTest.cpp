// The monkey: random user actions on whatever the user can reach, through the scenario
// runner so that they take the same roads as the acceptance scripts, with a check after
// every action that the window still says and shows only what the program means to.
//
// ./test.sh runs 3,000 actions with a fixed seed. A longer run, or another seed:
//   TESMARIK_MONKEY_ACTIONS=100000 TESMARIK_MONKEY_SEED=7 build/unit_scenario
// TESMARIK_MONKEY_KEEP=1 keeps the run's folder. On a failure the whole run is left behind as a
// scenario script (its path is printed), which tesmarik-scenario replays.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/UserActions.h"
#include "app/Window.h"
#include "common/TempFolder.h"
#include "controls/Controls.h"
#include "files/QtFiles.h"
#include "tests/unit/scenario/ProgramTexts.h"
#include "tests/unit/scenario/RandomInput.h"
#include "tools/scenario/ScenarioRunner.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

namespace fs = std::filesystem;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

// The runner's platform, which also notes every text the program says that is not one
// of its own.
class MonkeyPlatform : public ScriptedPlatform {
public:
    using ScriptedPlatform::ScriptedPlatform;

    std::vector<std::string> strangeTexts;
    std::map<std::string, int> said;  // how often each of the program's texts came up

    void ShowMessage(const std::string& text) override {
        Check(Said::Message, "message", text);
        ScriptedPlatform::ShowMessage(text);
    }
    bool AskAt(int left, int top, const std::string& text) override {
        const std::string name = Check(Said::Dialog, "dialog", text);
        // Each prompt has its own place on the screen.
        const bool placed = (name == "no price file" && left == 20 && top == 100) ||
                            (name == "price file old" && left == 500 && top == 300);
        if (!name.empty() && !placed) {
            strangeTexts.push_back("dialog '" + name + "' at " + std::to_string(left) + "," +
                                   std::to_string(top));
        }
        return ScriptedPlatform::AskAt(left, top, text);
    }
    void ErrorBox(const std::string& text) override {
        Check(Said::Error, "error box", text);
        ScriptedPlatform::ErrorBox(text);
    }

private:
    std::string Check(Said how, const char* what, const std::string& text) {
        std::string name = KnownText(how, text);
        ++said[name.empty() ? "?" : name];
        if (name.empty()) {
            strangeTexts.push_back(std::string(what) +
                                   " with a text of no one's: " + EscapeValue(text));
        }
        return name;
    }
};

// A text on the screen that shows an infinity or NaN, described; empty when none does.
std::string InfOrNanOnScreen(const TForm1& form) {
    const auto check = [](const Control& c, const std::string& where, const std::string& text) {
        return ShowsInfOrNan(text) ? c.Name + where + " shows '" + EscapeValue(text) + "'"
                                   : std::string();
    };
    for (const Control* c : form.All()) {
        std::string found = check(*c, ".Text", c->Text);
        for (std::size_t i = 0; found.empty() && c->Kind == ControlKind::ComboBox &&
                                i < static_cast<const ComboBox*>(c)->Items.size();
             ++i) {
            found = check(*c, ".Items[" + std::to_string(i) + "]",
                          static_cast<const ComboBox*>(c)->Items[i]);
        }
        for (std::size_t i = 0; found.empty() && c->Kind == ControlKind::RadioGroup &&
                                i < static_cast<const RadioGroup*>(c)->Items.size();
             ++i) {
            found = check(*c, ".Items[" + std::to_string(i) + "]",
                          static_cast<const RadioGroup*>(c)->Items[i]);
        }
        for (std::size_t i = 0; found.empty() && c->Kind == ControlKind::Memo &&
                                i < static_cast<const Memo*>(c)->Lines.size();
             ++i) {
            found = check(*c, ".Lines[" + std::to_string(i) + "]",
                          static_cast<const Memo*>(c)->Lines[i]);
        }
        if (found.empty() && c->Kind == ControlKind::StringGrid) {
            const auto& grid = static_cast<const StringGrid&>(*c);
            for (int r = 0; found.empty() && r < grid.RowCount; ++r) {
                for (int col = 0; found.empty() && col < grid.ColCount; ++col) {
                    found =
                        check(*c, ".Cells[" + std::to_string(col) + "," + std::to_string(r) + "]",
                              grid.Cell(col, r));
                }
            }
        }
        if (!found.empty()) {
            return found;
        }
    }
    return {};
}

class Monkey {
public:
    Monkey(std::uint64_t seed, fs::path folder)
        : dice_(seed),
          folder_(std::move(folder)),
          platform_(output_, (folder_ / "1.csv").string(), "tesmarik.example"),
          window_(platform_),
          runner_(window_, platform_, output_) {
        fs::create_directories(folder_ / "prices");
        fs::create_directories(folder_ / "saves");
        // A folder where a report file would go: no file can be created there.
        fs::create_directories(folder_ / "saves" / "folder.txt");
        for (int i = 0; i < kPriceFiles; ++i) {
            NewPriceFile();
        }
        window_.Create();
        ActivateWindow(window_);
    }

    // The next action as a scenario line.
    std::string NextAction() {
        if (dice_.Chance(1)) {
            // Fresh price files now and then, so that a long run meets many.
            NewPriceFile();
        }
        const int roll = dice_.Between(1, 100);
        if (roll <= 8) {
            return "tab " + std::to_string(dice_.Between(
                                0, static_cast<int>(window_.form.PageControl1.Pages.size()) - 1));
        }
        if (roll <= 12) {
            return "tick " + std::to_string(dice_.Between(1, 5));
        }
        if (roll <= 13) {
            return "activate";
        }
        if (roll <= 25) {
            return PlatformAction();
        }
        return UserAction();
    }

    // Runs one line; the runner's printing of it is kept for a report.
    void Run(const std::string& line) {
        output_.str("");
        runner_.RunLine(line);
    }

    std::string Output() const { return output_.str(); }
    std::vector<std::string>& StrangeTexts() { return platform_.strangeTexts; }
    const std::map<std::string, int>& Said() const { return platform_.said; }
    const TForm1& Form() const { return window_.form; }

private:
    static constexpr int kPriceFiles = 16;

    // One of the latest price files. Files are never rewritten, so that the script of the
    // run replays with the files as they were.
    std::string PriceFile() {
        return (folder_ / "prices" /
                (std::to_string(priceFiles_ - dice_.Between(1, kPriceFiles)) + ".csv"))
            .generic_string();
    }

    void NewPriceFile() {
        const fs::path path = folder_ / "prices" / (std::to_string(priceFiles_++) + ".csv");
        QtFiles::WriteBytes(path.generic_string(), dice_.PriceFileBytes());
    }

    std::string PlatformAction() {
        switch (dice_.Between(0, 5)) {
            case 0:
                return dice_.Chance(60) ? "answer ok" : "answer cancel";
            case 1: {
                const fs::path saves = folder_ / "saves";
                const std::vector<std::string> paths = {
                    (saves / ("report" + std::to_string(dice_.Between(0, 5)) + ".txt"))
                        .generic_string(),
                    (saves / ("report" + std::to_string(dice_.Between(0, 5)))).generic_string(),
                    (saves / "folder.txt").generic_string(),
                    (saves / "missing" / "report.txt").generic_string(), "cancel"};
                return "saveas " + dice_.OneOf(paths);
            }
            case 2:
                return dice_.Chance(40) ? "download fail" : "download ok " + PriceFile();
            case 3:
                return "now " + dice_.DateTimeText();
            default: {
                const int roll = dice_.Between(1, 10);
                if (roll == 1) {
                    return "pricefile none";
                }
                if (roll == 2) {
                    return "pricefile locked";
                }
                return "pricefile " + PriceFile() + " " + dice_.DateTimeText();
            }
        }
    }

    std::string UserAction() {
        // Fields and lists first, then what can be pressed, then the rest (labels, pictures,
        // panels): there are many more labels than fields.
        std::vector<const Control*> inputs;
        std::vector<const Control*> presses;
        std::vector<const Control*> others;
        for (const Control* c : window_.form.All()) {
            if (c->Kind == ControlKind::Timer || c->Kind == ControlKind::PageControl ||
                !IsReachable(*c)) {
                continue;
            }
            switch (c->Kind) {
                case ControlKind::ComboBox:
                case ControlKind::RadioGroup:
                case ControlKind::Edit:
                case ControlKind::StringGrid:
                    inputs.push_back(c);
                    break;
                case ControlKind::Memo:
                    (static_cast<const Memo*>(c)->ReadOnly ? others : inputs).push_back(c);
                    break;
                case ControlKind::Button:
                case ControlKind::BitBtn:
                case ControlKind::CheckBox:
                    presses.push_back(c);
                    break;
                default:
                    others.push_back(c);
            }
        }
        const int roll = dice_.Between(1, 100);
        const std::vector<const Control*>& group = (roll <= 60 && !inputs.empty())    ? inputs
                                                   : (roll <= 85 && !presses.empty()) ? presses
                                                                                      : others;
        const Control& c = *dice_.OneOf(group);
        const std::string& name = c.Name;
        switch (c.Kind) {
            case ControlKind::ComboBox: {
                const auto& box = static_cast<const ComboBox&>(c);
                if (!box.Items.empty() && (box.Style == ComboStyle::Pick || dice_.Chance(50))) {
                    return "pick " + name + " " + RandomIndex(box.Items.size());
                }
                if (box.Style == ComboStyle::Editable) {
                    return Typing(name);
                }
                break;
            }
            case ControlKind::RadioGroup: {
                const auto& group = static_cast<const RadioGroup&>(c);
                if (!group.Items.empty()) {
                    return "pick " + name + " " + RandomIndex(group.Items.size());
                }
                break;
            }
            case ControlKind::Edit:
                return Typing(name);
            case ControlKind::Memo:
                if (!static_cast<const Memo&>(c).ReadOnly) {
                    return (dice_.Chance(50) ? "type " : "settext ") + name + " " +
                           dice_.TypedText();
                }
                break;
            case ControlKind::StringGrid:
                return GridAction(static_cast<const StringGrid&>(c));
            case ControlKind::Button:
            case ControlKind::BitBtn:
            case ControlKind::CheckBox:
            case ControlKind::Image:
                return "click " + name;
            case ControlKind::Label:
            case ControlKind::StaticText:
                if (dice_.Chance(50)) {
                    return "click " + name;
                }
                break;
            default:
                break;
        }
        return (dice_.Chance(60) ? "hover " : "leave ") + name;
    }

    std::string RandomIndex(std::size_t count) {
        return std::to_string(dice_.Between(0, static_cast<int>(count) - 1));
    }

    std::string Typing(const std::string& name) {
        const int roll = dice_.Between(1, 10);
        if (roll <= 5) {
            return "type " + name + " " + dice_.TypedText();
        }
        if (roll <= 8) {
            return "settext " + name + " " + dice_.TypedText();
        }
        return "key " + name + (roll == 9 ? " enter" : " backspace");
    }

    std::string GridAction(const StringGrid& grid) {
        const int roll = dice_.Between(1, 10);
        if (roll <= 6 && grid.RowCount > grid.FixedRows && grid.ColCount > 0) {
            // Mostly the rows near the end, where typing grows the grid.
            const int row = dice_.Chance(50)
                                ? std::max(grid.FixedRows, grid.RowCount - dice_.Between(1, 3))
                                : dice_.Between(grid.FixedRows, grid.RowCount - 1);
            return "typecell " + grid.Name + " " +
                   RandomIndex(static_cast<std::size_t>(grid.ColCount)) + " " +
                   std::to_string(row) + " " + dice_.TypedText();
        }
        if (roll <= 8 && grid.RowCount > 0 && grid.ColCount > 0) {
            return "focus " + grid.Name + " " +
                   RandomIndex(static_cast<std::size_t>(grid.ColCount)) + " " +
                   RandomIndex(static_cast<std::size_t>(grid.RowCount));
        }
        return "key " + grid.Name + (roll == 9 ? " enter" : " backspace");
    }

    Dice dice_;
    fs::path folder_;
    int priceFiles_ = 0;
    std::ostringstream output_;
    MonkeyPlatform platform_;
    Window window_;
    ScenarioRunner runner_;
};

TEST(Monkey, RandomUserActionsKeepTheWindowSound) {
    const std::uint64_t seed = FromEnvironment("TESMARIK_MONKEY_SEED", 20260101);
    const std::uint64_t actions = FromEnvironment("TESMARIK_MONKEY_ACTIONS", 3000);

    const auto made = MakeTempFolder("tesmarik-monkey");
    ASSERT_TRUE(made.has_value());
    const fs::path folder = *made;
    const fs::path script = folder / "monkey.scn";
    // Written before each action runs, so that even a crash leaves the way to it behind.
    std::ofstream journal(script);
    std::cout << "monkey: seed " << seed << ", " << actions << " actions, script " << script
              << std::endl;

    Monkey monkey(seed, folder);
    std::deque<std::string> last;
    for (std::uint64_t i = 1; i <= actions; ++i) {
        const std::string line = monkey.NextAction();
        journal << line << std::endl;
        last.push_back(line);
        if (last.size() > 20) {
            last.pop_front();
        }
        std::string fault;
        try {
            monkey.Run(line);
        } catch (const ScriptError& e) {
            fault = std::string("the runner cannot run the monkey's line: ") + e.what();
        } catch (const std::exception& e) {
            fault = std::string("an exception got past the window: ") + e.what();
        }
        if (fault.empty() && !monkey.StrangeTexts().empty()) {
            fault = monkey.StrangeTexts().front();
        }
        if (fault.empty()) {
            fault = InfOrNanOnScreen(monkey.Form());
        }
        if (!fault.empty()) {
            std::ostringstream recent;
            for (const std::string& l : last) {
                recent << "  " << EscapeValue(l) << '\n';
            }
            FAIL() << "action " << i << " of seed " << seed << ": " << fault
                   << "\nthe last actions:\n"
                   << recent.str() << "what the last one printed:\n"
                   << monkey.Output() << "the whole run, for tesmarik-scenario: " << script;
        }
    }
    journal.close();
    std::cout << "monkey: the program said";
    for (const auto& [name, times] : monkey.Said()) {
        std::cout << " '" << name << "' " << times << "x";
    }
    std::cout << std::endl;
    if (FromEnvironment("TESMARIK_MONKEY_KEEP", 0) == 0) {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
}

}  // namespace
}  // namespace tesmarik
