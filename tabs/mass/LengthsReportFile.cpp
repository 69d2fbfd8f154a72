#include "tabs/mass/LengthsReportFile.h"

namespace tesmarik {

void Button11Click(TForm1& f, Platform& platform) {
    // A fresh request each time: the dialog never proposes the name of an earlier save.
    const std::optional<std::string> path = platform.SaveDialog(SaveDialogRequest{});
    if (!path) {
        return;
    }
    platform.WriteLines(*path, f.Memo2.Lines);
}

void Button12Click(TForm1& f) {
    StringGrid& grid = f.rtab;
    for (int row = 1; row < grid.RowCount; ++row) {
        grid.SetCell(0, row, "");
        grid.SetCell(1, row, "");
    }
    f.Label38.Visible = false;
    f.Memo2.Visible = false;
    f.Button12.Visible = false;
    f.BitBtn1.Visible = false;
    f.rtab.Visible = true;
    grid.ColCount = 1;
    grid.Width = 85;
}

}  // namespace tesmarik
