#include "tabs/loading/LoadingTab.h"

#include "common/Numbers.h"
#include "tabs/loading/LoadingResults.h"

namespace tesmarik {

namespace {

// No item selected, then disabled: a pick-only field empties, a typed text stays.
void Unselect(ComboBox& box) {
    const std::string typed = box.Text;
    box.SetItemIndex(-1);
    if (box.Style == ComboStyle::Editable) {
        box.Text = typed;
    }
    box.Enabled = false;
}

}  // namespace

LoadingFigures LoadingFiguresOfFields(const LoadingInputs& fields, const LoadingState& state) {
    const double d = ReadNumber(fields.diameter);
    const double s = ReadNumber(fields.wall);
    const VolumeSource volume =
        state.typedDiameter ? VolumeSource::CrossSection : VolumeSource::Norms;
    const BodyFill body = FillOfBody(state.vehicle, volume, d, s);
    const double l = ReadNumber(fields.length);
    const double c = ReadNumber(fields.capacity);
    const VehicleLoad load = LoadOfVehicle(body, l, c);
    // A quantity is read only with a basis.
    switch (state.quantityBasis) {
        case kBasisMass:
            return FiguresOf(load, QuantityBasis::Mass, ReadNumber(fields.quantity));
        case kBasisLength:
            return FiguresOf(load, QuantityBasis::Length, ReadNumber(fields.quantity));
        default:
            return FiguresOf(load, QuantityBasis::None, 0);
    }
}

void Button2Click(TForm1& f, const LoadingState& state) {
    f.Button7.Visible = true;
    const LoadingInputs inputs{f.ComboBox4.Text, f.ComboBox5.Text, f.Edit3.Text, f.Edit9.Text,
                               f.Edit8.Text};
    const LoadingFigures figures = LoadingFiguresOfFields(inputs, state);
    ShowLoadingResults(f, figures, inputs, state.reportName);
}

void RadioGroup3Click(TForm1& f, LoadingState& state) {
    if (f.RadioGroup3.ItemIndex() == kBasisMass) {
        state.quantityBasis = kBasisMass;
        f.Label1.Text = "Массa (т.)";  // the last letter is a Latin a
    } else if (f.RadioGroup3.ItemIndex() == kBasisLength) {
        state.quantityBasis = kBasisLength;
        f.Label1.Text = "Длина (м.)";
    }
    f.Edit8.Enabled = true;
}

void Button7Click(TForm1& f, LoadingState& state) {
    f.Button2.Enabled = false;
    f.Button7.Visible = false;
    f.Panel1.Enabled = false;
    f.Edit8.Text.clear();

    for (Label* label : {&f.Label44, &f.Label40, &f.Label42, &f.Label47, &f.Label45, &f.Label58,
                         &f.Label51, &f.Label53, &f.Label56}) {
        label->Text.clear();
    }
    for (Label* label : {&f.Label49, &f.Label50, &f.Label52, &f.Label57}) {
        label->Visible = false;
    }

    state.quantityBasis = kBasisNone;
    f.RadioGroup3.SetItemIndex(-1);
    f.Label1.Text = "Кол-во:";

    f.PageControl2.ActivePageIndex = 0;

    f.Label65.Text = "Общее количество ТС:";
    for (Label* label : {&f.Label59, &f.Label62, &f.Label81, &f.Label64, &f.Label72, &f.Label67,
                         &f.Label70, &f.Label75, &f.Label76, &f.Label77, &f.Label80}) {
        label->Text.clear();
    }

    f.Edit9.Text = "60";
    f.Edit9.Enabled = false;
    f.Edit3.Text = "11,3";
    f.Edit3.Enabled = false;

    Unselect(f.ComboBox5);
    Unselect(f.ComboBox4);
    f.RadioGroup1.SetItemIndex(-1);
}

void BitBtn2Click(TForm1& f) {
    if (f.PageControl2.Visible) {
        f.PageControl2.Visible = false;
        f.Memo3.Visible = true;
    } else if (f.Memo3.Visible) {
        f.Memo3.Visible = false;
        f.PageControl2.Visible = true;
    }
}

void BitBtn3Click(TForm1& f, Platform& platform) {
    const auto path = platform.SaveDialog(SaveDialogRequest{});
    if (path) {
        platform.WriteLines(*path, f.Memo3.Lines);
    }
}

}  // namespace tesmarik
