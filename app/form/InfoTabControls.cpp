#include "app/form/InfoTabControls.h"

namespace tesmarik {

InfoTabControls::InfoTabControls(ControlRegistry& registry, TabSheet& sheet) : registry_(registry) {
    GroupBox2.Place(&sheet, 420, 200, 365, 95).Text = "О программе";
    Label115.Place(&GroupBox2, 12, 20, 0, 0);
    Label115.Font.bold = true;
    Label114.Place(&GroupBox2, 12, 42, 0, 0);
    Label112.Place(&GroupBox2, 12, 66, 0, 0).Text =
        "Пожелания и предложения оставляйте на форуме >>>>";
}

}  // namespace tesmarik
