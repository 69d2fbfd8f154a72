#pragma once

#include "controls/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The controls of "Изменения прайса": the current list against an earlier one.
struct PriceChangesControls {
    explicit PriceChangesControls(ControlRegistry& registry);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(FormControl, Form4);  // the window; not modal
    TESMARIK_CONTROL(Label, Label1);       // the summary line
    TESMARIK_CONTROL(Label, Label2);
    TESMARIK_CONTROL(ComboBox, ComboBox1);      // the earlier versions, the newest first
    TESMARIK_CONTROL(StringGrid, StringGrid1);  // the changed rows
    TESMARIK_CONTROL(Button, Button1);          // "Закрыть"
};

class TForm4 : public ControlRegistry, public PriceChangesControls {
public:
    TForm4() : PriceChangesControls(static_cast<ControlRegistry&>(*this)) {}
};

// The controls of "Архив предложений": the offers recorded, searched.
struct OfferArchiveControls {
    explicit OfferArchiveControls(ControlRegistry& registry);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(FormControl, Form5);  // the window; not modal
    TESMARIK_CONTROL(Label, Label1);
    TESMARIK_CONTROL(Edit, Edit1);  // a part of the client's name
    TESMARIK_CONTROL(Label, Label2);
    TESMARIK_CONTROL(Edit, Edit2);  // a part of the number
    TESMARIK_CONTROL(Label, Label3);
    TESMARIK_CONTROL(Edit, Edit3);  // started on or after, dd.mm.yyyy
    TESMARIK_CONTROL(Label, Label4);
    TESMARIK_CONTROL(Edit, Edit4);  // started on or before
    TESMARIK_CONTROL(Label, Label5);
    TESMARIK_CONTROL(Edit, Edit5);  // a position's diameter, mm
    TESMARIK_CONTROL(Label, Label6);
    TESMARIK_CONTROL(Edit, Edit6);              // ... and wall, mm
    TESMARIK_CONTROL(Label, Label7);            // how many were found, or what is wrong
    TESMARIK_CONTROL(StringGrid, StringGrid1);  // the offers found, the newest first
    TESMARIK_CONTROL(Memo, Memo1);              // the opened offer's prices the list changed
    TESMARIK_CONTROL(Button, Button1);          // "Открыть"
    TESMARIK_CONTROL(Button, Button2);          // "Обновить цены"
    TESMARIK_CONTROL(Button, Button3);          // "Закрыть"
    TESMARIK_CONTROL(Label, Label8);
    TESMARIK_CONTROL(ComboBox, ComboBox1);  // the order of the offers found
};

class TForm5 : public ControlRegistry, public OfferArchiveControls {
public:
    TForm5() : OfferArchiveControls(static_cast<ControlRegistry&>(*this)) {}
};

// The controls of "История цены": one row's price over the kept lists.
struct PriceHistoryControls {
    explicit PriceHistoryControls(ControlRegistry& registry);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(FormControl, Form6);       // the window; not modal
    TESMARIK_CONTROL(Label, Label1);            // the row
    TESMARIK_CONTROL(Image, Image1);            // the chart
    TESMARIK_CONTROL(StringGrid, StringGrid1);  // the dates and prices
    TESMARIK_CONTROL(Button, Button1);          // "Закрыть"
};

class TForm6 : public ControlRegistry, public PriceHistoryControls {
public:
    TForm6() : PriceHistoryControls(static_cast<ControlRegistry&>(*this)) {}
};

}  // namespace tesmarik
