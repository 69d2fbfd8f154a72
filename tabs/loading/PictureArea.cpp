#include "tabs/loading/PictureArea.h"

#include "loading/Vehicles.h"

#include <iterator>

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

const Image* PictureInFront(const TForm1& f) {
    // From the front to the back, as the form stacks them.
    for (auto it = std::rbegin(f.SchemeImages); it != std::rend(f.SchemeImages); ++it) {
        if ((*it)->Visible) {
            return *it;
        }
    }
    if (f.Image17.Visible) {
        return &f.Image17;
    }
    for (auto it = std::rbegin(f.VehicleImages); it != std::rend(f.VehicleImages); ++it) {
        if ((*it)->Visible) {
            return *it;
        }
    }
    return nullptr;
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
