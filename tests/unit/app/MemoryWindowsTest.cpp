// The program's database as the window uses it: a file that cannot be read is told once,
// and a database that cannot be had at all stands in the way of neither the price tab nor
// the offer.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/ProgramMemory.h"
#include "app/UserActions.h"
#include "app/Window.h"
#include "common/TempFolder.h"
#include "memory/MemoryFile.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHeading =
    "Тип;Диаметр;Стенка;Сталь;ГОСТ/ТУ;Цена;Описание;Склад;Менеджер;Заказ;Кол-во";
constexpr const char* kRow = "n;530;8;17Г1С;ГОСТ 20295-85;78500;прямошовные;Москва;Игорь;;45,5";

class MemoryWindows : public ::testing::Test {
protected:
    void SetUp() override {
        folder = *MakeTempFolder("tesmarik-memory-windows");
        platform.emplace(out, Utf8Text(folder / "1.csv"), "seller.example");
        platform->SetNow({2026, 12, 11, 9, 0, 0});
        platform->WriteLines(Utf8Text(folder / "1.csv"), {kHeading, kRow});
    }
    void TearDown() override { fs::remove_all(folder); }

    // The menu item of the price grid with that caption.
    static std::size_t ItemOf(const StringGrid& grid, const std::string& caption) {
        const auto it = std::find_if(grid.PopupMenu.begin(), grid.PopupMenu.end(),
                                     [&](const MenuItem& m) { return m.Caption == caption; });
        return static_cast<std::size_t>(it - grid.PopupMenu.begin());
    }

    std::vector<std::string> Lines(const std::string& start) const {
        std::vector<std::string> found;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) {
            if (line.starts_with(start)) {
                found.push_back(line);
            }
        }
        return found;
    }

    fs::path folder;
    std::ostringstream out;
    std::optional<ScriptedPlatform> platform;
};

TEST_F(MemoryWindows, AnUnreadableDatabaseIsMovedAsideAndToldOnce) {
    const fs::path data = folder / "data";
    const fs::path db = Utf8Path(MemoryFilePath(Utf8Text(data)));
    fs::create_directories(db.parent_path());
    std::ofstream(db, std::ios::binary) << "no database at all, and longer than its header.....";
    platform->SetDataFolder(Utf8Text(data));
    Window w(*platform);
    w.Create();
    ActivateWindow(w);
    ChangePage(w, w.form.PageControl1, 2);
    ChooseMenuItem(w, w.form.Tabl, ItemOf(w.form.Tabl, kPriceChangesItem));
    ChooseMenuItem(w, w.form.Tabl, ItemOf(w.form.Tabl, kPriceChangesItem));

    const auto messages = Lines("message: ");
    ASSERT_EQ(messages.size(), 1u) << out.str();
    std::vector<fs::path> aside;
    for (const auto& entry : fs::directory_iterator(db.parent_path())) {
        if (entry.path().filename().string().starts_with("tesmarik.db.")) {
            aside.push_back(entry.path());
        }
    }
    ASSERT_FALSE(aside.empty());
    // The runner writes a backslash of a Windows path doubled.
    std::string shown;
    for (const char c : Utf8Text(db)) {
        shown += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    EXPECT_NE(messages[0].find(shown), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find(Utf8Text(aside.front().filename())), std::string::npos)
        << messages[0];
    EXPECT_TRUE(Lines("error: ").empty()) << out.str();
    EXPECT_TRUE(w.form4.Form4.Visible);
    EXPECT_EQ(w.form4.Label1.Text.find("Сравнивать не с чем"), 0u) << w.form4.Label1.Text;
}

TEST_F(MemoryWindows, NoDatabaseStopsNeitherThePriceTabNorTheOffer) {
    // A data folder that is a file: the database cannot even be made.
    const fs::path data = folder / "data";
    std::ofstream(data) << "a file";
    platform->SetDataFolder(Utf8Text(data));
    Window w(*platform);
    w.Create();
    ActivateWindow(w);
    ChangePage(w, w.form.PageControl1, 2);
    EXPECT_EQ(Lines("error: ").size(), 1u) << out.str();
    ASSERT_EQ(w.form.Tabl.RowCount, 2);
    EXPECT_EQ(w.form.Tabl.Cell(1, 1), "530");

    // The offer is saved though it cannot be recorded.
    ChooseMenuItem(w, w.form.Tabl, ItemOf(w.form.Tabl, "Добавить в предложение…"));
    for (const char32_t c : {U'1', U'0', U'0'}) {
        TypeCharacter(w, w.form2.Edit1, c);
    }
    ClickControl(w, w.form2.Button2);
    const std::string saved = Utf8Text(folder / "offer.offer");
    platform->QueueSaveAs(saved);
    ClickControl(w, w.form3.Button5);
    EXPECT_TRUE(fs::exists(Utf8Path(saved)));
    EXPECT_FALSE(w.state.offer.unsaved);
    EXPECT_EQ(Lines("error: ").size(), 2u) << out.str();
}

}  // namespace
}  // namespace tesmarik
