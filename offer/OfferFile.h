#pragma once

#include <optional>
#include <string>
#include <vector>

#include "offer/OfferPosition.h"

namespace tesmarik {

// The offer file: UTF-8 text, one "key=value" a line, opened by a line that names the
// format so that no other file is taken for an offer:
//
//   Тесмарик: коммерческое предложение, формат 1
//   номер=101226-1530
//   начато=2026-12-10 15:30:00
//   клиент=ООО "Трубстрой"
//   комментарий=Доставка до станции Тайшет
//   ндс=22
//   тс=0                       (the vehicle, in the loading tab's order from 0)
//   прайс=10.12.2026           (the price list's date; empty when unknown)
//   грузоподъёмность=60        (t; the keys from here to the positions may be missing)
//   действительно до=17.12.2026
//   условия поставки=Самовывоз со склада в г. Примерск
//   условия оплаты=100 % предоплата
//   менеджер=Иванов Иван Иванович
//   должность=Менеджер отдела продаж
//   телефон=+7 (000) 000-00-02
//   эл. почта=ivanov@tesmarik.example
//   позиция=n|530|8|17Г1С|ГОСТ 20295-85|78500|м|1000|11,3
//
// A position's fields are type, diameter, wall, steel, standard, price, unit (м, т, шт.),
// quantity and average length, numbers with the decimal comma. In every value a backslash
// is written "\\", a line feed "\n", a carriage return "\r" and a "|" "\|". The keys stand
// in this order, each once, the positions last. Files of the first version lack the keys
// from "грузоподъёмность" on: they open with a capacity of 60 t, no terms and no manager.
inline constexpr const char* kOfferFileSignature = "Тесмарик: коммерческое предложение, формат 1";
// An offer file is small; a larger file is not one.
inline constexpr std::size_t kOfferFileMaxBytes = 1024 * 1024;
inline constexpr std::size_t kOfferMaxPositions = 1000;

std::string OfferFileText(const Offer& offer);

// The offer a file holds, or why it is not one, in words the user reads after the file's
// name ("не является файлом предложения", "повреждён: строка 5").
struct OfferRead {
    std::optional<Offer> offer;
    std::string problem;
};
OfferRead ReadOfferFile(const std::string& text);

}  // namespace tesmarik
