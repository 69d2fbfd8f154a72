// The lengths report as it lands on disk: Windows-1251, every line ended by CR LF, the
// file replaced whole or not at all.
#include <gtest/gtest.h>
#include <stdlib.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/UserActions.h"
#include "app/Window.h"
#include "common/TempFolder.h"
#include "common/Text.h"
#include "tests/FileSizeLimit.h"
#include "tools/scenario/ScenarioRunner.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

namespace fs = std::filesystem;

// Windows-1251 of the Russian letters, worked out here rather than taken from the
// program's own converter.
std::string Cp1251(const std::string& utf8) {
    std::string out;
    for (const char32_t cp : CodePoints(utf8)) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp >= 0x410 && cp <= 0x44F) {
            out += static_cast<char>(0xC0 + (cp - 0x410));
        } else if (cp == 0x451) {
            out += static_cast<char>(0xB8);
        } else if (cp == 0x401) {
            out += static_cast<char>(0xA8);
        } else {
            ADD_FAILURE() << "no Windows-1251 letter for U+" << std::hex
                          << static_cast<unsigned>(cp);
        }
    }
    return out;
}

std::string FileWithLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += Cp1251(line) + "\r\n";
    }
    return bytes;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One window of the program driven by scenario lines, with a folder of its own.
class MassTabFiles : public ::testing::Test {
protected:
    MassTabFiles() {
        const auto made = MakeTempFolder("tesmarik-masstab");
        if (!made) {
            throw std::runtime_error("no temporary folder");
        }
        folder_ = *made;
        fs::create_directory(folder_ / "reports");
        window_.Create();
        ActivateWindow(window_);
    }
    ~MassTabFiles() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    void Run(const std::string& script) {
        std::istringstream lines(script);
        std::string line;
        while (std::getline(lines, line)) {
            runner_.RunLine(line);
        }
    }
    // The worked example of single pipes: 12, 11,5 and 9,75 m of universal 530 x 8.
    void RunWorkedExample() {
        Run("tab 0\npick ComboBox1 0\nchoose ComboBox2 530\nchoose ComboBox3 8\n"
            "pick RadioGroup2 2\ntypecell rtab 0 1 12\ntypecell rtab 0 2 11,5\n"
            "typecell rtab 0 3 9,75\nclick Button1\n");
    }
    fs::path Reports() const { return folder_ / "reports"; }
    std::vector<fs::path> ReportFiles() const {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(Reports())) {
            files.push_back(entry.path().filename());
        }
        return files;
    }

    fs::path folder_;
    std::ostringstream out_;
    ScriptedPlatform platform_{out_, (fs::temp_directory_path() / "tesmarik-unused.csv").string(),
                               "seller.example"};
    Window window_{platform_};
    ScenarioRunner runner_{window_, platform_, out_};
};

const std::vector<std::string> kWorkedExampleReport = {"Рассчёт массы труб",
                                                       "для 530x8",
                                                       "",
                                                       "Длина (м.) Масса (т.)",
                                                       "12 м.      1,248 т.",
                                                       "11,5 м.    1,196 т.",
                                                       "9,75 м.    1,014 т.",
                                                       "",
                                                       "Итого:",
                                                       "количество:  3 шт.",
                                                       "масса: 3,458 т.",
                                                       "длина: 33,25 м."};

TEST_F(MassTabFiles, TheWorkedExampleIsTwelveLinesOfWindows1251WithCrLf) {
    RunWorkedExample();
    Run("saveas " + (Reports() / "report").generic_string() + "\nclick Button11\n");
    const fs::path saved = Reports() / "report.txt";
    EXPECT_EQ(ReportFiles(), std::vector<fs::path>{"report.txt"});
    const std::string bytes = ReadBytes(saved);
    EXPECT_EQ(bytes, FileWithLines(kWorkedExampleReport));
    // The first line byte by byte: "Рассчёт" with its ё.
    EXPECT_EQ(bytes.substr(0, 7), "\xD0\xE0\xF1\xF1\xF7\xB8\xF2");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_NE(out_.str().find("save dialog -> " + saved.generic_string() + "\n"),
              std::string::npos);
}

TEST_F(MassTabFiles, SavingAgainReplacesTheFileAndClearingKeepsTheReport) {
    RunWorkedExample();
    const std::string path = (Reports() / "twice.txt").generic_string();
    Run("saveas " + path + "\nclick Button11\n");
    Run("typecell rtab 0 4 1\nclick Button1\nsaveas " + path + "\nclick Button11\n");
    std::vector<std::string> longer = kWorkedExampleReport;
    longer.insert(longer.begin() + 7, "1 м.       0,104 т.");
    longer[10] = "количество:  4 шт.";
    longer[11] = "масса: 3,562 т.";
    longer[12] = "длина: 34,25 м.";
    EXPECT_EQ(ReadBytes(path), FileWithLines(longer));

    // After clearing, the grid is empty but the last report is still saved.
    Run("click Button12\nsaveas " + path + "\nclick Button11\n");
    EXPECT_EQ(ReadBytes(path), FileWithLines(longer));
    EXPECT_EQ(ReportFiles(), std::vector<fs::path>{"twice.txt"});
}

TEST_F(MassTabFiles, CancellingWritesNothing) {
    RunWorkedExample();
    Run("saveas cancel\nclick Button11\nclick Button11\n");
    EXPECT_TRUE(ReportFiles().empty());
    EXPECT_EQ(out_.str(), "save dialog -> cancel\nsave dialog -> cancel\n");
}

// A file that cannot be written to the end (here: larger than the process may write)
// leaves the earlier file as it was and no half-written file beside it.
TEST_F(MassTabFiles, AFailedSaveLeavesTheExistingFileUntouched) {
#ifdef TESMARIK_NO_FILE_SIZE_LIMIT
    GTEST_SKIP() << "no file-size limit on this platform";
#else
    RunWorkedExample();
    const fs::path path = Reports() / "kept.txt";
    std::ofstream(path, std::ios::binary) << "old report\r\n";

    {
        const FileSizeLimit fullDisk(40);
        Run("saveas " + path.generic_string() + "\nclick Button11\n");
    }

    EXPECT_NE(out_.str().find("error: Cannot create file \"" + path.generic_string() + "\". "),
              std::string::npos)
        << out_.str();
    EXPECT_EQ(ReadBytes(path), "old report\r\n");
    EXPECT_EQ(ReportFiles(), std::vector<fs::path>{"kept.txt"});

    // The window is unchanged and the user may save again.
    Run("saveas " + path.generic_string() + "\nclick Button11\n");
    EXPECT_EQ(ReadBytes(path), FileWithLines(kWorkedExampleReport));
#endif
}

// Permissions that stop a user, and a user to stop, as POSIX has them.
#ifndef _WIN32

// Runs the step in a child process as a user whom permissions stop (nobody, when the tests
// run as the superuser, who may write anywhere); the step's exit status, or -1.
int AsOrdinaryUser(const std::function<bool()>& step) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(2);
        }
        _exit(step() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// A folder the user may not write to, holding a file the user may write: the report is
// written into that file in place. Without such a file the error is the one of any failed
// save.
TEST_F(MassTabFiles, AWritableFileInAReadOnlyFolderIsWrittenInPlace) {
    RunWorkedExample();
    const fs::path path = Reports() / "shared.txt";
    const fs::path missing = Reports() / "new.txt";
    // Longer than the new report: nothing of it may stay behind the new one.
    std::ofstream(path, std::ios::binary) << std::string(1000, 'x') << "\r\n";
    using fs::perms;
    fs::permissions(folder_, perms::owner_all | perms::group_read | perms::group_exec |
                                 perms::others_read | perms::others_exec);
    fs::permissions(path, perms::owner_read | perms::owner_write | perms::group_read |
                              perms::group_write | perms::others_read | perms::others_write);
    fs::permissions(Reports(), perms::owner_read | perms::owner_exec | perms::group_read |
                                   perms::group_exec | perms::others_read | perms::others_exec);

    const int status = AsOrdinaryUser([&] {
        out_.str("");
        Run("saveas " + path.generic_string() + "\nclick Button11\n");
        const bool saved = out_.str().find("error:") == std::string::npos;
        out_.str("");
        Run("saveas " + missing.generic_string() + "\nclick Button11\n");
        const bool refused =
            out_.str().find("error: Cannot create file \"" + missing.generic_string() +
                            "\". Permission denied") != std::string::npos;
        if (!saved || !refused) {
            std::cerr << out_.str();
        }
        return saved && refused;
    });
    fs::permissions(Reports(), perms::owner_all);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(path), FileWithLines(kWorkedExampleReport));
    EXPECT_EQ(ReportFiles(), std::vector<fs::path>{"shared.txt"});
}
#endif

}  // namespace
}  // namespace tesmarik
