// The offer's documents for the largest offer its window takes: every field at its
// longest, as many positions as an offer file may hold. Each against the target of one
// second (see report.py): the user waits for a document once, after pressing its button.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "common/SellerIdentity.h"
#include "offer/OfferDocument.h"
#include "offer/OfferFile.h"
#include "offer/OfferLimits.h"
#include "printing/ReportPages.h"
#include "workbook/WorkbookFile.h"

namespace tesmarik {
namespace {

// Painting a page's text needs the fonts of a QGuiApplication; bench/run.sh runs on the
// offscreen platform.
void NeedGui() {
    static std::unique_ptr<QGuiApplication> gui;
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "tesmarik-bench-logic";
        static char* argv[] = {name, nullptr};
        gui = std::make_unique<QGuiApplication>(argc, argv);
    }
}

// A text of `count` Cyrillic characters: words of `word` letters, or one word when 0.
std::string LongText(std::size_t count, std::size_t word) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += word > 0 && i % (word + 1) == word ? " " : "ж";
    }
    return text;
}

// The largest offer: every text at its limit and `positions` positions of distinct sizes,
// the comment in words of `word` letters (0: one word without a blank).
Offer LargestOffer(std::size_t positions, std::size_t word) {
    Offer offer;
    offer.number = std::string(kOfferNumberMaxChars, '9');
    offer.started = {2026, 12, 11, 11, 37, 0};
    offer.client = LongText(kOfferClientMaxChars, 12);
    offer.comment = LongText(kOfferCommentMaxChars, word);
    offer.terms = {"18.12.2026", LongText(kOfferTermsMaxChars, 9),
                   LongText(kOfferTermsMaxChars, 9)};
    offer.manager = {LongText(kOfferManagerMaxChars, 9), LongText(kOfferManagerMaxChars, 9),
                     LongText(kOfferManagerMaxChars, 9), LongText(kOfferManagerMaxChars, 9)};
    offer.priceDate = "10.12.2026";
    for (std::size_t i = 0; i < positions; ++i) {
        // 100 diameters from 530 mm with walls of 8 to 17 mm: every line its own; 12 t each
        // keeps the total within what the offer can name in words.
        offer.positions.push_back({"n", static_cast<double>(530 + i / 10),
                                   static_cast<double>(8 + i % 10), "17Г1С-У 13Г1С-У",
                                   "ТУ 1381-012-05757848-2005", "81000", QuantityUnit::Tonnes, 12,
                                   11.3});
    }
    return offer;
}

void OfferPdfBench(benchmark::State& state, std::size_t positions, std::size_t word) {
    NeedGui();
    const Offer offer = LargestOffer(positions, word);
    const QTemporaryDir folder;
    const std::string path = folder.filePath("offer.pdf").toStdString();
    for (auto _ : state) {
        const OfferFigures figures = ComputeOffer(offer, offer.capacity);
        WriteReportPdf(path, OfferReport(offer, figures, ProgramSeller(), offer.started));
    }
}
BENCHMARK_CAPTURE(OfferPdfBench, largest, kOfferMaxPositions, 9)
    ->Name("OfferDocument/PDF, 1000 positions, every text at its limit")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OfferPdfBench, comment, 1, 0)
    ->Name("OfferDocument/PDF, a 2000-letter word as the comment")
    ->Unit(benchmark::kMillisecond);

void OfferWorkbookBench(benchmark::State& state) {
    NeedGui();
    const Offer offer = LargestOffer(kOfferMaxPositions, 9);
    const QTemporaryDir folder;
    const std::string path = folder.filePath("offer.xlsx").toStdString();
    for (auto _ : state) {
        const OfferFigures figures = ComputeOffer(offer, offer.capacity);
        WriteWorkbookFile(path, OfferWorkbook(offer, figures, ProgramSeller()));
    }
}
BENCHMARK(OfferWorkbookBench)
    ->Name("OfferDocument/workbook, 1000 positions, every text at its limit")
    ->Unit(benchmark::kMillisecond);

void OfferFileBench(benchmark::State& state) {
    const Offer offer = LargestOffer(kOfferMaxPositions, 9);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadOfferFile(OfferFileText(offer)).offer);
    }
}
BENCHMARK(OfferFileBench)
    ->Name("OfferDocument/offer file written and read, 1000 positions")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesmarik
