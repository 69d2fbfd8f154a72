#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "app/Window.h"
#include "tools/scenario/ScenarioRunner.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {

// A window as the program starts it, on the scenario runner's platform with its printing
// thrown away, so that the figures measure the handlers and not the output. Steps are
// given as scenario lines and so take the same road as the user's actions.
class BenchWindow {
public:
    BenchWindow();
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    // Runs one scenario line; a line that cannot be run ends the program with a message.
    void Do(const std::string& line);
    // Where the price file lives: a folder of the window's own, removed with it.
    const std::filesystem::path& Folder() const { return folder_; }
    std::string PriceFile() const { return (folder_ / "1.csv").string(); }

private:
    std::filesystem::path folder_;
    std::ostream quiet_{nullptr};

public:
    ScriptedPlatform platform;
    Window window;

private:
    ScenarioRunner runner_;
};

}  // namespace tesmarik
