#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <vector>

#include "common/Error.h"
#include "common/Platform.h"
#include "files/QtFiles.h"
#include "tests/CaseName.h"

namespace tesmarik {
namespace {

using Lines = std::vector<std::string>;

struct Case {
    const char* name;
    std::string bytes;  // Windows-1251
    Lines lines;        // UTF-8
    bool clipped;
};

// At most 3 lines of at most 5 characters each.
const Case kCases[] = {
    {"empty file", "", {}, false},
    {"CR LF", "ab\r\ncd\r\n", {"ab", "cd"}, false},
    {"bare LF", "ab\ncd\n", {"ab", "cd"}, false},
    {"lone CR", "ab\rcd\r", {"ab", "cd"}, false},
    {"mixed ends", "ab\r\ncd\ref\n", {"ab", "cd", "ef"}, false},
    {"CR CR LF is an empty line", "ab\r\r\ncd", {"ab", "", "cd"}, false},
    {"no last line end", "ab\r\ncd", {"ab", "cd"}, false},
    {"a lone line end", "\r\n", {""}, false},
    {"empty lines count", "\n\nab", {"", "", "ab"}, false},
    {"line cut at 5 characters", "abcdefg\r\nxy", {"abcde", "xy"}, true},
    {"exactly 5 characters", "abcde", {"abcde"}, false},
    {"Cyrillic counts by characters", "\xE6\xE6\xE6\xE6\xE6\xE6\xE6", {"жжжжж"}, true},
    {"a fourth line with text", "a\nb\nc\nd", {"a", "b", "c"}, true},
    {"empty lines after the third", "a\nb\nc\n\r\n\n\r", {"a", "b", "c"}, false},
    {"text after empty extra lines", "a\nb\nc\n\n\nd", {"a", "b", "c"}, true},
    {"NUL bytes are characters", std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}, false},
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class SplitLinesClipped : public testing::TestWithParam<Case> {};

TEST_P(SplitLinesClipped, KeepsWhatFitsAndSaysWhetherThereWasMore) {
    const Case& c = GetParam();
    const ClippedLines got = QtFiles::SplitLinesClipped(c.bytes, 3, 5);
    EXPECT_EQ(got.lines, c.lines);
    EXPECT_EQ(got.clipped, c.clipped);
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitLinesClipped, testing::ValuesIn(kCases), CaseName());

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(ReadLinesClipped, FileReaderAgreesWithTheSplitter) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("1.csv").toStdString();
    for (const Case& c : kCases) {
        WriteFile(path, c.bytes);
        const ClippedLines fromFile = QtFiles::ReadLinesClipped(path, 3, 5);
        EXPECT_EQ(fromFile.lines, c.lines) << c.name;
        EXPECT_EQ(fromFile.clipped, c.clipped) << c.name;
    }
}

TEST(ReadLinesClipped, HugeFilesGiveNoMoreThanWasAskedFor) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("1.csv").toStdString();
    const std::size_t tenMiB = 10 * 1024 * 1024;
    const struct {
        const char* name;
        std::string bytes;
        std::size_t lines;
        bool clipped;
    } cases[] = {
        {"one line of separators", std::string(tenMiB, ';'), 1, true},
        {"line ends only", std::string(tenMiB, '\n'), 300, false},
        {"line ends and then text", std::string(tenMiB, '\n') + "n;530", 300, true},
        {"lines of 5,000 characters",
         [&] {
             std::string line(5000, 'x');
             std::string bytes;
             while (bytes.size() < tenMiB) {
                 bytes += line + "\r\n";
             }
             return bytes;
         }(),
         300, true},
    };
    for (const auto& c : cases) {
        WriteFile(path, c.bytes);
        const ClippedLines got = QtFiles::ReadLinesClipped(path, 300, 300);
        EXPECT_EQ(got.lines.size(), c.lines) << c.name;
        EXPECT_EQ(got.clipped, c.clipped) << c.name;
        for (const std::string& line : got.lines) {
            ASSERT_LE(line.size(), 300u) << c.name;
        }
    }
}

TEST(ReadLinesClipped, AMissingFileIsNotFound) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    try {
        QtFiles::ReadLinesClipped(folder.filePath("none.csv").toStdString(), 300, 300);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
}

}  // namespace
}  // namespace tesmarik
