// A file-size limit of the process (ulimit -f, a full disk without root) met by the
// program's own saves: the write fails and is reported, the program goes on.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>

#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <functional>

#include "common/Error.h"
#include "qt/platform/RealPlatform.h"

namespace tesmarik {
namespace {

// In a child process, with the signal's default handling as a program starts with and a
// limit of 100 bytes: the write must end in the program's error, not in SIGXFSZ.
void ExpectReportedError(const std::function<void(RealPlatform&, const std::string&)>& write) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("report.txt").toStdString();
    EXPECT_EXIT(
        {
            std::signal(SIGXFSZ, SIG_DFL);
            RealPlatform platform;
            rlimit small{};
            getrlimit(RLIMIT_FSIZE, &small);
            small.rlim_cur = 100;
            setrlimit(RLIMIT_FSIZE, &small);
            try {
                write(platform, path);
            } catch (const Error&) {
                std::_Exit(0);
            }
            std::_Exit(1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(FileSizeLimit, ASaveOrPdfBeyondTheLimitIsAnErrorNotTheEnd) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    ExpectReportedError([](RealPlatform& platform, const std::string& path) {
        platform.WriteLines(path, std::vector<std::string>(100, "a line of a long report"));
    });
    ExpectReportedError([](RealPlatform& platform, const std::string& path) {
        PrintedReport report;
        report.title = "Отчёт";
        report.lines = std::vector<std::string>(100, "a line of a long report");
        platform.WritePdf(path + ".pdf", report);
    });
}

}  // namespace
}  // namespace tesmarik
#endif
