#include "price/QuantityInput.h"

#include <cmath>

#include "common/Numbers.h"

namespace tesmarik {

namespace {

constexpr double kMaxPieces = 1e5;

struct Field {
    const char* name;     // "Количество", as the sentence starts
    const char* missing;  // what the user is asked to type when the field is empty
    const char* big;      // "слишком велико", agreeing with the name
    const char* must;     // "должно"
    double max;
    const char* maxText;  // the limit as the user reads it, with its unit
};

// A pasted text may hold line breaks; the message quoting it stays one line.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text;
}

InputRead ReadPositive(const std::string& text, const Field& field) {
    if (text.find_first_not_of(' ') == std::string::npos) {
        return {std::nullopt, std::string("Введите ") + field.missing + "."};
    }
    const NumberRead read = TryReadNumber(text);
    const std::string name = field.name;
    const std::string tooBig = name + " " + field.big + ": не более " + field.maxText;
    // The limit's unit may end in a full stop of its own ("шт.").
    const std::string tooBigSentence = tooBig.back() == '.' ? tooBig : tooBig + ".";
    switch (read.status) {
        case NumberRead::Status::NotANumber:
            return {std::nullopt, name + " \"" + OneLine(text) + "\" - не число."};
        case NumberRead::Status::OutOfRange:
            return {std::nullopt, tooBigSentence};
        case NumberRead::Status::Number:
            break;
    }
    if (!(read.value > 0)) {
        return {std::nullopt, name + " " + field.must + " быть больше нуля."};
    }
    if (read.value > field.max) {
        return {std::nullopt, tooBigSentence};
    }
    return {read.value, {}};
}

}  // namespace

InputRead ReadQuantity(const std::string& text, QuantityUnit unit) {
    static constexpr Field kFields[] = {
        {"Количество", "количество", "слишком велико", "должно", 1e6, "1 000 000 м"},
        {"Количество", "количество", "слишком велико", "должно", 1e5, "100 000 т"},
        {"Количество", "количество", "слишком велико", "должно", kMaxPieces, "100 000 шт."},
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

// A size typed for a position that names a range must lie within it.
InputRead WithinRange(InputRead read, const std::string& name, const char* must,
                      const SizeRange& range) {
    if (read.value && range && (*read.value < range->first || *read.value > range->second)) {
        return {std::nullopt, name + " " + must + " быть от " + ShowNumber(range->first) + " до " +
                                  ShowNumber(range->second) + " мм."};
    }
    return read;
}

InputRead ReadDiameter(const std::string& text, const SizeRange& range) {
    return WithinRange(
        ReadPositive(text, {"Диаметр", "диаметр", "слишком велик", "должен", 5000, "5000 мм"}),
        "Диаметр", "должен", range);
}

InputRead ReadWall(const std::string& text, double diameter, const SizeRange& range) {
    InputRead read = WithinRange(
        ReadPositive(text, {"Стенка", "стенку", "слишком велика", "должна", 1000, "1000 мм"}),
        "Стенка", "должна", range);
    if (read.value && !(*read.value * 2 < diameter)) {
        return {std::nullopt, "Стенка должна быть меньше половины диаметра."};
    }
    return read;
}

InputRead CheckPieces(double pieces) {
    if (!(pieces <= kMaxPieces)) {
        return {std::nullopt, "Количество слишком велико: не более 100 000 шт."};
    }
    // A quantity that makes no whole pipe is no order: said, not shown as "0 шт.".
    if (pieces < 1) {
        return {std::nullopt, "Количество меньше одной трубы."};
    }
    return {pieces, {}};
}

}  // namespace tesmarik
