#include "form/InfoTabControls.h"

#include <string>

#include "common/SellerIdentity.h"

namespace tesmarik {

namespace {

const Font kInfoLinkFont{"Arial", 10, kNavy, true, false};
const Color kContactPanelGrey{192, 192, 192};

Label& Link(Label& label, TabSheet& sheet, int left, int top, const char* caption) {
    label.Place(&sheet, left, top, 0, 0);
    label.Text = caption;
    label.Font = kInfoLinkFont;
    label.HandCursor = true;
    return label;
}

// A text of fixed width that breaks into as many lines as its height holds.
Label& WrappedText(Label& label, Control& parent, int left, int top, int width, int height,
                   const char* text) {
    label.Place(&parent, left, top, width, height);
    label.Text = text;
    label.AutoSize = false;
    label.WordWrap = true;
    return label;
}

}  // namespace

InfoTabControls::InfoTabControls(ControlRegistry& registry, TabSheet& sheet) : registry_(registry) {
    // The links run down the left half; the sections behind the first one stand to its
    // right, at the top of the right half.
    Link(Label106, sheet, 8, 8, "Постоянно пополняемые  разделы справочной информации:");
    Label107.Place(&sheet, 420, 8, 0, 0).Text = "Справочник ГОСТ/ТУ по трубной продукции";
    Label108.Place(&sheet, 420, 22, 0, 0).Text = "Справочник сталей";
    Label109.Place(&sheet, 420, 36, 0, 0).Text = "Техническии каталоги";

    Link(Label110, sheet, 8, 40, "Доска объявлений");
    WrappedText(Label104, sheet, 8, 58, 400, 28,
                "Принимаются к публикации объявления ТОЛЬКО по трубному прокату (объявлния "
                "посвящённые другим направлениям удаляются)");

    Link(Label111, sheet, 8, 92, "Форма расчёта жд. тарифа");
    Label103.Place(&sheet, 8, 110, 0, 0).Text =
        "Расчёт ЖД тарифа для  различного вида грузов по территории РФ (RICCOM)";

    Panel7.Place(&sheet, 8, 132, 400, 164);
    Panel7.Fill = kContactPanelGrey;
    Image19.Place(&Panel7, 8, 8, 72, 72);
    Image19.Picture = "info-logo";
    Image19.Stretch = true;
    Label105.Place(&Panel7, 88, 6, 0, 0).Text = kSellerName;
    Label105.Font = {"Arial", 10, kNavy, true, false};
    Label113.Place(&Panel7, 88, 26, 0, 0).Text = std::string("Почтовый адрес: ") + kSellerAddress;
    Label116.Place(&Panel7, 88, 40, 0, 0).Text = kSellerTaxIds;
    WrappedText(Label117, Panel7, 88, 54, 304, 26, kSellerBank);
    Label118.Place(&Panel7, 88, 82, 0, 0).Text =
        std::string("Телефон: ") + kSellerPhone + ", факс: " + kSellerFax;
    Label119.Place(&Panel7, 88, 96, 0, 0).Text = "Часы работы: пн-пт с 9:00 до 18:00 (МСК)";
    WrappedText(Label120, Panel7, 8, 116, 384, 42,
                "Продажа стальных труб со склада и под заказ: электросварных, бесшовных, "
                "котельных и толстостенных; отгрузка железнодорожным и автомобильным "
                "транспортом.");

    GroupBox2.Place(&sheet, 420, 196, 365, 100).Text = "О программе";
    Label115.Place(&GroupBox2, 12, 20, 0, 0).Text =
        std::string("\"Тесмарик\"    версия ") + TESMARIK_VERSION;
    Label115.Font.bold = true;
    Label114.Place(&GroupBox2, 12, 42, 0, 0);
    Label112.Place(&GroupBox2, 12, 66, 0, 0).Text =
        "Пожелания и предложения оставляйте на форуме >>>>";
}

}  // namespace tesmarik
