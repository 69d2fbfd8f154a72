#pragma once

namespace tesmarik {

// The pipe of the mass tab.
struct PipeState {
    double Diameter = 0;      // outer diameter, mm
    double Wall = 0;          // wall thickness, mm
    double MassPerMetre = 0;  // kg per metre
};

}  // namespace tesmarik
