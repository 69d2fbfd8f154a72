// Arbitrary scripts for the scenario runner, each on a fresh window: a line the runner
// cannot run ends the script with ScriptError, as it should; nothing may crash, hang or
// let any other exception out, whatever the commands, names, numbers and texts.
//
// The runner writes where a script tells it to, so the target works in a folder of its own
// and runs only the lines that keep there: reports are saved under plain names in that
// folder, price files come from it or from the scenario tests' data (read only).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <system_error>

#include "app/UserActions.h"
#include "app/Window.h"
#include "common/Error.h"
#include "common/TempFolder.h"
#include "tools/scenario/ScenarioRunner.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace {

namespace fs = std::filesystem;

fs::path& Folder() {
    static fs::path folder;
    return folder;
}

void RemoveFolder() {
    std::error_code ignored;
    fs::remove_all(Folder(), ignored);
}

// Files the scripts may name, made once.
const char* const kSeedFiles[] = {"price.csv", "heading.csv", "data"};

void WriteSeedFiles() {
    std::ofstream("price.csv", std::ios::binary)
        << "\xD2\xE8\xEF;D;S;Steel;GOST;Price;Note;;;Order;Qty\r\n"
           "n;530;8-10;17G1S 09G2S;GOST 20295-85;985;straight;;;AEA5A3;25,5\r\n"
           "kt;100-200;все;20;ндан;1;x;;;;1\r\n"
           "v;219;6 7 8;различные;ц.т.;2;y;;;;0\r\n";
    std::ofstream("heading.csv", std::ios::binary) << "a;b;c\r\n";
    std::error_code ignored;
    fs::create_directory_symlink(TESMARIK_SCENARIO_DATA, "data", ignored);
}

// Removes what an earlier script left in the folder, so that each script starts alike.
void CleanFolder() {
    for (const auto& entry : fs::directory_iterator(Folder())) {
        const std::string name = entry.path().filename().string();
        bool seed = false;
        for (const char* s : kSeedFiles) {
            seed = seed || name == s;
        }
        if (!seed) {
            std::error_code ignored;
            fs::remove_all(entry.path(), ignored);
        }
    }
}

// A path the script may use: a plain name in the folder, or a file of the tests' data.
bool SafePath(const std::string& path, bool readOnly) {
    if (path.find("..") != std::string::npos || path.empty() || path[0] == '/') {
        return false;
    }
    if (path.find('/') == std::string::npos) {
        return true;
    }
    return readOnly && path.rfind("data/", 0) == 0;
}

// Whether a line stays within the folder and within a bounded time.
bool Allowed(const std::string& line) {
    const std::size_t blank = line.find(' ');
    const std::string command = line.substr(0, blank);
    const std::string args = blank == std::string::npos ? "" : line.substr(blank + 1);
    if (command == "saveas" || command == "print") {
        return args == "cancel" || SafePath(args, false);
    }
    if (command == "openfile") {
        return args == "cancel" || SafePath(args, true);
    }
    if (command == "download") {
        return args == "fail" || args.rfind("ok ", 0) != 0 || SafePath(args.substr(3), true);
    }
    if (command == "pricefile") {
        const std::size_t end = args.find(' ');
        return args == "none" || args == "locked" || end == std::string::npos ||
               SafePath(args.substr(0, end), true);
    }
    if (command == "tick") {
        // Each tick is one handler; a script may not ask for millions.
        return args.size() <= 3;
    }
    if (command == "repeat") {
        // At most 99 rounds, each of a line that is allowed by itself.
        const std::size_t end = args.find(' ');
        return end != std::string::npos && end <= 2 && Allowed(args.substr(end + 1));
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const auto made = tesmarik::MakeTempFolder("tesmarik-fuzz");
    if (!made) {
        std::abort();
    }
    Folder() = *made;
    fs::current_path(Folder());
    WriteSeedFiles();
    std::atexit(RemoveFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmarik;
    CleanFolder();
    std::ostream quiet(nullptr);
    ScriptedPlatform platform(quiet, (Folder() / "1.csv").string(), "tesmarik.example");
    Window window(platform);
    window.Create();
    ActivateWindow(window);
    ScenarioRunner runner(window, platform, quiet);

    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    while (std::getline(script, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!Allowed(line)) {
            continue;
        }
        try {
            runner.RunLine(line);
        } catch (const ScriptError&) {
            break;  // the runner ends the script here with exit status 2
        }
    }
    return 0;
}
