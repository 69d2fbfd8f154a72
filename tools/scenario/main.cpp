// tesmarik-scenario: runs the window's logic headless from a script on standard input.
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>

#include "app/UserActions.h"
#include "app/Window.h"
#include "common/SellerIdentity.h"
#include "common/TempFolder.h"
#include "tools/scenario/ScenarioRunner.h"
#include "tools/scenario/ScriptedPlatform.h"
#include "workbook/WorkbookFile.h"

int main() {
    namespace fs = std::filesystem;
#ifdef _WIN32
    // Scripts and their expected output have plain line feeds on every platform.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::error_code error;
    const std::optional<fs::path> made = tesmarik::MakeTempFolder("tesmarik-scenario");
    if (!made) {
        std::cerr << "cannot make a temporary folder for the price file\n";
        return 2;
    }
    const fs::path folder = *made;
    const char* seller = std::getenv(tesmarik::kSellerHostVariable);
    int status = 2;
    // Painting the pages of a printed report needs a QGuiApplication; most scripts never
    // print, so it is made (on Linux on the offscreen platform) only when a script does.
    int guiArgc = 1;
    char guiName[] = "tesmarik-scenario";
    char* guiArgv[] = {guiName, nullptr};
    std::optional<QGuiApplication> gui;
    {
        tesmarik::ScriptedPlatform platform(
            std::cout, tesmarik::Utf8Text(folder / "1.csv"),
            seller != nullptr && *seller != '\0' ? seller : tesmarik::kDefaultSellerHost);
        // The user's settings start empty in each run and go with its folder.
        platform.SetSettingsFolder(tesmarik::Utf8Text(folder));
        // So does the database, unless the script names a folder of its own.
        platform.SetDataFolder(tesmarik::Utf8Text(folder));
        platform.SetBeforePainting([&] {
            if (!gui) {
#ifndef _WIN32
                // Windows has no display to wait for, and there only its own platform
                // knows the system's fonts that the pages are written in.
                qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
                gui.emplace(guiArgc, guiArgv);
                // The application set the C library's locale from the environment; the
                // workbook's numbers need the C locale, as in the program.
                tesmarik::KeepNumbersInCLocale();
            }
        });
        tesmarik::Window window(platform);
        window.Create();
        tesmarik::ActivateWindow(window);
        tesmarik::ScenarioRunner runner(window, platform, std::cout);
        status = runner.Run(std::cin, std::cerr);
    }
    std::cout.flush();
    fs::remove_all(folder, error);
    return status;
}
