#include "app/Window.h"
#include "tabs/loading/HandOver.h"
#include "tabs/loading/LoadingTab.h"
#include "tabs/loading/VehicleChoice.h"

namespace tesmarik {

void WireLoadingTab(Window& w) {
    TForm1& f = w.form;
    LoadingState& s = w.state.loading;
    f.RadioGroup1.OnClick = [&f, &s] { RadioGroup1Click(f, s); };
    f.ComboBox4.OnClick = [&f, &s] { ComboBox4Click(f, s); };
    f.ComboBox5.OnClick = [&f] { ComboBox5Click(f); };
    f.Button2.OnClick = [&f, &s] { Button2Click(f, s); };
    f.RadioGroup3.OnClick = [&f, &s] { RadioGroup3Click(f, s); };
    f.Button7.OnClick = [&f, &s] { Button7Click(f, s); };
    f.BitBtn2.OnClick = [&f] { BitBtn2Click(f); };
    f.BitBtn3.OnClick = [&f, &w] { BitBtn3Click(f, w.platform); };
    // The hand-over button lies on the mass tab.
    f.Button15.OnClick = [&f, &s] { Button15Click(f, s); };
}

}  // namespace tesmarik
