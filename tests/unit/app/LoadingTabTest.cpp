#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/Window.h"
#include "common/TempFolder.h"
#include "common/Text.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

class LoadingTab : public ::testing::Test {
protected:
    LoadingTab() : platform(out, "1.csv", "localhost"), w(platform), f(w.form) { w.Create(); }

    void Pick(ComboBox& box, const std::string& text) {
        for (std::size_t i = 0; i < box.Items.size(); ++i) {
            if (box.Items[i] == text) {
                box.SetItemIndex(static_cast<int>(i));
                w.Dispatch(box.OnClick);
                return;
            }
        }
        FAIL() << "no item " << text;
    }
    void Click(Control& c) { w.Dispatch(c.OnClick); }

    bool OnLoadingTab(const Control& c) const {
        for (const Control* p = &c; p != nullptr; p = p->Parent) {
            if (p == &f.TabSheet2) {
                return true;
            }
        }
        return false;
    }

    // Everything a person can see of the loading tab.
    std::vector<std::string> Snapshot() const {
        std::vector<std::string> all;
        for (const Control* c : f.All()) {
            if (!OnLoadingTab(*c)) {
                continue;
            }
            std::string s = c->Name + (c->Visible ? " V" : " -") + (c->Enabled ? "E " : "- ") +
                            c->Text + " " + std::to_string(c->Width) + "x" +
                            std::to_string(c->Height);
            if (c->Kind == ControlKind::Memo) {
                s += static_cast<const Memo*>(c)->JoinedText();
            }
            if (c->Kind == ControlKind::ComboBox) {
                s += " #" + std::to_string(static_cast<const ComboBox*>(c)->ItemIndex());
            }
            if (c->Kind == ControlKind::PageControl) {
                s += " @" + std::to_string(static_cast<const PageControl*>(c)->ActivePageIndex);
            }
            all.push_back(s);
        }
        return all;
    }

    std::ostringstream out;
    ScriptedPlatform platform;
    Window w;
    TForm1& f;
};

TEST_F(LoadingTab, EveryControlLiesWithinItsParentAndTheTab) {
    int checked = 0;
    for (const Control* c : f.All()) {
        if (c == &f.TabSheet2 || !OnLoadingTab(*c)) {
            continue;
        }
        SCOPED_TRACE(c->Name);
        const Control& parent = *c->Parent;
        int width = c->Width;
        int height = c->Height;
        if (c->Kind == ControlKind::Label && static_cast<const Label*>(c)->AutoSize) {
            // A label grows with its caption: about 5 pixels a character at 8 points.
            width = std::max(width, 5 * static_cast<int>(CharCount(c->Text)));
            height = std::max(height, 13);
        }
        EXPECT_GE(c->Left, 0);
        EXPECT_GE(c->Top, 0);
        EXPECT_LE(c->Left + width, parent.Width);
        EXPECT_LE(c->Top + height, parent.Height);
        ++checked;
    }
    EXPECT_GT(checked, 75);
    EXPECT_EQ(f.TabSheet2.Width, 793);
    EXPECT_EQ(f.TabSheet2.Height, 302);
    // One place for every picture, under the caption line.
    for (Image* picture :
         {&f.Image17, &f.Image13, &f.Image14, &f.Image12, &f.Image15, &f.Image16, &f.Image3,
          &f.Image5, &f.Image6, &f.Image7, &f.Image8, &f.Image9, &f.Image10}) {
        SCOPED_TRACE(picture->Name);
        EXPECT_EQ(picture->Parent, &f.Panel2);
        EXPECT_EQ(picture->Left, f.Image17.Left);
        EXPECT_EQ(picture->Top, f.Image17.Top);
        EXPECT_EQ(picture->Width, 365);
        EXPECT_EQ(picture->Height, 133);
        EXPECT_EQ(picture->Picture.rfind("loading-", 0), 0u);
    }
    EXPECT_EQ(f.Label25.Parent, &f.Panel2);
    EXPECT_EQ(f.Memo3.Left, f.PageControl2.Left);
    EXPECT_EQ(f.Memo3.Top, f.PageControl2.Top);
    EXPECT_EQ(f.TabSheet8.Parent, &f.PageControl2);
    EXPECT_EQ(f.TabSheet9.Parent, &f.PageControl2);
}

TEST_F(LoadingTab, AFailingComputationChangesNothingButTheResetButton) {
    struct Failure {
        const char* what;
        void (*make)(TForm1&);
    };
    const Failure failures[] = {
        {"empty quantity", [](TForm1& g) { g.Edit8.Text.clear(); }},
        {"quantity with a point", [](TForm1& g) { g.Edit8.Text = "1.5"; }},
        {"length of 0", [](TForm1& g) { g.Edit3.Text = "0"; }},
        {"capacity for no pipe", [](TForm1& g) { g.Edit9.Text = "0,5"; }},
        {"huge quantity", [](TForm1& g) { g.Edit8.Text = "1E308"; }},
        {"text as capacity", [](TForm1& g) { g.Edit9.Text = "шестьдесят"; }},
    };
    // A first successful computation with a consignment and the capacity case.
    f.RadioGroup1.SetItemIndex(0);
    Pick(f.ComboBox4, "530");
    Pick(f.ComboBox5, "16");
    f.RadioGroup3.SetItemIndex(kBasisMass);
    f.Edit8.Text = "500";
    Click(f.Button2);
    ASSERT_EQ(f.Memo3.Lines.size(), 25u);
    f.PageControl2.ActivePageIndex = 1;
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.what);
        f.Button7.Visible = false;
        const std::string edit3 = f.Edit3.Text, edit8 = f.Edit8.Text, edit9 = f.Edit9.Text;
        failure.make(f);
        const auto before = Snapshot();
        out.str("");
        Click(f.Button2);
        EXPECT_NE(out.str().find("error: "), std::string::npos);
        EXPECT_TRUE(f.Button7.Visible);
        f.Button7.Visible = false;
        EXPECT_EQ(Snapshot(), before);
        f.Edit3.Text = edit3;
        f.Edit8.Text = edit8;
        f.Edit9.Text = edit9;
    }
}

TEST_F(LoadingTab, TheResetBringsTheFirstPageToTheFront) {
    f.RadioGroup1.SetItemIndex(0);
    Pick(f.ComboBox4, "530");
    Pick(f.ComboBox5, "10");
    Click(f.Button2);
    f.PageControl2.ActivePageIndex = 1;
    Click(f.Button7);
    EXPECT_EQ(f.PageControl2.ActivePageIndex, 0);
    EXPECT_EQ(w.state.loading.quantityBasis, kBasisNone);
    // The current vehicle's data stays for a later hand-over.
    EXPECT_EQ(f.RadioGroup1.ItemIndex(), -1);
    EXPECT_EQ(w.state.loading.vehicle, VehicleKind::StandardGondola);
    EXPECT_EQ(w.state.loading.reportName, "стандартный полувагон");
}

TEST_F(LoadingTab, TheHandOverSelectsEveryStandardDiameterWithItsScheme) {
    const char* diameters[] = {"219", "273", "325",  "426",  "530", "630",
                               "720", "820", "1020", "1220", "1420"};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(diameters[i]);
        // The mass tab as its run leaves it.
        f.PageControl1.ActivePageIndex = 0;
        f.ComboBox2.Text = diameters[i];
        f.ComboBox3.Text = "12";
        f.Button15.Enabled = true;
        Click(f.Button15);
        EXPECT_EQ(f.PageControl1.ActivePageIndex, 1);
        EXPECT_EQ(f.RadioGroup1.ItemIndex(), 0);
        EXPECT_EQ(f.ComboBox4.ItemIndex(), i + 1);
        EXPECT_EQ(f.ComboBox4.Text, diameters[i]);
        EXPECT_EQ(f.ComboBox5.Text, "12");
        EXPECT_EQ(f.ComboBox5.Style, ComboStyle::Editable);
        const bool scheme = i >= 4;
        for (int k = 0; k < 7; ++k) {
            EXPECT_EQ(f.SchemeImages[k]->Visible, scheme && k == i - 4);
        }
        if (scheme) {
            EXPECT_EQ(f.Label25.Text.rfind("Схема погрузки для трубы диаметром ", 0), 0u);
        } else {
            EXPECT_EQ(f.Label25.Text, "Для данного диаметр схема не предусмотрена");
        }
        out.str("");
        Click(f.Button2);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(f.Memo3.Lines.at(2),
                  "Позиция: трубы метал. диам. " + std::string(diameters[i]) + "x12 (l=11,3 m.)");
    }
}

TEST_F(LoadingTab, TheSavedReportIsWindows1251WithCrLf) {
    f.RadioGroup1.SetItemIndex(0);
    Pick(f.ComboBox4, "530");
    Pick(f.ComboBox5, "10");
    Click(f.Button2);
    const auto made = MakeTempFolder("tesmarik-loading");
    ASSERT_TRUE(made.has_value());
    const std::filesystem::path folder = *made;
    const auto path = folder / "report";
    platform.QueueSaveAs(path.string());
    Click(f.BitBtn3);
    std::string bytes;
    {
        // Closed before the folder goes: Windows removes no open file.
        std::ifstream file(folder / "report.txt", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    std::filesystem::remove_all(folder);
    // "ТС: стандартный полувагон" and "Длина: 305 м." in Windows-1251.
    const std::string vehicle =
        "\xD2\xD1: \xF1\xF2\xE0\xED\xE4\xE0\xF0\xF2\xED\xFB\xE9 \xEF\xEE\xEB\xF3\xE2\xE0\xE3\xEE"
        "\xED";
    const std::string length = "\xC4\xEB\xE8\xED\xE0: 305 \xEC.";
    const std::string expected = "_____________\r\n" + vehicle +
                                 "\r\n\xCF\xEE\xE7\xE8\xF6\xE8\xFF: \xF2\xF0\xF3\xE1\xFB "
                                 "\xEC\xE5\xF2\xE0\xEB. \xE4\xE8\xE0\xEC. 530x10 (l=11,3 m.)\r\n"
                                 "\xCC\xE0\xEA\xF1. \xEA\xEE\xEB.:27 \xF8\xF2.\r\n"
                                 "\xCC\xE0\xF1\xF1\xE0: 39,4 \xF2.\r\n" +
                                 length + "\r\n";
    EXPECT_EQ(bytes, expected);
}

}  // namespace
}  // namespace tesmarik
