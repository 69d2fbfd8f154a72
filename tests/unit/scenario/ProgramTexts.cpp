#include "tests/unit/scenario/ProgramTexts.h"

#include <functional>
#include <vector>

#include "price/PriceDownload.h"
#include "price/PriceFileReader.h"

namespace tesmarik {

namespace {

using Matcher = std::function<bool(const std::string&)>;

struct Text {
    Said how;
    const char* name;
    Matcher matches;
};

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

Matcher Exact(std::string wanted) {
    return [wanted = std::move(wanted)](const std::string& text) { return text == wanted; };
}

// `start`, then any text (line breaks too), then `end`.
Matcher Around(std::string start, std::string end) {
    return [start = std::move(start), end = std::move(end)](const std::string& text) {
        return text.size() >= start.size() + end.size() && StartsWith(text, start) &&
               EndsWith(text, end);
    };
}

// The texts the handlers hand to ShowMessage and AskAt (the price tab's download and age
// check, the price reader), and the error texts of common/Error.h and of the file part of
// the platform as the error box shows them, with the full stop it adds. Where a handler
// names its text as a constant the constant is used, so that the list follows the program.
const std::vector<Text>& Texts() {
    static const std::vector<Text> texts = {
        {Said::Message, "download done", Exact(kDownloadDoneMessage)},
        {Said::Message, "download failed", Exact(kDownloadFailedMessage)},
        {Said::Message, "price file clipped", Exact(kPriceClippedMessage)},
        {Said::Message, "no price list", Exact(kNoPriceListMessage)},
        {Said::Dialog, "no price file",
         Exact("Прайса в базе данных необнаружено,\rпроизвести новую загрузку нового прайса?")},
        {Said::Dialog, "price file old",
         Exact("Прайс  в базе данных устарел,\rпроизвести  обновлёние прайса?")},
        {Said::Error, "not a number", Around("'", "' is not a valid floating point value.")},
        {Said::Error, "division by zero", Exact("Floating point division by zero.")},
        {Said::Error, "invalid operation", Exact("Invalid floating point operation.")},
        {Said::Error, "overflow", Exact("Floating point overflow.")},
        // The file name, then the system's reason.
        {Said::Error, "cannot create file",
         [](const std::string& text) {
             const std::string start = "Cannot create file \"";
             return StartsWith(text, start) &&
                    text.find("\". ", start.size()) != std::string::npos && EndsWith(text, ".");
         }},
        {Said::Error, "input/output error",
         [](const std::string& text) {
             const std::string start = "I/O error ";
             if (!StartsWith(text, start) || text.size() < start.size() + 2 || text.back() != '.') {
                 return false;
             }
             for (std::size_t i = start.size(); i + 1 < text.size(); ++i) {
                 if (text[i] < '0' || text[i] > '9') {
                     return false;
                 }
             }
             return true;
         }},
        {Said::Error, "file not found", Exact("File not found.")},
        {Said::Error, "file access denied", Exact("File access denied.")},
    };
    return texts;
}

}  // namespace

std::string KnownText(Said how, const std::string& text) {
    for (const Text& t : Texts()) {
        if (t.how == how && t.matches(text)) {
            return t.name;
        }
    }
    return {};
}

}  // namespace tesmarik
