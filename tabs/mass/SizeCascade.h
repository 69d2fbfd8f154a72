#pragma once

#include "form/TForm1.h"
#include "tabs/mass/AssortmentState.h"
#include "tabs/mass/PipeState.h"

namespace tesmarik {

// The choices that describe the pipe of the mass tab, each one emptying and refilling the
// lists after it: calculation type, technical-conditions document, diameter, wall.
void ComboBox1Click(TForm1& f, AssortmentState& s);
void ComboBox6Click(TForm1& f, AssortmentState& s);
void ComboBox2Click(TForm1& f, AssortmentState& s);
void ComboBox3Click(TForm1& f, const AssortmentState& s, PipeState& pipe);

// The last item of the universal wall list: lets the user type a wall of their own.
inline constexpr const char* kOtherWall = "Др. стенки";

}  // namespace tesmarik
