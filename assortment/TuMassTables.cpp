#include "assortment/SizeGrid.h"
#include "assortment/SizeTableSource.h"
#include "common/Numbers.h"

namespace tesmarik {

void LoadTuMassTable(const std::string& code, SizeGrid& table) {
    for (const ExpandedSizeTable& source : ExpandedTuTables()) {
        if (source.code != code) {
            continue;
        }
        table.Clear();
        for (std::size_t c = 0; c < source.walls.size(); ++c) {
            table.At(1, static_cast<int>(c) + 2) = source.walls[c];
        }
        for (std::size_t r = 0; r < source.diameters.size(); ++r) {
            const int row = static_cast<int>(r) + 2;
            table.At(row, 1) = source.diameters[r];
            for (std::size_t c = 0; c < source.walls.size(); ++c) {
                table.At(row, static_cast<int>(c) + 2) = source.Cell(r, c);
            }
        }
        return;
    }
}

std::vector<std::string> TuDiameters(const SizeGrid& table) {
    std::vector<std::string> diameters;
    for (int r = 2; r <= SizeGrid::kSize; ++r) {
        std::string text = ShowNumber(table.At(r, 1));
        if (text != "0") {
            diameters.push_back(std::move(text));
        }
    }
    return diameters;
}

std::vector<std::string> TuWalls(const SizeGrid& table, int row) {
    std::vector<std::string> walls;
    if (row < 1 || row > SizeGrid::kSize) {
        return walls;
    }
    for (int c = 2; c <= SizeGrid::kSize; ++c) {
        if (table.At(row, c) != 0) {
            walls.push_back(ShowNumber(table.At(1, c)));
        }
    }
    return walls;
}

double TuMass(const SizeGrid& table, int row, double wall) {
    if (row < 1 || row > SizeGrid::kSize) {
        return 0;
    }
    int c = 2;
    while (table.At(1, c) != wall && c < SizeGrid::kSize) {
        ++c;
    }
    return table.At(row, c);
}

const std::vector<TuDocument>& TuDocuments() {
    static const std::vector<TuDocument> documents = {
        {"ТУ 14-3Р-55-2001 (горячек)", "T55"},      {"ТУ 14-3-460-2003 (горячек)", "T460"},
        {"ТУ 14-3-190-2004 (горячек)", "T190"},     {"ТУ 14-3Р-50-2001 (горячек)", "T50"},
        {"ТУ 14-3Р-51-2001 (горячек)", "T50"},      {"ТУ 14-3-190-2004 (холоднокат)", "T190h"},
        {"ТУ 14-3Р-460-2003(холоднокат)", "T460h"}, {"ТУ 14-3Р-55-2001(холоднокат)", "T55h"},
        {"ТУ 14-3-796-79 (холоднокат)", "T796"},
    };
    return documents;
}

}  // namespace tesmarik
