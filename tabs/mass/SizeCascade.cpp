#include "tabs/mass/SizeCascade.h"

#include "common/Numbers.h"
#include "masscalc/MassFormulas.h"

namespace tesmarik {

namespace {

constexpr const char* kUniversalItem = "Универсальный";
constexpr const char* kBoilerItem = "котельные/толстостенные";

// The standards that the universal formula serves, shown in the result area.
constexpr const char* kUniversalStandards =
    "Расчёт для эл.сварных труб:\rГОСТ 10706-76  ГОСТ 10704 -91  ГОСТ 20295-85  ТУ "
    "14-3-1160-83 ТУ 14-3Р-03-94  ТУ 14-3Р-04-94  ТУ 14-158-116-99ТУ 14-158-117-99ТУ "
    "14-3-1698-200ТУ 14-3-1270-2001\rцельно-тянутых труб:ГОСТ 8732-78ГОСТ 550-75ГОСТ "
    "14-3-1128-200  ГОСТ 8734-75  и др.";

// A new choice of type, diameter or wall takes the tab back to the state without a mode.
void ResetModeInputs(TForm1& f) {
    f.rtab.Visible = false;
    f.RadioGroup2.SetItemIndex(-1);
    f.Edit10.Text.clear();
    f.Edit10.Visible = false;
    f.Label35.Visible = false;
}

}  // namespace

void ComboBox1Click(TForm1& f, AssortmentState& s) {
    f.Image11.Visible = false;
    f.ComboBox3.Style = ComboStyle::Pick;
    f.CheckBox2.Enabled = false;

    const std::string chosen = f.ComboBox1.Text;

    f.ComboBox3.Enabled = false;
    f.RadioGroup2.Enabled = false;
    ResetModeInputs(f);
    f.ComboBox2.Clear();
    f.ComboBox2.Enabled = false;
    f.ComboBox3.Clear();

    f.ComboBox2.Enabled = true;

    if (chosen == kBoilerItem) {
        s.calcKind = CalcKind::BoilerThickWalled;
    } else if (chosen == kUniversalItem) {
        s.calcKind = CalcKind::Universal;
    }
    s.calcKindText = chosen;

    if (s.calcKind == CalcKind::BoilerThickWalled) {
        std::vector<std::string> documents;
        for (const TuDocument& d : TuDocuments()) {
            documents.emplace_back(d.name);
        }
        f.ComboBox6.SetItems(std::move(documents));
        f.ComboBox6.Visible = true;
        f.Label15.Visible = true;
        // The document list takes the place of the diameter row; the size rows move down
        // and stay there.
        f.Label4.Top = 83;
        f.Label5.Top = 108;
        f.ComboBox2.Top = 79;
        f.ComboBox3.Top = 106;
    }
    if (s.calcKind == CalcKind::Universal) {
        f.StaticText1.Text = kUniversalStandards;
        f.Label15.Visible = false;
    }

    if (f.ComboBox1.ItemIndex() != 0) {
        f.CheckBox2.Visible = false;
        return;
    }
    f.CheckBox2.Visible = true;
    f.ComboBox6.Visible = false;
    f.ComboBox2.SetItems({});
    for (int row = 1; row <= SizeGrid::kSize; ++row) {
        s.assortmentGrid.At(row, 1) = 0;
    }
    FillAssortmentGrid(s.assortmentGrid);
    f.ComboBox2.SetItems(AssortmentDiameters(s.assortmentGrid));
}

void ComboBox6Click(TForm1& f, AssortmentState& s) {
    f.ComboBox2.Clear();
    f.ComboBox3.Clear();
    const int index = f.ComboBox6.ItemIndex();
    if (index == -1) {
        s.tuTableCode.clear();
        return;
    }
    f.ComboBox2.Enabled = true;
    s.tuTableCode = TuDocuments().at(static_cast<std::size_t>(index)).code;
    LoadTuMassTable(s.tuTableCode, s.tuMassTable);
    f.ComboBox2.SetItems(TuDiameters(s.tuMassTable));
}

void ComboBox2Click(TForm1& f, AssortmentState& s) {
    f.ComboBox3.Enabled = false;
    f.RadioGroup2.Enabled = false;
    ResetModeInputs(f);
    f.ComboBox3.Clear();

    const double diameter = ReadNumber(f.ComboBox2.Text);
    const bool seam = SeamAllowanceApplies(diameter);
    f.CheckBox2.Checked = seam;
    f.CheckBox2.Enabled = seam;

    if (f.ComboBox2.ItemIndex() != -1) {
        f.ComboBox3.Enabled = true;
    }
    if (s.calcKind == CalcKind::BoilerThickWalled && !f.ComboBox6.Text.empty()) {
        s.selectedRow = DiameterRow(s.tuMassTable, diameter);
        f.ComboBox3.SetItems(TuWalls(s.tuMassTable, s.selectedRow));
    }
    if (s.calcKind == CalcKind::Universal) {
        s.selectedRow = DiameterRow(s.assortmentGrid, diameter);
        std::vector<std::string> walls = AssortmentWalls(s.assortmentGrid, s.selectedRow);
        walls.emplace_back(kOtherWall);
        f.ComboBox3.SetItems(std::move(walls));
    }
}

void ComboBox3Click(TForm1& f, const AssortmentState& s, PipeState& pipe) {
    ResetModeInputs(f);
    if (f.ComboBox3.ItemIndex() != -1) {
        f.RadioGroup2.Enabled = true;
    }
    if (f.ComboBox3.Text != kOtherWall) {
        pipe.Diameter = ReadNumber(f.ComboBox2.Text);
        pipe.Wall = ReadNumber(f.ComboBox3.Text);
        if (s.calcKind == CalcKind::BoilerThickWalled) {
            pipe.MassPerMetre = TuMass(s.tuMassTable, s.selectedRow, pipe.Wall);
        }
        return;
    }
    if (s.calcKind == CalcKind::Universal) {
        f.ComboBox3.Clear();
        f.ComboBox3.Style = ComboStyle::Editable;
    }
}

}  // namespace tesmarik
