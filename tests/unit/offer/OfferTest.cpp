#include <gtest/gtest.h>

#include <algorithm>

#include "masscalc/MassFormulas.h"
#include "offer/OfferDocument.h"
#include "offer/OfferFile.h"
#include "offer/OfferTerms.h"
#include "offer/OfferTotals.h"
#include "offer/SumInWords.h"
#include "price/PipeCost.h"

namespace tesmarik {
namespace {

OfferPosition Pipe(double diameter, double wall, const char* price, QuantityUnit unit,
                   double quantity) {
    return {"n", diameter, wall, "17Г1С", "ГОСТ 20295-85", price, unit, quantity, 11.3};
}

Offer TwoSizes() {
    Offer offer;
    offer.number = "101226-1530";
    offer.started = {2026, 12, 10, 15, 30, 0};
    AddPosition(offer, Pipe(530, 8, "78500", QuantityUnit::Metres, 1000));
    AddPosition(offer, Pipe(720, 10, "80000", QuantityUnit::Tonnes, 25));
    return offer;
}

TEST(OfferPosition, NameSaysSizeSteelAndStandard) {
    EXPECT_EQ(PositionName(Pipe(530, 8, "78500", QuantityUnit::Metres, 1)),
              "Труба 530×8 ст.17Г1С ГОСТ 20295-85");
    OfferPosition bare{"v", 219, 6, "0", "", "договорн", QuantityUnit::Metres, 1, 11.3};
    EXPECT_EQ(PositionName(bare), "Труба восстановленная 219×6");
}

TEST(OfferPosition, TheSameRowAndWallAddsToItsQuantity) {
    Offer offer;
    EXPECT_EQ(AddPosition(offer, Pipe(530, 8, "78500", QuantityUnit::Metres, 1000)), 0u);
    EXPECT_EQ(AddPosition(offer, Pipe(530, 8, "78500", QuantityUnit::Metres, 500)), 0u);
    ASSERT_EQ(offer.positions.size(), 1u);
    EXPECT_DOUBLE_EQ(offer.positions[0].quantity, 1500);

    // Another wall of the same row, or the same size at another price, is another line.
    EXPECT_EQ(AddPosition(offer, Pipe(530, 10, "78500", QuantityUnit::Metres, 10)), 1u);
    EXPECT_EQ(AddPosition(offer, Pipe(530, 8, "79000", QuantityUnit::Metres, 10)), 2u);

    // A quantity in another unit joins the line in the line's unit: 20 pipes of 11,3 m.
    EXPECT_EQ(AddPosition(offer, Pipe(530, 8, "78500", QuantityUnit::Pieces, 20)), 0u);
    EXPECT_DOUBLE_EQ(offer.positions[0].quantity, 1500 + 20 * 11.3);
    // The same size at another average length is a line of its own: 50 pipes at 12 m and
    // 10 at 11,3 m are not 60 at 12 m.
    OfferPosition longer = Pipe(530, 8, "78500", QuantityUnit::Pieces, 50);
    longer.averageLength = 12;
    EXPECT_EQ(AddPosition(offer, longer), 3u);
    EXPECT_EQ(AddPosition(offer, Pipe(530, 8, "78500", QuantityUnit::Pieces, 10)), 0u);
    EXPECT_DOUBLE_EQ(PositionFigures(offer.positions[3]).length, 600);
}

TEST(OfferPosition, FewerThanOnePipeIsNoPosition) {
    // 2 t of 820 × 9 are 11 m, less than one pipe of 11,3 m.
    EXPECT_EQ(PositionProblem(Pipe(820, 9, "78500", QuantityUnit::Tonnes, 2)),
              "Количество меньше одной трубы.");
    EXPECT_EQ(PositionProblem(Pipe(820, 9, "78500", QuantityUnit::Tonnes, 3)), "");
    Offer offer;
    AddPosition(offer, Pipe(820, 9, "78500", QuantityUnit::Metres, 11.3));
    EXPECT_EQ(PositionProblem(offer.positions[0]), "");
}

TEST(OfferTotals, ACostBeyondWordsStopsTheSumInsteadOfWrappingIt) {
    // 185 positions of 999 000 000 000 000 руб. once wrapped the kopecks' integer around to
    // 12 337,68 руб.; and two positions each within the limit may be beyond it together.
    Offer offer;
    for (int i = 0; i < 185; ++i) {
        AddPosition(offer, Pipe(500 + i, 8, "9,99E14", QuantityUnit::Tonnes, 1));
    }
    EXPECT_TRUE(ComputeOffer(offer, "60").costTooLarge);
    EXPECT_EQ(ComputeOffer(offer, "60").costKopecks, 0);
    Offer two;
    AddPosition(two, Pipe(530, 8, "6E11", QuantityUnit::Tonnes, 1));
    EXPECT_FALSE(ComputeOffer(two, "60").costTooLarge);
    AddPosition(two, Pipe(720, 10, "6E11", QuantityUnit::Tonnes, 1));
    EXPECT_TRUE(ComputeOffer(two, "60").costTooLarge);
}

TEST(OfferPosition, ASumBeyondWhatCanBeTypedIsRefused) {
    Offer offer;
    AddPosition(offer, Pipe(530, 8, "78500", QuantityUnit::Tonnes, 90000));
    EXPECT_THROW(AddPosition(offer, Pipe(530, 8, "78500", QuantityUnit::Tonnes, 20000)),
                 std::exception);
    EXPECT_DOUBLE_EQ(offer.positions[0].quantity, 90000);
}

TEST(OfferPosition, NumberIsProposedFromTheTimeTheOfferStarts) {
    EXPECT_EQ(ProposedNumber({2026, 12, 10, 15, 30, 45}), "101226-1530");
    EXPECT_EQ(ProposedNumber({2027, 1, 2, 3, 4, 5}), "020127-0304");
}

TEST(OfferTotals, EachPositionAsTheCostWindowAndTheirSums) {
    const Offer offer = TwoSizes();
    const OfferFigures f = ComputeOffer(offer, "60");
    ASSERT_EQ(f.positions.size(), 2u);
    // 1000 m of 530 × 8: 104,01 kg/m, 104,01 t, 88 pipes, 104,01 × 78500.
    EXPECT_DOUBLE_EQ(f.positions[0].mass, 104.01);
    EXPECT_DOUBLE_EQ(*f.positions[0].cost, 8164785);
    // 25 t of 720 × 10: 0,02466 × 10 × 710 × 1,01 = 176,84 kg/m, 141,371 m, 12 pipes.
    EXPECT_DOUBLE_EQ(f.positions[1].massPerMetre, 176.84);
    EXPECT_DOUBLE_EQ(f.positions[1].length, 141.371);
    EXPECT_DOUBLE_EQ(f.positions[1].pieces, 12);
    EXPECT_DOUBLE_EQ(*f.positions[1].cost, 2000000);

    EXPECT_DOUBLE_EQ(f.mass, 129.01);
    EXPECT_DOUBLE_EQ(f.length, 1141.371);
    EXPECT_DOUBLE_EQ(f.pieces, 100);
    EXPECT_EQ(f.costKopecks, 1016478500);
    EXPECT_FALSE(f.negotiableLeftOut);
    // 10 164 785,00 × 22 / 122 = 1 832 994,0163...
    EXPECT_EQ(f.vatKopecks, 183299402);

    const OfferSummary s = SummaryOf(offer, f);
    EXPECT_EQ(s.cost, "Стоимость: 10 164 785,00 руб.");
    EXPECT_EQ(s.vat, "в том числе НДС 22 %: 1 832 994,02 руб.");
    EXPECT_EQ(s.words,
              "Десять миллионов сто шестьдесят четыре тысячи семьсот восемьдесят пять рублей "
              "00 копеек");
}

TEST(OfferTotals, NegotiablePricesAreLeftOutOfTheCost) {
    Offer offer = TwoSizes();
    AddPosition(offer, Pipe(820, 10, "договорн", QuantityUnit::Metres, 100));
    const OfferFigures f = ComputeOffer(offer, "60");
    EXPECT_FALSE(f.positions[2].cost);
    EXPECT_EQ(f.costKopecks, 1016478500);
    EXPECT_TRUE(f.negotiableLeftOut);
    // Its mass still counts.
    EXPECT_DOUBLE_EQ(f.mass, RoundHalfUp(129.01 + f.positions[2].mass, 3));
    EXPECT_EQ(PositionRow(offer, f, 2)[kCostColumn], "договорная");
    EXPECT_EQ(PositionRow(offer, f, 2)[kPriceColumn], "договорн");
    EXPECT_EQ(SummaryOf(offer, f).cost,
              "Стоимость: 10 164 785,00 руб. без учёта позиций с договорной ценой");
}

TEST(OfferTotals, VatRateChangesOnlyTheVat) {
    Offer offer = TwoSizes();
    const OfferFigures at22 = ComputeOffer(offer, "60");
    offer.vatRate = "20";
    const OfferFigures at20 = ComputeOffer(offer, "60");
    EXPECT_EQ(at20.costKopecks, at22.costKopecks);
    EXPECT_DOUBLE_EQ(at20.mass, at22.mass);
    // 10 164 785,00 × 20 / 120 = 1 694 130,8333...
    EXPECT_EQ(at20.vatKopecks, 169413083);
    for (const char* bad : {"", "abc", "-1", "101", "22%"}) {
        offer.vatRate = bad;
        const OfferFigures f = ComputeOffer(offer, "60");
        EXPECT_FALSE(f.vatRate.value) << bad;
        EXPECT_FALSE(f.vatRate.problem.empty()) << bad;
        EXPECT_TRUE(SummaryOf(offer, f).vat.empty()) << bad;
    }
}

TEST(OfferTotals, VatIncludedRoundsHalfUpToKopecks) {
    EXPECT_EQ(VatIncluded(12200, 22), 2200);
    EXPECT_EQ(VatIncluded(0, 22), 0);
    EXPECT_EQ(VatIncluded(100, 0), 0);
    EXPECT_EQ(VatIncluded(1, 100), 1);   // 0,5 kopecks up
    EXPECT_EQ(VatIncluded(61, 22), 11);  // 10,999...
}

TEST(OfferTransport, CapacityAloneAndUncoveredSizes) {
    EXPECT_EQ(VehiclesByCapacity(129.01, "60"), 3);
    EXPECT_EQ(VehiclesByCapacity(120, "60"), 2);
    EXPECT_EQ(VehiclesByCapacity(0.1 + 0.2, "0,3"), 1);
    EXPECT_FALSE(VehiclesByCapacity(10, "0"));
    EXPECT_FALSE(VehiclesByCapacity(10, "шестьдесят"));

    // The platform takes 530 mm and up only; 508 mm is on no vehicle's list.
    const auto uncovered = [](VehicleKind v, double d) {
        return VehiclesForPosition(v, Pipe(d, 6, "1", QuantityUnit::Metres, 100), "60");
    };
    EXPECT_EQ(uncovered(VehicleKind::Platform, 219).problem, "нет норм погрузки");
    EXPECT_EQ(uncovered(VehicleKind::StandardGondola, 508).problem, "нет норм погрузки");
    EXPECT_TRUE(uncovered(VehicleKind::StandardGondola, 159).vehicles);
    // The platform's 1420 mm has no norm and no body to estimate from.
    EXPECT_FALSE(VehiclesForPosition(VehicleKind::Platform,
                                     Pipe(1420, 16, "1", QuantityUnit::Metres, 100), "60")
                     .vehicles);
    EXPECT_EQ(VehiclesForPosition(VehicleKind::StandardGondola,
                                  Pipe(530, 8, "1", QuantityUnit::Metres, 100), "")
                  .problem,
              "грузоподъёмность не задана");
}

TEST(OfferDocument, TableTotalsAndClipboard) {
    const Offer offer = TwoSizes();
    const OfferFigures f = ComputeOffer(offer, "60");
    const std::string text = OfferClipboardText(offer, f);
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "№\tНаименование\tКол-во\tЕд.\tТруб, шт.\tДлина, м\tМасса, т\tЦена, руб./т\t"
              "Стоимость, руб.\tТС");
    EXPECT_NE(text.find("1\tТруба 530×8 ст.17Г1С ГОСТ 20295-85\t1000\tм\t88\t1000\t104,01\t"
                        "78 500,00\t8 164 785,00\t"),
              std::string::npos);

    const Workbook book = OfferWorkbook(offer, f, ProgramSeller());
    // The totals row sums the positions' column.
    bool found = false;
    for (const auto& row : book.rows) {
        if (row.size() > kCostColumn && row[kCostColumn].kind == WorkbookCell::Kind::Formula &&
            row[kCostColumn].text.rfind("=SUM(I", 0) == 0) {
            found = true;
            EXPECT_DOUBLE_EQ(row[kCostColumn].number, 10164785);
        }
    }
    EXPECT_TRUE(found);

    const PrintedReport report = OfferReport(offer, f, ProgramSeller(), {});
    EXPECT_EQ(report.title, "Коммерческое предложение № 101226-1530 от 10.12.2026");
    EXPECT_EQ(report.table.rows.size(), 2u);
    EXPECT_EQ(report.table.heading.size(), report.table.widths.size());
}

TEST(OfferFile, SavedAndReadBackTheSame) {
    Offer offer = TwoSizes();
    offer.client = "ООО \"Трубстрой\" | склад\\2\nвторая строка";
    offer.comment = "";
    offer.vatRate = "20";
    offer.vehicle = 3;
    offer.priceDate = "10.12.2026";
    AddPosition(offer, Pipe(820, 9.5, "договорн", QuantityUnit::Pieces, 7));
    const OfferRead read = ReadOfferFile(OfferFileText(offer));
    ASSERT_TRUE(read.offer) << read.problem;
    const Offer& back = *read.offer;
    EXPECT_EQ(back.number, offer.number);
    EXPECT_EQ(ShortDateTime(back.started), ShortDateTime(offer.started));
    EXPECT_EQ(back.client, offer.client);
    EXPECT_EQ(back.vatRate, "20");
    EXPECT_EQ(back.vehicle, 3);
    EXPECT_EQ(back.priceDate, offer.priceDate);
    ASSERT_EQ(back.positions.size(), 3u);
    const OfferFigures before = ComputeOffer(offer, "60");
    const OfferFigures after = ComputeOffer(back, "60");
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(PositionRow(back, after, i), PositionRow(offer, before, i));
    }
    EXPECT_EQ(OfferFileText(back), OfferFileText(offer));
}

TEST(OfferFile, ForeignAndDamagedFilesAreRefused) {
    EXPECT_EQ(ReadOfferFile("").problem, "не является файлом предложения");
    EXPECT_EQ(ReadOfferFile("n;530;8;17Г1С\n").problem, "не является файлом предложения");
    const std::string good = OfferFileText(TwoSizes());
    EXPECT_TRUE(ReadOfferFile(good).offer);
    // Windows line ends are read as well.
    std::string crlf;
    for (const char c : good) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    EXPECT_TRUE(ReadOfferFile(crlf).offer);

    const auto damaged = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return ReadOfferFile(text);
    };
    EXPECT_EQ(damaged("ндс=22", "").problem, "повреждён: строка 6");
    EXPECT_EQ(damaged("тс=0", "тс=5").problem, "повреждён: строка 7");
    EXPECT_EQ(damaged("начато=2026-12-10", "начато=2026-13-10").problem, "повреждён: строка 3");
    EXPECT_FALSE(damaged("|м|1000|", "|км|1000|").offer);
    EXPECT_FALSE(damaged("|м|1000|", "|м|-5|").offer);
    EXPECT_FALSE(damaged("|530|8|", "|530|300|").offer);
    EXPECT_FALSE(damaged("|11,3\n", "|11,3|лишнее\n").offer);
    EXPECT_FALSE(damaged("номер=101226", "номер=\\x101226").offer);
    EXPECT_FALSE(damaged("позиция=n", "позиции=n").offer);

    // Values a hand may have put in, each refused with its line rather than opened.
    using namespace std::string_literals;
    const struct {
        std::string from;
        std::string to;
        std::string problem;
    } refused[] = {
        {"|78500|", "|-78500|", "повреждён: строка 20"},  // a price below zero is no price
        {"|78500|", "|0|", "повреждён: строка 20"},
        {"|78500|", "|1e308|", "повреждён: строка 20"},  // a cost no window could show
        {"|1000|", "|0,5|", "повреждён: строка 20"},     // less than one pipe
        {"начато=2026-12-10", "начато=2026-02-31", "повреждён: строка 3"},
        {"начато=2026-12-10", "начато=0000-12-10", "повреждён: строка 3"},
        {"прайс=", "прайс=31.02.2026", "повреждён: строка 8"},
        {"клиент=", "клиент=ООО \0 Рога"s, "повреждён: строка 4"},
        {"клиент=", "клиент=\xC3\x28", "повреждён: строка 4"},  // no UTF-8
        {"комментарий=", "комментарий=\x01", "повреждён: строка 5"},
        // longer than the window's field takes
        {"клиент=", "клиент=" + std::string(501, 'x'), "повреждён: строка 4"},
    };
    for (const auto& r : refused) {
        const OfferRead read = damaged(r.from, r.to);
        EXPECT_FALSE(read.offer) << r.to;
        EXPECT_EQ(read.problem, r.problem) << r.to;
    }
    // Each position within the limit, the two together beyond it.
    std::string large = good;
    for (const auto& [from, to] : {std::pair{"|78500|"s, "|6E9|"s}, {"|80000|"s, "|3E10|"s}}) {
        large.replace(large.find(from), from.size(), to);
    }
    EXPECT_EQ(ReadOfferFile(large).problem, "повреждён: стоимость больше 999 999 999 999,99 руб.");
    // A leap day exists in a leap year; a price no number is negotiable, as before.
    EXPECT_TRUE(damaged("начато=2026-12-10", "начато=2028-02-29").offer);
    EXPECT_TRUE(damaged("|78500|", "|договорн|").offer);
}

TEST(OfferDocument, PastedFieldsStayTextInTheirOwnCells) {
    const struct {
        const char* field;
        const char* pasted;
    } cases[] = {
        {"ООО Клиент", "ООО Клиент"},
        {"=HYPERLINK(1)", "'=HYPERLINK(1)"},
        {"+7 999", "'+7 999"},
        {"-5", "'-5"},
        {"@sum", "'@sum"},
        {"a\tb", "\"a\tb\""},
        {"say \"hi\"\n", "\"say \"\"hi\"\"\n\""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PastedAsText(c.field), c.pasted) << c.field;
    }
}

TEST(OfferTerms, ValidForFiveWorkingDaysAndOnlyRealDates) {
    struct Case {
        DateTime from;
        const char* until;
    };
    // Thursday, Friday, Saturday, Sunday; across a month's and a year's end.
    const Case cases[] = {{{2026, 12, 10}, "17.12.2026"}, {{2026, 12, 11}, "18.12.2026"},
                          {{2026, 12, 12}, "18.12.2026"}, {{2026, 12, 13}, "18.12.2026"},
                          {{2026, 12, 28}, "04.01.2027"}, {{2028, 2, 24}, "02.03.2028"}};
    for (const Case& c : cases) {
        EXPECT_EQ(ShortDate(WorkingDaysAfter(c.from, kOfferValidWorkingDays)), c.until);
    }
    EXPECT_TRUE(ReadShortDate("29.02.2028"));
    for (const char* wrong : {"29.02.2027", "31.04.2026", "00.01.2026", "1.1.2026", "17.12.26",
                              "17.12.2026г", "17-12-2026"}) {
        EXPECT_FALSE(ReadShortDate(wrong)) << wrong;
    }
    Offer offer = TwoSizes();
    offer.terms.validUntil = "31.02.2026";
    EXPECT_EQ(OfferTermsProblem(offer), "Срок действия \"31.02.2026\" - не дата дд.мм.гггг.");
    offer.terms.validUntil = "";
    offer.capacity = "0";
    EXPECT_EQ(OfferTermsProblem(offer), "Грузоподъёмность должна быть больше нуля.");
}

TEST(OfferTerms, ANewOfferStartsWithTheRememberedManagerAndTerms) {
    Offer last = TwoSizes();
    last.manager = {"Иванов Иван", "Менеджер отдела продаж", "+7 000", "ivanov@x"};
    last.terms = {"17.12.2026", "Самовывоз", "Предоплата\n100 %"};
    UserSettings settings{{"другое", "своё"}};
    StoreOfferSettings(last.manager, last.terms, settings);
    // Through the file's text, as the next run of the program reads it.
    const UserSettings read = ReadUserSettings(UserSettingsText(settings));
    EXPECT_EQ(read.at("другое"), "своё");

    const Offer next = NewOffer({2026, 12, 11, 9, 5, 0}, "40", read);
    EXPECT_EQ(next.number, "111226-0905");
    EXPECT_EQ(next.capacity, "40");
    EXPECT_EQ(next.manager.name, "Иванов Иван");
    EXPECT_EQ(next.manager.email, "ivanov@x");
    EXPECT_EQ(next.terms.delivery, "Самовывоз");
    EXPECT_EQ(next.terms.payment, "Предоплата 100 %");
    EXPECT_EQ(next.terms.validUntil, "18.12.2026");
    // No settings yet, or a file that is not one: empty fields.
    EXPECT_EQ(NewOffer({2026, 12, 11}, "60", ReadUserSettings("менеджер=x\n")).manager.name, "");
}

TEST(OfferFile, TermsManagerAndCapacityKeptAndOldFilesOpenWithSixtyTonnes) {
    Offer offer = TwoSizes();
    offer.capacity = "20";
    offer.terms = {"17.12.2026", "Доставка | до станции", "Предоплата"};
    offer.manager = {"Иванов", "Менеджер", "+7 000", "ivanov@x"};
    const OfferRead read = ReadOfferFile(OfferFileText(offer));
    ASSERT_TRUE(read.offer) << read.problem;
    EXPECT_EQ(read.offer->capacity, "20");
    EXPECT_EQ(read.offer->terms.delivery, "Доставка | до станции");
    EXPECT_EQ(read.offer->manager.email, "ivanov@x");
    EXPECT_EQ(OfferFileText(*read.offer), OfferFileText(offer));

    // A file of the first version, written before the offer kept these.
    std::string old = OfferFileText(offer);
    old.erase(old.find("грузоподъёмность="), old.find("позиция=") - old.find("грузоподъёмность="));
    const OfferRead before = ReadOfferFile(old);
    ASSERT_TRUE(before.offer) << before.problem;
    EXPECT_EQ(before.offer->capacity, "60");
    EXPECT_EQ(before.offer->terms.validUntil, "");
    EXPECT_EQ(before.offer->manager.name, "");
    EXPECT_EQ(before.offer->positions.size(), 2u);
}

TEST(OfferDocument, ALetterWithTheTotalsClosingTheTable) {
    Offer offer = TwoSizes();
    offer.client = "ООО \"Клиент\": склад/2";
    offer.manager = {"Иванов И. И.", "Менеджер отдела продаж", "+7 000", "ivanov@x"};
    const PrintedReport report =
        OfferReport(offer, ComputeOffer(offer, "60"), ProgramSeller(), {2026, 12, 11, 11, 37, 0});
    EXPECT_EQ(report.letterhead.front(), kSellerName);
    EXPECT_EQ(report.fileName, "КП 101226-1530 ООО Клиент склад 2");
    ASSERT_EQ(report.table.foot.size(), 3u);
    EXPECT_EQ(report.table.foot[0].cells[0], "Итого");
    // The foot's cells stand under the table's columns: the totals' cost under the cost.
    int column = 0;
    for (std::size_t k = 0; k + 2 < report.table.foot[0].cells.size(); ++k) {
        column += k < report.table.foot[0].spans.size() ? report.table.foot[0].spans[k] : 1;
    }
    EXPECT_EQ(column, kCostColumn);
    EXPECT_EQ(report.table.foot[1].cells[0], "в том числе НДС 22 %");
    EXPECT_EQ(report.table.foot[2].cells[0].rfind("Всего: Десять миллионов", 0), 0u);
    const auto& after = report.linesAfter;
    EXPECT_NE(std::find(after.begin(), after.end(),
                        "Менеджер отдела продаж   ____________________   Иванов И. И."),
              after.end());

    offer.vatRate = "0";
    const PrintedReport untaxed =
        OfferReport(offer, ComputeOffer(offer, "60"), ProgramSeller(), {});
    EXPECT_EQ(untaxed.table.foot[1].cells[0], "Без НДС");
    EXPECT_EQ(untaxed.table.foot[1].cells[1], "");
}

}  // namespace
}  // namespace tesmarik
