// The mass tab fits its 793 x 302 panel, in the universal and in the boiler layout.
#include <gtest/gtest.h>

#include "form/TForm1.h"
#include "tabs/mass/SizeCascade.h"

namespace tesmarik {
namespace {

bool Overlap(const Control& a, const Control& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

TEST(MassTabLayout, EveryControlLiesWithinItsParent) {
    TForm1 f;
    for (const Control* c : f.All()) {
        const Control* p = c->Parent;
        if (p == nullptr || (p != &f.Panel5 && p != &f.Panel6 && p != &f.TabSheet1)) {
            continue;
        }
        const int width = p == &f.TabSheet1 ? 793 : p->Width;
        const int height = p == &f.TabSheet1 ? 302 : p->Height;
        EXPECT_GE(c->Left, 0) << c->Name;
        EXPECT_GE(c->Top, 0) << c->Name;
        EXPECT_LE(c->Left + c->Width, width) << c->Name;
        EXPECT_LE(c->Top + c->Height, height) << c->Name;
    }
}

TEST(MassTabLayout, TheChoicesDoNotCoverEachOtherInEitherLayout) {
    TForm1 f;
    AssortmentState s;
    const std::vector<const Control*> universal = {&f.ComboBox1, &f.ComboBox2,   &f.ComboBox3,
                                                   &f.CheckBox2, &f.RadioGroup2, &f.Button1,
                                                   &f.Button15};
    for (std::size_t i = 0; i < universal.size(); ++i) {
        for (std::size_t j = i + 1; j < universal.size(); ++j) {
            EXPECT_FALSE(Overlap(*universal[i], *universal[j]))
                << universal[i]->Name << " " << universal[j]->Name;
        }
    }
    // The boiler type moves the size rows below the document list, and they stay there
    // when the universal type with its allowance box comes back.
    f.ComboBox1.SetItemIndex(1);
    ComboBox1Click(f, s);
    const std::vector<const Control*> moved = {&f.ComboBox1, &f.ComboBox6, &f.ComboBox2,
                                               &f.ComboBox3, &f.CheckBox2, &f.RadioGroup2};
    for (std::size_t i = 0; i < moved.size(); ++i) {
        for (std::size_t j = i + 1; j < moved.size(); ++j) {
            EXPECT_FALSE(Overlap(*moved[i], *moved[j])) << moved[i]->Name << " " << moved[j]->Name;
        }
    }
}

TEST(MassTabLayout, TheWidenedGridKeepsClearOfItsButtonsAndOfTheResultArea) {
    TForm1 f;
    f.rtab.Width = 151;
    for (const Control* beside :
         std::initializer_list<const Control*>{&f.BitBtn1, &f.Button11, &f.Button12}) {
        EXPECT_FALSE(Overlap(f.rtab, *beside)) << beside->Name;
        EXPECT_FALSE(Overlap(f.Memo2, *beside)) << beside->Name;
    }
    EXPECT_FALSE(Overlap(f.Button11, f.Button12));
    for (const Control* middle : std::initializer_list<const Control*>{
             &f.rtab, &f.Memo2, &f.BitBtn1, &f.Edit10, &f.Edit11}) {
        EXPECT_LT(middle->Left + middle->Width, f.Image11.Left) << middle->Name;
        EXPECT_GT(middle->Left, f.RadioGroup2.Left + f.RadioGroup2.Width) << middle->Name;
    }
}

TEST(MassTabLayout, TheResultPanelHoldsTheNoteWhereTheRunPutsIt) {
    TForm1 f;
    EXPECT_GE(f.Panel6.Width, 16 + 289);
    EXPECT_GE(f.Panel6.Height, 39 + 64);
    // The size line sits on the note's first line, which the note leaves empty.
    EXPECT_EQ(f.Label93.Top, 39);
    EXPECT_EQ(f.Label94.Top, 39);
    // The values come below the note.
    for (const Label* value : {&f.Label95, &f.Label97, &f.Label99, &f.Label101}) {
        EXPECT_GE(value->Top, 39 + 64) << value->Name;
    }
}

}  // namespace
}  // namespace tesmarik
