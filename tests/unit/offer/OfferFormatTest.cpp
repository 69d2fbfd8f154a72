#include <gtest/gtest.h>

#include <string>

#include "offer/OfferFile.h"

namespace tesmarik {
namespace {

// A file of a later format is told apart from a file that is no offer at all: its user
// learns that a newer program made it.
TEST(OfferFile, ANewerFormatSaysSo) {
    const std::string rest = "номер=1\n";
    const std::string newer =
        "сделан более новой версией программы (формат 2), эта версия "
        "читает только формат 1";
    EXPECT_EQ(ReadOfferFile("Тесмарик: коммерческое предложение, формат 2\n" + rest).problem,
              newer);
    EXPECT_EQ(ReadOfferFile("Тесмарик: коммерческое предложение, формат 2\r\n" + rest).problem,
              newer);
    EXPECT_NE(ReadOfferFile("Тесмарик: коммерческое предложение, формат 12\n")
                  .problem.find("(формат 12)"),
              std::string::npos);
    for (const char* line : {"Тесмарик: коммерческое предложение, формат ",
                             "Тесмарик: коммерческое предложение, формат 2а",
                             "Тесмарик: коммерческое предложение, формат 02",
                             "Тесмарик: коммерческое предложение, формат -2"}) {
        EXPECT_EQ(ReadOfferFile(std::string(line) + "\n" + rest).problem,
                  "не является файлом предложения")
            << line;
    }
}

}  // namespace
}  // namespace tesmarik
