#pragma once

namespace tesmarik {

enum class CalcKind { None, Universal, BoilerThickWalled };

// The size selection of the mass tab.
struct AssortmentState {
    CalcKind calcKind = CalcKind::None;
};

}  // namespace tesmarik
