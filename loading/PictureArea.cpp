#include "loading/PictureArea.h"

#include "loading/Vehicles.h"

namespace tesmarik {

void ShowOnlyPicture(TForm1& f, Image* picture) {
    f.Image17.Visible = picture == &f.Image17;
    for (Image* image : f.VehicleImages) {
        image->Visible = image == picture;
    }
    for (Image* image : f.SchemeImages) {
        image->Visible = image == picture;
    }
}

bool ShowSchemeFor(TForm1& f, bool gondola, const std::string& diameterText) {
    const auto scheme = SchemeIndexOf(diameterText);
    if (!gondola || !scheme) {
        return false;
    }
    f.Label25.Text = LoadingSchemes().at(static_cast<std::size_t>(*scheme)).caption;
    ShowOnlyPicture(f, f.SchemeImages[*scheme]);
    return true;
}

}  // namespace tesmarik
