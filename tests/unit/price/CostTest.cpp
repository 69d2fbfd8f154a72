#include <gtest/gtest.h>

#include "price/ListedSizes.h"
#include "price/MoneyText.h"
#include "price/PipeCost.h"
#include "price/PricePosition.h"
#include "price/QuantityInput.h"

namespace tesmarik {
namespace {

using Choice = ListedSizes::Choice;

struct SizesCase {
    const char* field;
    std::vector<std::string> sizes;
    Choice choice;
};

TEST(SizesOfField, NumbersListsRangesAndWords) {
    const SizesCase cases[] = {
        {"8", {"8"}, Choice::Fixed},
        {"3,5", {"3,5"}, Choice::Fixed},
        {"8,0", {"8"}, Choice::Fixed},
        {"4 5 6", {"4", "5", "6"}, Choice::Pick},
        {"8 10 12", {"8", "10", "12"}, Choice::Pick},
        {" 10  12 ", {"10", "12"}, Choice::Pick},
        {"8 8", {"8"}, Choice::Fixed},
        {"4-6", {"4", "5", "6"}, Choice::Pick},
        {"3,5-5", {"3,5", "4", "5"}, Choice::Pick},
        {"5-6,5", {"5", "6", "6,5"}, Choice::Pick},
        {"530-630", {"530", "630"}, Choice::Typed},
        {"все", {}, Choice::Typed},
        {"6-4", {}, Choice::Typed},
        {"4 x 6", {}, Choice::Typed},
        {"0", {}, Choice::Typed},
        {"-8", {}, Choice::Typed},
        {"", {}, Choice::Typed},
    };
    for (const SizesCase& c : cases) {
        const ListedSizes listed = SizesOfField(c.field);
        EXPECT_EQ(listed.sizes, c.sizes) << c.field;
        EXPECT_EQ(listed.choice, c.choice) << c.field;
    }
}

TEST(ShowMoney, TwoDecimalsCommaAndBlanksBetweenThousands) {
    EXPECT_EQ(ShowMoney(8164785), "8 164 785,00");
    EXPECT_EQ(ShowMoney(104.01 * 78500), "8 164 785,00");
    EXPECT_EQ(ShowMoney(0), "0,00");
    EXPECT_EQ(ShowMoney(999.995), "1 000,00");
    EXPECT_EQ(ShowMoney(1234.5), "1 234,50");
    EXPECT_EQ(ShowMoney(123456.07), "123 456,07");
    EXPECT_EQ(ShowMoney(1e12), "1 000 000 000 000,00");
    EXPECT_THROW(ShowMoney(1e300), std::exception);
}

struct QuantityCase {
    const char* text;
    QuantityUnit unit;
    std::optional<double> value;
    const char* problem;
};

TEST(ReadQuantity, PositiveBoundedAndWholePipes) {
    const QuantityCase cases[] = {
        {"1000", QuantityUnit::Metres, 1000, ""},
        {"12,5", QuantityUnit::Tonnes, 12.5, ""},
        {"88", QuantityUnit::Pieces, 88, ""},
        {"", QuantityUnit::Metres, std::nullopt, "Введите количество."},
        {"   ", QuantityUnit::Metres, std::nullopt, "Введите количество."},
        {"abc", QuantityUnit::Metres, std::nullopt, "Количество \"abc\" - не число."},
        {"1.5", QuantityUnit::Metres, std::nullopt, "Количество \"1.5\" - не число."},
        {"0", QuantityUnit::Metres, std::nullopt, "Количество должно быть больше нуля."},
        {"-5", QuantityUnit::Tonnes, std::nullopt, "Количество должно быть больше нуля."},
        {"1000001", QuantityUnit::Metres, std::nullopt,
         "Количество слишком велико: не более 1 000 000 м."},
        {"100001", QuantityUnit::Tonnes, std::nullopt,
         "Количество слишком велико: не более 100 000 т."},
        {"1e400", QuantityUnit::Pieces, std::nullopt,
         "Количество слишком велико: не более 100 000 шт."},
        {"2,5", QuantityUnit::Pieces, std::nullopt, "Количество труб должно быть целым."},
    };
    for (const QuantityCase& c : cases) {
        const InputRead read = ReadQuantity(c.text, c.unit);
        EXPECT_EQ(read.value, c.value) << c.text;
        EXPECT_EQ(read.problem, c.problem) << c.text;
    }
}

TEST(ReadSizeAndLength, SayWhatIsWrongInTheirOwnWords) {
    EXPECT_EQ(ReadAverageLength("11,3").value, 11.3);
    EXPECT_EQ(ReadAverageLength("").problem, "Введите среднюю длину трубы.");
    EXPECT_EQ(ReadAverageLength("0").problem, "Средняя длина должна быть больше нуля.");
    EXPECT_EQ(ReadAverageLength("101").problem, "Средняя длина слишком велика: не более 100 м.");
    EXPECT_EQ(ReadDiameter("").problem, "Введите диаметр.");
    EXPECT_EQ(ReadWall("8", 530).value, 8);
    EXPECT_EQ(ReadWall("265", 530).problem, "Стенка должна быть меньше половины диаметра.");
}

TEST(ComputeCost, TheMassTabsWorkedExample) {
    const CostFigures f = ComputeCost({530, 8, QuantityUnit::Metres, 1000, 11.3, 78500});
    EXPECT_EQ(f.massPerMetre, 104.01);
    EXPECT_EQ(f.length, 1000);
    EXPECT_EQ(f.mass, 104.01);
    EXPECT_EQ(f.pieces, 88);
    ASSERT_TRUE(f.cost);
    EXPECT_EQ(ShowMoney(*f.cost), "8 164 785,00");
}

TEST(ComputeCost, SeamAllowanceOnlyFrom530) {
    EXPECT_EQ(UniversalMassPerMetre(530, 8), 104.01);
    EXPECT_EQ(UniversalMassPerMetre(529, 8), 102.78);
}

TEST(ComputeCost, TonnesAndPieces) {
    const CostFigures byMass = ComputeCost({530, 8, QuantityUnit::Tonnes, 50, 11.3, 1000});
    EXPECT_EQ(byMass.length, 480.723);
    EXPECT_EQ(byMass.mass, 50);
    EXPECT_EQ(byMass.pieces, 42);
    EXPECT_EQ(*byMass.cost, 50000);

    const CostFigures byPipes = ComputeCost({530, 8, QuantityUnit::Pieces, 10, 11.3, 78500});
    EXPECT_EQ(byPipes.length, 113);
    EXPECT_EQ(byPipes.mass, 11.753);
    EXPECT_EQ(byPipes.pieces, 10);
    EXPECT_EQ(ShowMoney(*byPipes.cost), "922 610,50");
}

TEST(ComputeCost, NegotiablePriceHasNoCost) {
    EXPECT_FALSE(ComputeCost({530, 8, QuantityUnit::Metres, 1000, 11.3, std::nullopt}).cost);
    EXPECT_FALSE(PricePerTonne("договорная"));
    EXPECT_FALSE(PricePerTonne("0"));
    EXPECT_EQ(PricePerTonne("78500"), 78500);
}

TEST(PositionOfGridRow, OnlyRowsThatShowAPosition) {
    const auto position =
        PositionOfGridRow({"n", "530", "8", "17Г1С", "ГОСТ 20295-85", "", "72000", ""});
    ASSERT_TRUE(position);
    EXPECT_EQ(position->type, "n");
    EXPECT_EQ(position->diameter, "530");
    EXPECT_EQ(position->wall, "8");
    EXPECT_EQ(position->steel, "17Г1С");
    EXPECT_EQ(position->standard, "ГОСТ 20295-85");
    EXPECT_EQ(position->price, "72000");
    // The empty row of a filter that matches nothing, and no row at all.
    EXPECT_FALSE(PositionOfGridRow({"", "", "", "", "", "", "", ""}));
    EXPECT_FALSE(PositionOfGridRow({}));
    // A row cut short reads its missing cells as empty.
    EXPECT_EQ(PositionOfGridRow({"v", "219"})->price, "");
}

}  // namespace
}  // namespace tesmarik
