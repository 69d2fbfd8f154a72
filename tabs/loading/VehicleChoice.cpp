#include "tabs/loading/VehicleChoice.h"

#include <vector>

#include "tabs/loading/PictureArea.h"

namespace tesmarik {

namespace {

template <std::size_t n>
std::vector<std::string> ListOf(const std::array<std::string, n>& list) {
    return {list.begin(), list.end()};
}

}  // namespace

void RadioGroup1Click(TForm1& f, LoadingState& state) {
    const int index = f.RadioGroup1.ItemIndex();
    if (index < 0 || index >= kVehicleCount) {
        return;
    }
    f.ComboBox4.Enabled = true;

    const auto kind = static_cast<VehicleKind>(index);
    const VehicleData& data = Vehicle(kind);
    state.vehicle = kind;
    state.reportName = data.reportName;

    // New items empty the field, editable or not; an editable field stays editable and
    // the typed-diameter mode goes on.
    f.ComboBox4.SetItems(data.platformList ? ListOf(PlatformDiameterList())
                                           : ListOf(FullDiameterList()));
    f.ComboBox4.Text.clear();

    // The caption line keeps its text, even a scheme caption of the previous diameter.
    ShowOnlyPicture(f, f.VehicleImages[index]);
}

void ComboBox4Click(TForm1& f, LoadingState& state) {
    // A truck keeps its picture: there is nothing else to show for it.
    Image* kept = nullptr;
    if (state.vehicle && IsTruck(*state.vehicle)) {
        Image* truck = f.VehicleImages[static_cast<int>(*state.vehicle)];
        kept = truck->Visible ? truck : nullptr;
    }
    ShowOnlyPicture(f, kept);
    f.Label25.Text = kNoSchemeCaption;
    ShowSchemeFor(f, state.vehicle && IsGondola(*state.vehicle), f.ComboBox4.Text);

    f.Button2.Enabled = true;
    f.ComboBox5.Enabled = true;

    f.ComboBox4.Style = ComboStyle::Pick;
    state.typedDiameter = false;
    if (f.ComboBox4.Text == kTypedDiameterItem) {
        state.typedDiameter = true;
        f.ComboBox4.Clear();
        f.ComboBox4.Style = ComboStyle::Editable;
    }
}

void ComboBox5Click(TForm1& f) {
    f.Panel1.Enabled = true;
    f.Edit3.Enabled = true;
    f.Edit9.Enabled = true;
    // From now on the wall is typed: the list is not offered again.
    if (f.ComboBox5.Text == kOtherWallItem) {
        f.ComboBox5.Style = ComboStyle::Editable;
        f.ComboBox5.Clear();
    }
}

}  // namespace tesmarik
