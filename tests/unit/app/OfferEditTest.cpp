// The offer's grid as a spreadsheet edits a cell, and the figures the window refuses to
// quote while anything typed is wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/UserActions.h"
#include "app/Window.h"
#include "offer/OfferFile.h"
#include "offer/OfferTexts.h"
#include "tabs/offer/OfferWindow.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

class OfferEdit : public testing::Test {
protected:
    void SetUp() override {
        window.Create();
        Restart();
    }

    // One position of 25 t of 530 × 8 at 78 500 руб./т, its quantity the current cell.
    void Restart() {
        OfferState& s = window.state.offer;
        s = OfferState{};
        s.offer.number = "111226-1137";
        s.offer.started = {2026, 12, 11, 11, 37, 0};
        s.offer.positions.push_back(
            {"n", 530, 8, "17Г1С", "ГОСТ 20295-85", "78500", QuantityUnit::Tonnes, 25, 11.3});
        s.started = true;
        window.dialogs.Open(window.form3);
        Grid().Editing = false;
        MoveToCell(Grid(), kQuantityColumn, 1);
        Show();
    }
    void Show() { ShowOffer(window.form3, window.state.offer, window.form.Edit9.Text); }
    StringGrid& Grid() { return window.form3.StringGrid1; }
    void Keys(const std::u32string& keys) {
        for (const char32_t key : keys) {
            TypeIntoCell(window, Grid(), key);
        }
    }
    std::string Cell(int col) { return Grid().Cell(col, 1); }

    std::ostringstream out;
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "tesmarik-offer-edit";
    ScriptedPlatform platform{out, (folder / "1.csv").string(), "seller.example"};
    Window window{platform};
};

TEST_F(OfferEdit, TypingReplacesF2EditsInPlaceEscRestores) {
    const char32_t F2 = kEditCellKey;
    const char32_t Esc = kEscapeKey;
    const struct {
        std::u32string keys;
        const char* shown;
        double quantity;
    } cases[] = {
        {U"30", "30", 30},                   // not 2530
        {{F2, U'0'}, "250", 250},            // F2: at the end of the text
        {{U'3', U'0', Esc}, "25", 25},       // Esc: what stood before the edit
        {{F2, U'\b', U'4', Esc}, "25", 25},  //
        {U"3\r4", "4", 4},                   // Enter ends the edit; the next key replaces
        {U"\b", "", 25},                     // Backspace clears the cell
        {{F2, U'\b', U'\b', U'7'}, "7", 7},
    };
    for (const auto& c : cases) {
        Restart();
        Keys(c.keys);
        EXPECT_EQ(Cell(kQuantityColumn), c.shown);
        EXPECT_DOUBLE_EQ(window.state.offer.offer.positions[0].quantity, c.quantity);
    }
    // Another cell ends the edit: coming back, typing replaces again.
    Restart();
    Keys({F2, U'1'});
    MoveToCell(Grid(), kNameColumn, 1);
    MoveToCell(Grid(), kQuantityColumn, 1);
    Keys(U"5");
    EXPECT_EQ(Cell(kQuantityColumn), "5");
}

TEST_F(OfferEdit, NoFigureStandsOrLeavesWhileAnInputIsWrong) {
    TForm3& f = window.form3;
    ASSERT_EQ(Cell(kMassColumn), "25");
    ASSERT_FALSE(f.Label9.Text.empty());
    const struct {
        std::u32string keys;  // typed into the quantity
        const char* rate;
        const char* problem;
    } cases[] = {
        {U"\b", "22", "Позиция 1: Введите количество."},
        {U"0", "22", "Позиция 1: Количество должно быть больше нуля."},
        {U"2000000", "22", "Позиция 1: Количество слишком велико: не более 100 000 т."},
        {U"0,1", "22", "Позиция 1: Количество меньше одной трубы."},
        {U"30", "abc", "Ставка НДС \"abc\" - не число."},
    };
    for (const auto& c : cases) {
        Restart();
        Keys(c.keys);
        ChangeText(window, f.Edit4, c.rate);
        EXPECT_EQ(f.Label7.Text, c.problem);
        for (const Label* total : {&f.Label8, &f.Label9, &f.Label11, &f.Label12, &f.Label13}) {
            EXPECT_EQ(total->Text, "") << c.problem;
        }
        // A quantity that is wrong blanks its row; a wrong rate leaves the rows standing.
        EXPECT_EQ(Cell(kMassColumn).empty(), std::string(c.rate) == "22");
        EXPECT_EQ(Cell(kCostColumn).empty(), std::string(c.rate) == "22");
        // Every document is refused with what to correct, before any dialog is asked.
        out.str("");
        for (Button* button : {&f.Button1, &f.Button2, &f.Button3, &f.Button4}) {
            ClickControl(window, *button);
        }
        const std::string error = "error: " + std::string(c.problem) + "\n";
        EXPECT_EQ(out.str(), error + error + error + error);
    }
}

TEST_F(OfferEdit, OpeningAsksAboutTheOpenOfferOnlyOnceTheNewOneIsRead) {
    std::filesystem::create_directories(folder);
    const std::string damaged = (folder / "damaged.offer").string();
    const std::string good = (folder / "good.offer").string();
    std::ofstream(damaged) << kOfferFileSignature << "\nномер=1\n";
    Offer other = window.state.offer.offer;
    other.number = "другое";
    std::ofstream(good) << OfferFileText(other);
    window.state.offer.unsaved = true;

    platform.QueueOpen(std::nullopt);
    platform.QueueOpen(damaged);
    ClickControl(window, window.form3.Button6);
    ClickControl(window, window.form3.Button6);
    EXPECT_EQ(out.str().find("question:"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("повреждён: строка 3. Открытое предложение не изменилось."),
              std::string::npos);
    EXPECT_EQ(window.state.offer.offer.number, "111226-1137");

    // "Нет" to saving the open offer lets the one read take its place.
    platform.QueueOpen(good);
    platform.QueueSaveAnswer(SaveAnswer::Discard);
    ClickControl(window, window.form3.Button6);
    EXPECT_NE(out.str().find("question: Предложение № 111226-1137 изменено."), std::string::npos);
    EXPECT_EQ(window.form3.Edit1.Text, "другое");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tesmarik
