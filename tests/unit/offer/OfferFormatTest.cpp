#include <gtest/gtest.h>

#include "offer/OfferFile.h"

namespace tesmarik {
namespace {

TEST(OfferFile, ANewerFormatSaysSo) {
    const std::string words = "Тесмарик: коммерческое предложение, формат ";
    EXPECT_EQ(ReadOfferFile(words + "2\r\nномер=1\n").problem,
              "сделан более новой версией программы (формат 2), эта версия читает только "
              "формат 1");
    for (const char* number : {"", "2а", "02", "-2"}) {
        EXPECT_EQ(ReadOfferFile(words + number + "\n").problem, "не является файлом предложения");
    }
}

}  // namespace
}  // namespace tesmarik
