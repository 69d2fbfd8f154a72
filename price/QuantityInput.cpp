#include "price/QuantityInput.h"

#include <cmath>

#include "common/Numbers.h"

namespace tesmarik {

namespace {

struct Field {
    const char* name;     // "Количество", as the sentence starts
    const char* missing;  // what the user is asked to type when the field is empty
    const char* big;      // "слишком велико", agreeing with the name
    const char* must;     // "должно"
    double max;
    const char* maxText;  // the limit as the user reads it, with its unit
};

InputRead ReadPositive(const std::string& text, const Field& field) {
    if (text.find_first_not_of(' ') == std::string::npos) {
        return {std::nullopt, std::string("Введите ") + field.missing + "."};
    }
    const NumberRead read = TryReadNumber(text);
    const std::string name = field.name;
    switch (read.status) {
        case NumberRead::Status::NotANumber:
            return {std::nullopt, name + " \"" + text + "\" - не число."};
        case NumberRead::Status::OutOfRange:
            return {std::nullopt, name + " " + field.big + ": не более " + field.maxText + "."};
        case NumberRead::Status::Number:
            break;
    }
    if (!(read.value > 0)) {
        return {std::nullopt, name + " " + field.must + " быть больше нуля."};
    }
    if (read.value > field.max) {
        return {std::nullopt, name + " " + field.big + ": не более " + field.maxText + "."};
    }
    return {read.value, {}};
}

}  // namespace

InputRead ReadQuantity(const std::string& text, QuantityUnit unit) {
    static constexpr Field kFields[] = {
        {"Количество", "количество", "слишком велико", "должно", 1e6, "1 000 000 м"},
        {"Количество", "количество", "слишком велико", "должно", 1e5, "100 000 т"},
        {"Количество", "количество", "слишком велико", "должно", 1e5, "100 000 шт."},
    };
    InputRead read = ReadPositive(text, kFields[static_cast<int>(unit)]);
    if (read.value && unit == QuantityUnit::Pieces && *read.value != std::floor(*read.value)) {
        return {std::nullopt, "Количество труб должно быть целым."};
    }
    return read;
}

InputRead ReadAverageLength(const std::string& text) {
    return ReadPositive(
        text, {"Средняя длина", "среднюю длину трубы", "слишком велика", "должна", 100, "100 м"});
}

InputRead ReadDiameter(const std::string& text) {
    return ReadPositive(text, {"Диаметр", "диаметр", "слишком велик", "должен", 5000, "5000 мм"});
}

InputRead ReadWall(const std::string& text, double diameter) {
    InputRead read =
        ReadPositive(text, {"Стенка", "стенку", "слишком велика", "должна", 1000, "1000 мм"});
    if (read.value && !(*read.value * 2 < diameter)) {
        return {std::nullopt, "Стенка должна быть меньше половины диаметра."};
    }
    return read;
}

}  // namespace tesmarik
