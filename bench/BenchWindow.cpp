#include "bench/BenchWindow.h"

#include <cstdio>
#include <cstdlib>

#include "app/UserActions.h"
#include "common/TempFolder.h"

namespace tesmarik {

namespace {

std::filesystem::path MakeFolder() {
    const auto made = MakeTempFolder("tesmarik-bench");
    if (!made) {
        std::fprintf(stderr, "tesmarik-bench: no temporary folder\n");
        std::exit(2);
    }
    return *made;
}

}  // namespace

BenchWindow::BenchWindow()
    : folder_(MakeFolder()),
      platform(quiet_, (folder_ / "1.csv").string(), "tesmarik.example"),
      window(platform),
      runner_(window, platform, quiet_) {
    window.Create();
    ActivateWindow(window);
}

BenchWindow::~BenchWindow() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void BenchWindow::Do(const std::string& line) {
    try {
        runner_.RunLine(line);
    } catch (const ScriptError& e) {
        std::fprintf(stderr, "tesmarik-bench: cannot run '%s': %s\n", line.c_str(), e.what());
        std::exit(2);
    }
}

}  // namespace tesmarik
