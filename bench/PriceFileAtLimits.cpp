#include "bench/PriceFileAtLimits.h"

#include "files/QtFiles.h"
#include "price/PriceStore.h"

namespace tesmarik {

std::string PriceFileAtLimits() {
    static_assert(kPriceRowsAtLimits == kPriceMaxLines);
    const char* types[] = {"n", "l", "v", "kt"};
    std::string file;
    for (std::size_t i = 0; i < kPriceRowsAtLimits; ++i) {
        const std::string n = std::to_string(i);
        std::string line = std::string(types[i % 4]) + ";500-600;8-12;Ст" + n +
                           " 09Г2С 17Г1С;ГОСТ " + std::to_string(10000 + i) +
                           "-85;985,50;прямошовные ";
        const std::string tail = ";;;AEA5A3;25,5" + std::string(100, ';');
        std::string bytes = QtFiles::ToWindows1251(line);
        while (bytes.size() + tail.size() < kPriceMaxLineChars) {
            line += 'x';
            bytes += 'x';
        }
        file += bytes + tail + "\r\n";
    }
    return file;
}

}  // namespace tesmarik
