// The commands that script the platform: answers queued for the dialogs and downloads to
// come, the clock, and the price file on disk.
#include <filesystem>

#include "files/QtFiles.h"
#include "tools/scenario/Commands.h"

namespace tesmarik {

namespace {

void Answer(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 1, false);
    if (a[0] != "ok" && a[0] != "cancel") {
        throw ScriptError("answer takes ok or cancel");
    }
    s.platform.QueueAnswer(a[0] == "ok");
}

// The answer of a save or print dialog: a path to the end of the line, or cancel.
std::optional<std::string> PathOrCancel(const CommandArgs& args, const std::string& command) {
    const auto a = Split(args.text, 1, true);
    if (a[0].empty()) {
        throw ScriptError(command + " takes a path or cancel");
    }
    return a[0] == "cancel" ? std::nullopt : std::optional(Unescape(a[0]));
}

// What another program left on the clipboard: the rest of the line, with \n for a line
// break.
void Clipboard(ScriptContext& s, const CommandArgs& args) {
    s.platform.SetClipboard(Unescape(Split(args.text, 1, true)[0]));
}

void SaveAs(ScriptContext& s, const CommandArgs& args) {
    s.platform.QueueSaveAs(PathOrCancel(args, "saveas"));
}

void OpenFile(ScriptContext& s, const CommandArgs& args) {
    s.platform.QueueOpen(PathOrCancel(args, "openfile"));
}

// ask yes|no|cancel: the answer to the next question whether to save changes.
void Ask(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 1, false);
    if (a[0] == "yes") {
        s.platform.QueueSaveAnswer(SaveAnswer::Save);
    } else if (a[0] == "no") {
        s.platform.QueueSaveAnswer(SaveAnswer::Discard);
    } else if (a[0] == "cancel") {
        s.platform.QueueSaveAnswer(SaveAnswer::Cancel);
    } else {
        throw ScriptError("ask takes yes, no or cancel");
    }
}

void Print(ScriptContext& s, const CommandArgs& args) {
    s.platform.QueuePrint(PathOrCancel(args, "print"));
}

void Download(ScriptContext& s, const CommandArgs& args) {
    if (args.text == "fail") {
        s.platform.QueueDownload(std::nullopt);
        return;
    }
    const auto a = Split(args.text, 2, false);
    if (a[0] != "ok") {
        throw ScriptError("download takes ok FILE or fail");
    }
    if (!std::filesystem::is_regular_file(a[1])) {
        throw ScriptError("no file '" + a[1] + "'");
    }
    s.platform.QueueDownload(Utf8Text(std::filesystem::absolute(Utf8Path(a[1]))));
}

void Now(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 2, false);
    s.platform.SetNow(ParseDateTime(a[0], a[1]));
}

// pricefile FILE DATE TIME: a copy of FILE with that last-write time.
void PlacePriceFile(ScriptContext& s, const std::string& args) {
    const std::string path = s.platform.PriceFilePath();
    const auto a = Split(args, 3, false);
    const DateTime t = ParseDateTime(a[1], a[2]);
    if (!CopyOver(a[0], path) || !QtFiles::SetLastWrite(path, t)) {
        throw ScriptError("cannot place '" + a[0] + "' as the price file");
    }
    s.platform.SetPriceFileLocked(false);
}

void PriceFile(ScriptContext& s, const CommandArgs& args) {
    const std::string path = s.platform.PriceFilePath();
    if (args.text == "none") {
        std::filesystem::remove(path);
        s.platform.SetPriceFileLocked(false);
    } else if (args.text == "locked") {
        if (!std::filesystem::exists(path)) {
            QtFiles::WriteBytes(path, "");
        }
        s.platform.SetPriceFileLocked(true);
    } else {
        PlacePriceFile(s, args.text);
    }
}

// memory FOLDER|none: the data folder the database lives under (FOLDER/tesmarik/tesmarik.db),
// or no database at all.
void Memory(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 1, true);
    if (a[0].empty()) {
        throw ScriptError("memory takes a folder or none");
    }
    s.platform.SetDataFolder(a[0] == "none" ? std::string()
                                            : Utf8Text(std::filesystem::absolute(Utf8Path(a[0]))));
}

constexpr CommandRow kCommands[] = {
    {"answer", Answer},        // answer ok|cancel
    {"clipboard", Clipboard},  // clipboard TEXT
    {"saveas", SaveAs},        // saveas PATH|cancel
    {"openfile", OpenFile},    // openfile PATH|cancel
    {"ask", Ask},              // ask yes|no|cancel
    {"print", Print},          // print PATH|cancel
    {"download", Download},    // download ok FILE|fail
    {"now", Now},              // now YYYY-MM-DD HH:MM:SS
    {"pricefile", PriceFile},  // pricefile FILE YYYY-MM-DD HH:MM:SS|none|locked
    {"memory", Memory},        // memory FOLDER|none
};

}  // namespace

std::span<const CommandRow> PlatformCommands() {
    return kCommands;
}

}  // namespace tesmarik
