#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <sstream>

#include "app/UserActions.h"
#include "app/Window.h"
#include "qt/binding/QtBinding.h"
#include "tests/display/RealWindow.h"
#include "tests/qt/WindowFixture.h"
#include "tools/scenario/ScenarioRunner.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

using ScreenshotTest = WindowFixture;

// Writes a picture of the window with each tab in front, to look at after a build.
TEST_F(ScreenshotTest, EachTabInFront) {
    const char* names[] = {"tab0-mass", "tab1-loading", "tab2-price", "tab3-info"};
    for (int i = 0; i < 4; ++i) {
        Form().PageControl1.ActivePageIndex = i;
        binding->Sync();
        QApplication::processEvents();
        const QPixmap shot = binding->TopLevel()->grab();
        EXPECT_EQ(shot.size(), QSize(801, 403));
        EXPECT_TRUE(SaveScreenshot(shot.toImage(), names[i]));
    }
}

struct Scene {
    const char* name;
    const char* script;  // scenario lines acting as the user
};

// The window as a user leaves it after a few steps, driven through the same runner as the
// acceptance scripts and shown by the real binding.
class SceneShot : public testing::TestWithParam<Scene> {};

// Names the scene in test listings instead of dumping its pointers.
void PrintTo(const Scene& scene, std::ostream* out) {
    *out << scene.name;
}

TEST_P(SceneShot, ShowsTheWindowAfterTheSteps) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::ostringstream printed;
    ScriptedPlatform platform(printed, folder.filePath("1.csv").toStdString(), "tesmarik.example");
    Window window(platform);
    window.Create();
    QtBinding binding(window);
    binding.TopLevel()->show();
    ActivateWindow(window);
    ScenarioRunner runner(window, platform, printed);
    std::istringstream script(GetParam().script);
    std::ostringstream errors;
    ASSERT_EQ(runner.Run(script, errors), 0) << errors.str();
    EXPECT_EQ(printed.str().find("error:"), std::string::npos) << printed.str();
    binding.Sync();
    QApplication::processEvents();
    const QPixmap shot = binding.TopLevel()->grab();
    EXPECT_TRUE(SaveScreenshot(shot.toImage(), GetParam().name));
}

constexpr const char* kMassSize =
    "tab 0\npick ComboBox1 0\nchoose ComboBox2 530\nchoose ComboBox3 8\n";

const std::string kMassByLength =
    std::string(kMassSize) + "pick RadioGroup2 0\ntype Edit10 1000\nclick Button1\n";
const std::string kMassByMass =
    std::string(kMassSize) + "pick RadioGroup2 1\ntype Edit10 50\nclick Button1\n";
const std::string kMassPipes = std::string(kMassSize) +
                               "pick RadioGroup2 2\ntypecell rtab 0 1 12\ntypecell rtab 0 2 11,5\n"
                               "typecell rtab 0 3 9,75\nclick Button1\n";
const std::string kMassReport = kMassPipes + "click BitBtn1\n";
const std::string kMassLog =
    kMassByLength +
    "pick RadioGroup2 1\nsettext Edit10 \ntype Edit10 50\nclick Button1\nclick BitBtn4\n";
const std::string kMassBoiler =
    "tab 0\npick ComboBox1 1\npick ComboBox6 0\nchoose ComboBox2 219\nchoose ComboBox3 20\n"
    "pick RadioGroup2 0\ntype Edit10 100\nclick Button1\n";
const std::string kScheme =
    "pick RadioGroup1 0\nchoose ComboBox4 530\nchoose ComboBox5 10\nclick Button2\n";
const std::string kCapacity =
    "pick RadioGroup1 0\nchoose ComboBox4 530\nchoose ComboBox5 16\npick RadioGroup3 0\ntype Edit8 "
    "500\nclick Button2\n";
const std::string kReport = kCapacity + "click BitBtn2\n";
const std::string kPrice = std::string("pricefile ") + TESMARIK_SOURCE_DIR +
                           "/tools/seller/sample-price.csv 2026-01-01 09:00:00\ntab 2\n";

const Scene kScenes[] = {
    {"mass-by-length", kMassByLength.c_str()},
    {"mass-by-mass", kMassByMass.c_str()},
    {"mass-single-pipes", kMassPipes.c_str()},
    {"mass-lengths-report", kMassReport.c_str()},
    {"mass-log", kMassLog.c_str()},
    {"mass-boiler", kMassBoiler.c_str()},
    {"loading-gondola", "pick RadioGroup1 0\n"},
    {"loading-high-sided", "pick RadioGroup1 1\n"},
    {"loading-platform", "pick RadioGroup1 2\n"},
    {"loading-truck-stanchions", "pick RadioGroup1 3\n"},
    {"loading-truck", "pick RadioGroup1 4\n"},
    {"loading-scheme-530", kScheme.c_str()},
    {"loading-capacity", kCapacity.c_str()},
    {"loading-report", kReport.c_str()},
    {"price-sample", kPrice.c_str()},
};

// The windows of the program's memory after three kept lists and an offer saved: each
// shown by the real binding beside the main window.
class MemoryShot : public testing::TestWithParam<Scene> {};

const std::string kMemoryData = std::string(TESMARIK_SOURCE_DIR) + "/tests/scenario/data/memory/";
const std::string kThreeLists =
    "pricefile " + kMemoryData +
    "day1.csv 2026-12-05 08:00:00\nnow 2026-12-05 09:00:00\n"
    "tab 2\ntab 1\nnow 2026-12-08 08:15:00\nanswer ok\ndownload ok " +
    kMemoryData + "day2.csv\ntab 2\ntab 1\nnow 2026-12-11 08:15:00\nanswer ok\ndownload ok " +
    kMemoryData + "day3.csv\ntab 2\n";
const std::string kChanges =
    kThreeLists + "menu Tabl Изменения прайса…\nchoose Form4.ComboBox1 05.12.2026 08:00\n";
const std::string kHistory = kThreeLists + "focus Tabl 0 1\nmenu Tabl История цены…\n";
const std::string kArchive =
    kThreeLists +
    "focus Tabl 0 1\nmenu Tabl Добавить в предложение…\ntype Edit1 100\nclick Button2\n"
    "settext Form3.Edit2 ООО \"Ромашка\"\nsaveas /tmp/tesmarik-memory-shot.offer\n"
    "click Form3.Button5\nmenu Form3.StringGrid1 Архив предложений…\n";

TEST_P(MemoryShot, ShowsTheWindowOverTheMainWindow) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::ostringstream printed;
    ScriptedPlatform platform(printed, folder.filePath("1.csv").toStdString(), "tesmarik.example");
    platform.SetDataFolder(folder.path().toStdString());
    Window window(platform);
    window.Create();
    QtBinding binding(window);
    binding.TopLevel()->show();
    ActivateWindow(window);
    ScenarioRunner runner(window, platform, printed);
    std::istringstream script(GetParam().script);
    std::ostringstream errors;
    ASSERT_EQ(runner.Run(script, errors), 0) << errors.str();
    EXPECT_EQ(printed.str().find("error:"), std::string::npos) << printed.str();
    binding.Sync();
    QApplication::processEvents();
    ASSERT_NE(window.dialogs.Top(), nullptr);
    const std::string form = window.dialogs.Top()->All().front()->Name;
    QtBinding* shown = binding.DialogBinding(form);
    ASSERT_NE(shown, nullptr) << form;
    EXPECT_TRUE(shown->TopLevel()->isVisible());
    EXPECT_TRUE(SaveScreenshot(shown->TopLevel()->grab().toImage(), GetParam().name));
}

const Scene kMemoryScenes[] = {
    {"memory-changes", kChanges.c_str()},
    {"memory-history", kHistory.c_str()},
    {"memory-archive", kArchive.c_str()},
};

INSTANTIATE_TEST_SUITE_P(Memory, MemoryShot, testing::ValuesIn(kMemoryScenes),
                         [](const testing::TestParamInfo<Scene>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (c == '-') {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

INSTANTIATE_TEST_SUITE_P(Window, SceneShot, testing::ValuesIn(kScenes),
                         [](const testing::TestParamInfo<Scene>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (c == '-') {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

}  // namespace
}  // namespace tesmarik
