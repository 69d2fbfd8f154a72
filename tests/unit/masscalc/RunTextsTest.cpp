#include <gtest/gtest.h>

#include "masscalc/RunTexts.h"

namespace tesmarik {
namespace {

TEST(LengthsReportLine, PadsTheLengthToEightCharacters) {
    struct Case {
        const char* length;
        const char* mass;
        const char* line;
    };
    const Case cases[] = {
        {"12", "1,248", "12 м.      1,248 т."},
        {"9,75", "1,014", "9,75 м.    1,014 т."},
        {"1", "0,104", "1 м.       0,104 т."},
        {"12,3456", "1,284", "12,3456 м. 1,284 т."},
        {"12,34567", "1,284", "12,34567 м.1,284 т."},
        {"123,456789", "12,841", "123,456789 м.12,841 т."},
        {" 12", "1,248", " 12 м.     1,248 т."},
        {"", "0", " м.        0 т."},
        // Characters, not bytes: two Arabic-Indic digits are two characters in four bytes.
        {"\u0661\u0662", "1,248", "\u0661\u0662 м.      1,248 т."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LengthsReportLine(c.length, c.mass), c.line) << c.length;
    }
}

TEST(LengthsReport, HeaderAndTotals) {
    EXPECT_EQ(LengthsReportHeader("530", "3,5"),
              (std::vector<std::string>{"Рассчёт массы труб", "для 530x3,5", "",
                                        "Длина (м.) Масса (т.)"}));
    EXPECT_EQ(LengthsReportTotals(3, "33,25", "3,458"),
              (std::vector<std::string>{"", "Итого:", "количество:  3 шт.", "масса: 3,458 т.",
                                        "длина: 33,25 м."}));
    EXPECT_EQ(TotalsCaption(3, "33,25", "3,458"), "Итого: 3 шт.  33,25 м.   3,458 т.");
    EXPECT_EQ(TotalsCaption(0, "0", "0"), "Итого: 0 шт.  0 м.   0 т.");
}

TEST(RunNotes, TheSeamAllowanceAndTheDocumentStartOnASecondLine) {
    EXPECT_EQ(SeamNote(true), "\r(используется корректировочный коэфициент в 1 % на сварной шов)");
    EXPECT_EQ(SeamNote(false),
              "\r( не используется корректировочный коэфициент в 1 % на сварной шов)");
    EXPECT_EQ(DocumentNote("ТУ 14-3-796-79 (холоднокат)"), "\rТУ 14-3-796-79 (холоднокат)");
}

TEST(LogLines, TheCountLineOnlyWithPipes) {
    RunResult r;
    r.diameterText = "530";
    r.wallText = "8";
    r.massPerMetre = 104.01;
    r.note = SeamNote(true);
    r.lengthText = "1000";
    r.massText = "104,01";
    r.pieces = 88;
    r.averageLengthText = "11,3";
    const std::vector<std::string> withPipes = {"Расчёт выполнен: для трубы диамм. 530 x 8",
                                                "Масса одного погонного метра 104,01 кг.",
                                                SeamNote(true),
                                                "Общая длина:  1000 м.",
                                                "Общая масса:  104,01 т.",
                                                "Примерное количество: 88 шт. (l=11,3 м.)",
                                                "",
                                                ""};
    EXPECT_EQ(LogLines(r), withPipes);

    r.pieces = 0;
    r.averageLengthText = "";
    r.note = "";
    const std::vector<std::string> withoutPipes = {"Расчёт выполнен: для трубы диамм. 530 x 8",
                                                   "Масса одного погонного метра 104,01 кг.",
                                                   "",
                                                   "Общая длина:  1000 м.",
                                                   "Общая масса:  104,01 т.",
                                                   "",
                                                   ""};
    EXPECT_EQ(LogLines(r), withoutPipes);
    EXPECT_EQ(PieceCountText(0, ""), "0 шт. (l= м.)");
    EXPECT_EQ(PieceCountText(1e20, "1E-18"), "1E20 шт. (l=1E-18 м.)");
}

}  // namespace
}  // namespace tesmarik
