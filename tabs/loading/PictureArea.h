#pragma once

#include "form/TForm1.h"

namespace tesmarik {

// The picture area of the loading tab shows at most one picture at a time: the collage,
// a vehicle or a loading scheme. Hides every picture but the given one (none for null).
void ShowOnlyPicture(TForm1& f, Image* picture);

// The picture the area shows in front (the start-up collage covers the two vehicles left
// shown beneath it); null when none is shown.
const Image* PictureInFront(const TForm1& f);

// The scheme caption and picture for the diameter field's exact text, when the current
// vehicle is a gondola and the diameter has a scheme; false, changing nothing, otherwise.
bool ShowSchemeFor(TForm1& f, bool gondola, const std::string& diameterText);

}  // namespace tesmarik
