#pragma once

#include "controls/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The controls of the commercial offer's window.
struct OfferWindowControls {
    explicit OfferWindowControls(ControlRegistry& registry);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(FormControl, Form3);  // the window; hidden while closed, not modal
    TESMARIK_CONTROL(Label, Label1);
    TESMARIK_CONTROL(Edit, Edit1);  // the offer's number
    TESMARIK_CONTROL(Label, Label2);
    TESMARIK_CONTROL(Label, Label3);  // the date the offer was started
    TESMARIK_CONTROL(Label, Label4);
    TESMARIK_CONTROL(Edit, Edit2);  // the client
    TESMARIK_CONTROL(Label, Label5);
    TESMARIK_CONTROL(ComboBox, ComboBox1);  // the vehicle the transport is counted for
    TESMARIK_CONTROL(Label, Label6);
    TESMARIK_CONTROL(Edit, Edit3);              // a comment for the client
    TESMARIK_CONTROL(StringGrid, StringGrid1);  // the positions; their quantity is typed here
    TESMARIK_CONTROL(Label, Label7);            // what is wrong with a quantity or the rate
    TESMARIK_CONTROL(GroupBox, GroupBox1);
    TESMARIK_CONTROL(Label, Label8);  // mass, length and pipes of the whole offer
    TESMARIK_CONTROL(Label, Label9);  // the cost
    TESMARIK_CONTROL(Label, Label10);
    TESMARIK_CONTROL(Edit, Edit4);      // the VAT rate, %
    TESMARIK_CONTROL(Label, Label11);   // the VAT the cost includes
    TESMARIK_CONTROL(Label, Label12);   // the cost in words
    TESMARIK_CONTROL(Label, Label13);   // the vehicles of the whole offer
    TESMARIK_CONTROL(Label, Label14);   // the date of the price list
    TESMARIK_CONTROL(Button, Button1);  // "Копировать": the table on the clipboard
    TESMARIK_CONTROL(Button, Button2);  // "Печать…"
    TESMARIK_CONTROL(Button, Button3);  // "Сохранить в PDF…"
    TESMARIK_CONTROL(Button, Button4);  // "Сохранить в Excel…"
    TESMARIK_CONTROL(Button, Button5);  // "Сохранить предложение…"
    TESMARIK_CONTROL(Button, Button6);  // "Открыть предложение…"
    TESMARIK_CONTROL(Button, Button7);  // "Закрыть"
    TESMARIK_CONTROL(Label, Label15);
    TESMARIK_CONTROL(Edit, Edit5);  // the date the offer is valid until
    TESMARIK_CONTROL(Label, Label16);
    TESMARIK_CONTROL(Edit, Edit6);  // the vehicle's carrying capacity, t
    TESMARIK_CONTROL(Label, Label17);
    TESMARIK_CONTROL(Edit, Edit7);  // the delivery terms
    TESMARIK_CONTROL(Label, Label18);
    TESMARIK_CONTROL(Edit, Edit8);          // the payment terms
    TESMARIK_CONTROL(GroupBox, GroupBox2);  // the manager who signs the offer
    TESMARIK_CONTROL(Label, Label19);
    TESMARIK_CONTROL(Edit, Edit9);  // the manager's name
    TESMARIK_CONTROL(Label, Label20);
    TESMARIK_CONTROL(Edit, Edit10);  // the manager's position
    TESMARIK_CONTROL(Label, Label21);
    TESMARIK_CONTROL(Edit, Edit11);  // the manager's telephone
    TESMARIK_CONTROL(Label, Label22);
    TESMARIK_CONTROL(Edit, Edit12);         // the manager's e-mail
    TESMARIK_CONTROL(GroupBox, GroupBox3);  // how the pipes are loaded
    TESMARIK_CONTROL(CheckBox, CheckBox1);  // "Смешанная погрузка": sizes share vehicles
    TESMARIK_CONTROL(CheckBox, CheckBox2);  // "Трубы в трубы"
    TESMARIK_CONTROL(Label, Label23);
    TESMARIK_CONTROL(Edit, Edit13);    // the clearance around a nested pipe, mm
    TESMARIK_CONTROL(Label, Label24);  // the plan's vehicles, its lower bound, the saving
    TESMARIK_CONTROL(Memo, Memo1);     // the plan: the vehicles and what each carries
    TESMARIK_CONTROL(Image, Image1);   // each distinct load, filled by share and by mass
};

// The offer's window: a form of its own beside Form1, which stays usable while it is open.
class TForm3 : public ControlRegistry, public OfferWindowControls {
public:
    TForm3() : OfferWindowControls(static_cast<ControlRegistry&>(*this)) {}
};

}  // namespace tesmarik
