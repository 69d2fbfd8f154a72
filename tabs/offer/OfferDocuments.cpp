#include "tabs/offer/OfferDocuments.h"

#include "common/Error.h"
#include "common/SellerIdentity.h"
#include "common/UserSettings.h"
#include "offer/OfferDocument.h"
#include "offer/OfferFile.h"
#include "offer/OfferTerms.h"
#include "tabs/offer/OfferWindow.h"

namespace tesmarik {

namespace {

const SaveDialogRequest kOfferFiles{"Предложения Тесмарика|*.offer", "offer", {}};

// The save dialog for one of the offer's documents, proposing the offer's file name.
SaveDialogRequest SaveRequest(const char* filter, const char* extension, const Offer& offer) {
    return {filter, extension, OfferFileName(offer)};
}

// The figures of an offer that has positions, all of them usable; throws the message that
// says what to correct otherwise, so that no document quotes a figure the window does not
// show.
OfferFigures FiguresToSend(const OfferState& s, const std::string& capacity) {
    if (!s.started || s.offer.positions.empty()) {
        throw Error("В предложении нет позиций");
    }
    OfferFigures figures = ComputeOffer(s.offer, capacity);
    if (const OfferCheck check = CheckOffer(s, figures); !check.problem.empty()) {
        throw Error(check.problem);
    }
    return figures;
}

}  // namespace

void CopyOffer(const OfferState& s, const std::string& capacity, Platform& platform) {
    platform.CopyText(OfferClipboardText(s.offer, FiguresToSend(s, capacity)));
}

bool PrintOffer(const OfferState& s, const std::string& capacity, Platform& platform) {
    const OfferFigures figures = FiguresToSend(s, capacity);
    return platform.Print(OfferReport(s.offer, figures, ProgramSeller(), platform.Now()));
}

bool SaveOfferPdf(const OfferState& s, const std::string& capacity, Platform& platform) {
    const OfferFigures figures = FiguresToSend(s, capacity);
    if (const auto path = platform.SaveDialog(SaveRequest("PDF|*.pdf", "pdf", s.offer))) {
        platform.WritePdf(*path, OfferReport(s.offer, figures, ProgramSeller(), platform.Now()));
        return true;
    }
    return false;
}

bool SaveOfferExcel(const OfferState& s, const std::string& capacity, Platform& platform) {
    const OfferFigures figures = FiguresToSend(s, capacity);
    if (const auto path = platform.SaveDialog(SaveRequest("Книга Excel|*.xlsx", "xlsx", s.offer))) {
        platform.WriteWorkbook(*path, OfferWorkbook(s.offer, figures, ProgramSeller()));
        return true;
    }
    return false;
}

bool SaveOffer(OfferState& s, Platform& platform) {
    const auto path =
        platform.SaveDialog(SaveRequest(kOfferFiles.filter.c_str(), "offer", s.offer));
    if (!path) {
        return false;
    }
    platform.WriteTextFile(*path, OfferFileText(s.offer));
    s.path = *path;
    s.unsaved = false;
    return true;
}

void OpenOffer(OfferState& s, Platform& platform) {
    const auto path = platform.OpenDialog(kOfferFiles);
    if (!path) {
        return;
    }
    const std::string text = platform.ReadTextFile(*path, kOfferFileMaxBytes);
    OfferRead read = text.size() > kOfferFileMaxBytes
                         ? OfferRead{std::nullopt, "не является файлом предложения"}
                         : ReadOfferFile(text);
    if (!read.offer) {
        platform.ShowMessage("Файл \"" + *path + "\" " + read.problem +
                             ". Открытое предложение не изменилось.");
        return;
    }
    // Only an offer read whole and ready to take its place puts the open one at stake.
    if (!MayCloseOffer(s, platform)) {
        return;
    }
    s = OfferState{};
    s.offer = std::move(*read.offer);
    s.started = true;
    s.path = *path;
}

UserSettings ReadSettings(Platform& platform) {
    return ReadUserSettings(platform.ReadSettingsFile());
}

void RememberOfferSettings(const OfferState& s, Platform& platform) {
    UserSettings settings = ReadSettings(platform);
    const UserSettings before = settings;
    StoreOfferSettings(s.offer.manager, s.offer.terms, settings);
    if (settings == before) {
        return;
    }
    try {
        platform.WriteSettingsFile(UserSettingsText(settings));
    } catch (const std::exception&) {
        // Remembering is a convenience: a settings folder that cannot be written costs the
        // user the typing next time, not the offer now, and is not worth a box per key.
    }
}

bool MayCloseOffer(OfferState& s, Platform& platform) {
    if (!s.unsaved || !s.started) {
        return true;
    }
    const std::string offer =
        s.offer.number.empty() ? "Предложение" : "Предложение № " + s.offer.number;
    switch (platform.AskToSave(offer + " изменено. Сохранить изменения?")) {
        case SaveAnswer::Save:
            return SaveOffer(s, platform);
        case SaveAnswer::Discard:
            s = OfferState{};
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

}  // namespace tesmarik
