#include "workbook/WorkbookFile.h"

#include <xlsxwriter.h>
#include <zlib.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <tuple>

#include "common/Error.h"
#include "files/FileReasons.h"
#include "files/QtFiles.h"
#include "files/QtText.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace tesmarik {

namespace {

// The workbook's sheets in their order: the first, then the ones that follow it.
std::vector<const Workbook*> SheetsOf(const Workbook& book) {
    std::vector<const Workbook*> sheets{&book};
    for (const Workbook& more : book.moreSheets) {
        sheets.push_back(&more);
    }
    return sheets;
}

// The most characters a cell of a spreadsheet holds.
constexpr std::size_t kCellMaxCharacters = 32767;

// The folder's path as libxlsxwriter opens files in it. On Windows its zip writer opens
// the workbook through the ANSI code page, which cannot spell every user's name in the
// temporary folder's path; the short (8.3) form of the path is plain ASCII.
std::string PathForLibrary(const QString& folder) {
    const QString native = QDir::toNativeSeparators(folder);
#ifdef _WIN32
    const std::wstring wide = native.toStdWString();
    const DWORD size = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (size > 0) {
        std::wstring shortened(size, L'\0');
        const DWORD written = GetShortPathNameW(wide.c_str(), shortened.data(), size);
        if (written > 0 && written < size) {
            shortened.resize(written);
            return QString::fromStdWString(shortened).toStdString();
        }
    }
#endif
    return native.toStdString();
}

// libxlsxwriter writes only to a named file: the workbook is made in a folder of its own
// and its bytes then saved as the other files are.
class WorkbookMaker {
public:
    // Makes the workbook as `name` in `folder`, where the library keeps its own temporary
    // files too.
    WorkbookMaker(const std::string& folder, const std::string& name) {
        std::string tmpdir = folder;
        const std::string path = folder + static_cast<char>(QDir::separator().toLatin1()) + name;
        lxw_workbook_options options{};
        options.constant_memory = LXW_FALSE;
        options.tmpdir = tmpdir.data();  // copied by the library
        workbook_ = workbook_new_opt(path.c_str(), &options);
    }
    WorkbookMaker(const WorkbookMaker&) = delete;
    WorkbookMaker& operator=(const WorkbookMaker&) = delete;
    ~WorkbookMaker() {
        if (workbook_ != nullptr) {
            workbook_close(workbook_);
        }
    }

    // Puts the cells into the workbook; the library's error when it could not.
    lxw_error Fill(const Workbook& book) {
        if (workbook_ == nullptr) {
            return LXW_ERROR_MEMORY_MALLOC_FAILED;
        }
        lxw_doc_properties properties{};
        properties.title = const_cast<char*>(book.title.c_str());
        workbook_set_properties(workbook_, &properties);
        for (const Workbook* sheet : SheetsOf(book)) {
            if (const lxw_error error = FillSheet(*sheet); error != LXW_NO_ERROR) {
                return error;
            }
        }
        return LXW_NO_ERROR;
    }

    // Writes the file; the library's error when it could not.
    lxw_error Close() {
        const lxw_error error = workbook_close(workbook_);
        workbook_ = nullptr;
        return error;
    }

private:
    lxw_error FillSheet(const Workbook& book) {
        lxw_worksheet* sheet = workbook_add_worksheet(workbook_, book.sheetName.c_str());
        if (sheet == nullptr) {
            return LXW_ERROR_MEMORY_MALLOC_FAILED;
        }
        SetUpPage(sheet, book);
        for (std::size_t c = 0; c < book.columnWidths.size(); ++c) {
            const auto col = static_cast<lxw_col_t>(c);
            worksheet_set_column(sheet, col, col, book.columnWidths[c], nullptr);
        }
        for (std::size_t r = 0; r < book.rows.size(); ++r) {
            const auto& row = book.rows[r];
            for (std::size_t c = 0; c < row.size(); ++c) {
                const lxw_error error =
                    Write(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c), row[c]);
                if (error != LXW_NO_ERROR) {
                    return error;
                }
            }
        }
        return LXW_NO_ERROR;
    }

    static void SetUpPage(lxw_worksheet* sheet, const Workbook& book) {
        constexpr std::uint8_t kA4 = 9;
        worksheet_set_paper(sheet, kA4);
        if (book.landscape) {
            worksheet_set_landscape(sheet);
        }
        worksheet_fit_to_pages(sheet, 1, 0);
        if (book.headingRow >= 0) {
            const auto row = static_cast<lxw_row_t>(book.headingRow);
            worksheet_repeat_rows(sheet, row, row);
        }
    }

    lxw_format* FormatOf(const WorkbookCell& cell) {
        const auto key = std::tuple(cell.format, cell.bold, cell.wrap, cell.border);
        if (const auto it = formats_.find(key); it != formats_.end()) {
            return it->second;
        }
        lxw_format* format = workbook_add_format(workbook_);
        if (!cell.format.empty()) {
            format_set_num_format(format, cell.format.c_str());
        }
        if (cell.bold) {
            format_set_bold(format);
        }
        if (cell.wrap) {
            format_set_text_wrap(format);
            format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
        }
        if (cell.border) {
            format_set_border(format, LXW_BORDER_THIN);
        }
        formats_[key] = format;
        return format;
    }

    lxw_error Write(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const WorkbookCell& cell) {
        switch (cell.kind) {
            case WorkbookCell::Kind::Empty:
                return LXW_NO_ERROR;
            case WorkbookCell::Kind::Text:
                return worksheet_write_string(sheet, row, col, cell.text.c_str(), FormatOf(cell));
            case WorkbookCell::Kind::Number:
                return worksheet_write_number(sheet, row, col, cell.number, FormatOf(cell));
            case WorkbookCell::Kind::Formula:
                // The value goes with the formula, for readers that do not compute.
                return worksheet_write_formula_num(sheet, row, col, cell.text.c_str(),
                                                   FormatOf(cell), cell.number);
            case WorkbookCell::Kind::TextFormula:
                return worksheet_write_formula_str(sheet, row, col, cell.text.c_str(),
                                                   FormatOf(cell), cell.result.c_str());
        }
        return LXW_NO_ERROR;
    }

    lxw_workbook* workbook_ = nullptr;
    std::map<std::tuple<std::string, bool, bool, bool>, lxw_format*> formats_;
};

// The letters of a column, as a spreadsheet names it: A … Z, AA, …
std::string ColumnLetters(std::size_t column) {
    std::string letters;
    for (std::size_t n = column + 1; n > 0; n = (n - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    }
    return letters;
}

std::size_t Characters(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// A text longer than a cell of a spreadsheet holds, in words: which cell, how it begins,
// its length and the limit; none when every text fits.
std::optional<std::string> TooLongText(const Workbook& book) {
    for (const Workbook* sheet : SheetsOf(book)) {
        const Workbook& workbook = *sheet;
        for (std::size_t r = 0; r < workbook.rows.size(); ++r) {
            const auto& row = workbook.rows[r];
            for (std::size_t c = 0; c < row.size(); ++c) {
                const WorkbookCell& cell = row[c];
                if (cell.kind != WorkbookCell::Kind::Text) {
                    continue;
                }
                const std::size_t length = Characters(cell.text);
                if (length <= kCellMaxCharacters) {
                    continue;
                }
                const QString start = Q(cell.text).left(24).simplified();
                return "текст ячейки " + ColumnLetters(c) + std::to_string(r + 1) + " (\"" +
                       start.toStdString() + "…\") длиной " + std::to_string(length) +
                       " знаков, а ячейка Excel вмещает не более 32 767";
            }
        }
    }
    return std::nullopt;
}

// Little-endian fields of the zip format.
std::uint32_t Field(const QByteArray& bytes, qsizetype at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// Whether an XML part ends with the end of the element it opens.
bool ClosesItsRoot(const std::string& xml) {
    std::size_t open = xml.find('<');
    while (open != std::string::npos && xml.compare(open, 2, "<?") == 0) {
        open = xml.find('<', open + 1);
    }
    const std::size_t last = xml.find_last_not_of(" \t\r\n");
    if (open == std::string::npos || last == std::string::npos) {
        return false;
    }
    const std::size_t tagEnd = xml.find('>', open);
    if (tagEnd == last && xml[tagEnd - 1] == '/') {
        return true;  // <root/>
    }
    const std::size_t nameEnd = xml.find_first_of(" \t\r\n/>", open + 1);
    const std::string end = "</" + xml.substr(open + 1, nameEnd - open - 1) + ">";
    return last + 1 >= end.size() && xml.compare(last + 1 - end.size(), end.size(), end) == 0;
}

// Whether every part of the workbook the library made is whole. The library does not
// check the writes of its own temporary files, whose parts it then packs: on a full disk
// it makes a workbook of cut-off parts and reports success. Each part is unpacked; its
// checksum must agree and an XML part must end with the end of its root element.
bool PartsAreWhole(const QByteArray& zip) {
    constexpr qsizetype kEndSize = 22;
    if (zip.size() < kEndSize || Field(zip, zip.size() - kEndSize, 4) != 0x06054b50) {
        return false;
    }
    const qsizetype end = zip.size() - kEndSize;
    const std::uint32_t entries = Field(zip, end + 10, 2);
    qsizetype at = Field(zip, end + 16, 4);
    for (std::uint32_t e = 0; e < entries; ++e) {
        if (at + 46 > end || Field(zip, at, 4) != 0x02014b50) {
            return false;
        }
        const std::uint32_t method = Field(zip, at + 10, 2);
        const std::uint32_t crc = Field(zip, at + 16, 4);
        const std::uint32_t packed = Field(zip, at + 20, 4);
        const std::uint32_t size = Field(zip, at + 24, 4);
        const qsizetype nameSize = Field(zip, at + 28, 2);
        const std::string name = zip.mid(at + 46, nameSize).toStdString();
        const qsizetype local = Field(zip, at + 42, 4);
        at += 46 + nameSize + Field(zip, at + 30, 2) + Field(zip, at + 32, 2);
        if (local + 30 > end || Field(zip, local, 4) != 0x04034b50) {
            return false;
        }
        const qsizetype data = local + 30 + Field(zip, local + 26, 2) + Field(zip, local + 28, 2);
        if (data + static_cast<qsizetype>(packed) > end || (method != 0 && method != 8)) {
            return false;
        }
        std::string part(size, '\0');
        if (method == 0) {
            if (packed != size) {
                return false;
            }
            part.assign(zip.constData() + data, size);
        } else {
            z_stream stream{};
            if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
                return false;
            }
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.constData() + data));
            stream.avail_in = packed;
            stream.next_out = reinterpret_cast<Bytef*>(part.data());
            stream.avail_out = size;
            const int status = inflate(&stream, Z_FINISH);
            const bool whole = status == Z_STREAM_END && stream.total_out == size;
            inflateEnd(&stream);
            if (!whole) {
                return false;
            }
        }
        if (crc32(0, reinterpret_cast<const Bytef*>(part.data()), size) != crc) {
            return false;
        }
        const bool xml = name.ends_with(".xml") || name.ends_with(".rels");
        if (xml && !ClosesItsRoot(part)) {
            return false;
        }
    }
    return true;
}

// Why a step of the library or of the temporary folder failed, from what the system said.
std::string SystemReason(int errorNumber, const std::string& otherwise) {
    return errorNumber != 0 ? ReasonInWords(errorNumber) : otherwise;
}

}  // namespace

void KeepNumbersInCLocale() {
    std::setlocale(LC_NUMERIC, "C");
}

void WriteWorkbookFile(const std::string& path, const Workbook& workbook) {
    const std::string refused = "Книга \"" + path + "\" не сохранена: ";
    if (const auto tooLong = TooLongText(workbook)) {
        throw Error(refused + *tooLong);
    }
    // A comma here would make every number of the file unreadable (see KeepNumbersInCLocale).
    if (std::strcmp(std::localeconv()->decimal_point, ".") != 0) {
        throw Error(refused + "числа записались бы с запятой (LC_NUMERIC не \"C\")");
    }
    const auto inTemporaryFolder = [&refused](const QString& folder, const std::string& reason) {
        return Error(refused + "во временной папке \"" +
                     QDir::toNativeSeparators(folder).toStdString() +
                     "\" её не удалось составить (" + reason + ")");
    };
    errno = 0;
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        throw inTemporaryFolder(QDir::tempPath(),
                                SystemReason(errno, folder.errorString().toStdString()));
    }
    const char* const name = "workbook.xlsx";
    {
        WorkbookMaker maker(PathForLibrary(folder.path()), name);
        errno = 0;
        lxw_error error = maker.Fill(workbook);
        if (error == LXW_NO_ERROR) {
            error = maker.Close();
        }
        if (error != LXW_NO_ERROR) {
            throw inTemporaryFolder(folder.path(), SystemReason(errno, lxw_strerror(error)));
        }
    }
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        throw inTemporaryFolder(folder.path(), file.errorString().toStdString());
    }
    const QByteArray bytes = file.readAll();
    if (!PartsAreWhole(bytes)) {
        // Cut short where the library wrote its parts: a temporary folder without room, as
        // the system does not say.
        throw inTemporaryFolder(folder.path(), "на диске нет места");
    }
    QtFiles::WriteFile(path, [&bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); });
}

}  // namespace tesmarik
