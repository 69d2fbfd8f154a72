#include "tabs/mass/MassRun.h"

#include "common/Numbers.h"
#include "masscalc/MassFormulas.h"
#include "masscalc/MassHint.h"
#include "masscalc/RunFigures.h"
#include "masscalc/RunTexts.h"

namespace tesmarik {

namespace {

enum Mode { kByLength = 0, kByMass = 1, kSinglePipes = 2 };

// Grid widths: the length column alone while typing, lengths and masses after a run.
constexpr int kTypingWidth = 85;
constexpr int kResultWidth = 151;

void EmptyGridRows(StringGrid& grid) {
    for (int row = 1; row < grid.RowCount; ++row) {
        grid.SetCell(0, row, "");
        grid.SetCell(1, row, "");
    }
}

// Mode 2: the mass of every pipe typed into the grid, the lengths report and its totals.
// Each row is shown as soon as it is weighed: a length that is no number ends the run with
// the rows before it weighed.
RunQuantities WeighSinglePipes(TForm1& f, const std::string& diameterText,
                               const std::string& wallText, double massPerMetre) {
    StringGrid& grid = f.rtab;
    f.Button11.Visible = true;
    f.Button12.Visible = true;
    grid.ColCount = 2;
    grid.Width = kResultWidth;
    // Masses of an earlier run would otherwise stay beside rows emptied since.
    for (int row = 1; row < grid.RowCount; ++row) {
        grid.SetCell(1, row, "");
    }

    PipeWeighing weighing(massPerMetre);
    f.Memo2.Lines = LengthsReportHeader(diameterText, wallText);
    for (int row = 1; row < grid.RowCount; ++row) {
        const std::string& lengthText = grid.Cell(0, row);
        if (lengthText.empty()) {
            continue;
        }
        const double mass = weighing.Weigh(lengthText);
        grid.SetCell(1, row, ShowNumber(mass));
        f.Memo2.Lines.push_back(LengthsReportLine(lengthText, grid.Cell(1, row)));
        f.BitBtn1.Visible = true;
    }
    const long long count = weighing.Count();
    if (count > 0) {
        f.Label38.Visible = true;
        f.Button11.Enabled = true;
    } else {
        f.Button11.Enabled = false;
    }
    RunQuantities totals{weighing.TotalLengthText(), weighing.TotalMassText()};
    f.Label38.Text = TotalsCaption(count, totals.lengthText, totals.massText);
    for (std::string& line : LengthsReportTotals(count, totals.lengthText, totals.massText)) {
        f.Memo2.Lines.push_back(std::move(line));
    }
    return totals;
}

}  // namespace

void RadioGroup2Click(TForm1& f, MassState& mass) {
    const int mode = f.RadioGroup2.ItemIndex();
    if (mode == kByLength || mode == kByMass) {
        f.Label37.Visible = true;
        f.Label85.Visible = true;
        f.Edit11.Visible = true;
        f.BitBtn4.Visible = true;
        mass.mode = mode;
        f.Label38.Visible = false;
        f.Memo2.Visible = false;
        f.BitBtn1.Visible = false;
        f.Edit10.Visible = true;
        f.Label35.Visible = true;
        f.Label35.Text = mode == kByLength ? "Длина (м.)" : "Масса (т.)";
        f.rtab.Visible = false;
        f.Button11.Visible = false;
        f.Button12.Visible = false;
    } else if (mode == kSinglePipes) {
        f.Label37.Visible = false;
        f.Label85.Visible = false;
        f.Edit11.Visible = false;
        f.BitBtn4.Visible = false;
        mass.mode = mode;
        f.Label38.Visible = false;
        f.Memo2.Visible = false;
        f.BitBtn1.Visible = false;
        f.Edit10.Visible = false;
        f.Label35.Visible = false;
        f.rtab.Visible = true;
    }
    EmptyGridRows(f.rtab);
}

void Edit10KeyPress(TForm1& f, const MassState& mass) {
    f.Edit11.Enabled = mass.mode == kByLength || mass.mode == kByMass;
}

void rtabKeyPress(TForm1& f) {
    StringGrid& grid = f.rtab;
    if (!grid.Cell(0, grid.RowCount - 2).empty()) {
        ++grid.RowCount;
    }
    grid.ColCount = 1;
    grid.Width = kTypingWidth;
    f.BitBtn1.Visible = false;
    f.Label38.Visible = false;
}

void Button1Click(TForm1& f, PipeState& pipe) {
    RunResult r;
    r.diameterText = f.ComboBox2.Text;
    r.wallText = f.ComboBox3.Text;
    // Both are read before either is kept, so a wall that is no number changes nothing.
    const double diameter = ReadNumber(r.diameterText);
    const double wall = ReadNumber(r.wallText);
    pipe.Diameter = diameter;
    pipe.Wall = wall;

    if (f.ComboBox1.ItemIndex() != -1 && f.ComboBox2.ItemIndex() != -1 &&
        f.ComboBox3.ItemIndex() != -1) {
        f.Button15.Enabled = true;
    }

    const bool universal = f.ComboBox1.ItemIndex() == 0;
    const bool boiler = f.ComboBox1.ItemIndex() == 1;
    const bool withSeam = f.CheckBox2.Checked;
    const std::string document = f.ComboBox6.Text;
    double m = pipe.MassPerMetre;  // the boiler type's table figure
    if (universal) {
        m = PipeMassPerMetre(diameter, wall, withSeam);
        pipe.MassPerMetre = m;
    }

    // The quantities, the rows of the single-pipes mode shown as they are weighed.
    const int mode = f.RadioGroup2.ItemIndex();
    RunQuantities quantities;
    if (mode == kSinglePipes) {
        quantities = WeighSinglePipes(f, r.diameterText, r.wallText, m);
    } else if (mode == kByLength) {
        quantities = QuantitiesOfLength(f.Edit10.Text, m);
    } else if (mode == kByMass) {
        quantities = QuantitiesOfMass(f.Edit10.Text, m);
    }
    r.lengthText = quantities.lengthText;
    r.massText = quantities.massText;

    pipe.MassPerMetre = RoundHalfUp(m, 3);
    r.massPerMetre = pipe.MassPerMetre;

    if (universal && SeamAllowanceApplies(diameter)) {
        r.note = SeamNote(withSeam);
    } else if (boiler) {
        r.note = DocumentNote(document);
    }
    std::string hint;
    if (universal) {
        hint = FormulaMassHint(diameter, wall, withSeam);
    } else if (boiler) {
        hint = TableMassHint(diameter, wall, r.massPerMetre, document);
    }
    r.averageLengthText = f.Edit11.Text;
    r.pieces = RunPieceCount(r.lengthText, r.averageLengthText);

    // Every figure is known: the result panel and the log.
    f.Panel6.Visible = true;
    f.Label94.Text = r.diameterText + " x " + r.wallText;
    f.Label95.Text = ShowNumber(r.massPerMetre) + " кг.";
    if (universal || boiler) {
        f.Label95.Hint = hint;
    }
    f.Label97.Text = r.lengthText + " м.";
    f.Label99.Text = r.massText + " т.";
    f.Label101.Text = PieceCountText(r.pieces, r.averageLengthText);
    f.Label102.Text = r.note;
    f.Label102.Place(&f.Panel6, 16, 39, 289, 64);
    f.StaticText1.Visible = false;

    for (std::string& line : LogLines(r)) {
        f.Memo4.Lines.push_back(std::move(line));
    }
}

void BitBtn1Click(TForm1& f) {
    if (f.rtab.Visible) {
        f.Memo2.Visible = true;
        f.rtab.Visible = false;
    } else if (f.Memo2.Visible) {
        f.Memo2.Visible = false;
        f.rtab.Visible = true;
    }
}

void BitBtn4Click(TForm1& f) {
    if (f.Panel6.Visible) {
        f.Memo4.Visible = true;
        f.Panel6.Visible = false;
    } else if (f.Memo4.Visible) {
        f.Memo4.Visible = false;
        f.Panel6.Visible = true;
    }
}

}  // namespace tesmarik
