#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/TempFolder.h"
#include "memory/MemoryFile.h"
#include "price/PriceStore.h"

namespace tesmarik {

// A real database file in a temporary folder of its own, removed afterwards.
class MemoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto made = MakeTempFolder("tesmarik-memory");
        ASSERT_TRUE(made);
        folder_ = *made;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string DataFolder() const { return folder_.string(); }
    std::string DbPath() const { return MemoryFilePath(DataFolder()); }
    Database Open() { return OpenMemory(DataFolder(), kNow).db; }

    static constexpr DateTime kNow{2026, 12, 11, 9, 30, 0};
    std::filesystem::path folder_;
};

// A price row as the price rules read one: type, diameter, wall, steel, standard, price,
// then the note.
inline PriceRow Row(std::string type, std::string diameter, std::string wall, std::string price,
                    std::string steel = "20", std::string standard = "ГОСТ 8732-78",
                    std::string note = "") {
    return PriceRow{{std::move(type), std::move(diameter), std::move(wall), std::move(steel),
                     std::move(standard), std::move(price), std::move(note)}};
}

inline PriceStore List(std::vector<PriceRow> rows) {
    return PriceStore{std::move(rows)};
}

}  // namespace tesmarik
