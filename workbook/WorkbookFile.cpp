#include "workbook/WorkbookFile.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <map>
#include <tuple>

#include "common/Error.h"
#include "files/QtFiles.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace tesmarik {

namespace {

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

    bool Fill(const Workbook& book) {
        if (workbook_ == nullptr) {
            return false;
        }
        lxw_doc_properties properties{};
        properties.title = const_cast<char*>(book.title.c_str());
        workbook_set_properties(workbook_, &properties);
        lxw_worksheet* sheet = workbook_add_worksheet(workbook_, book.sheetName.c_str());
        if (sheet == nullptr) {
            return false;
        }
        SetUpPage(sheet, book);
        for (std::size_t c = 0; c < book.columnWidths.size(); ++c) {
            const auto col = static_cast<lxw_col_t>(c);
            worksheet_set_column(sheet, col, col, book.columnWidths[c], nullptr);
        }
        for (std::size_t r = 0; r < book.rows.size(); ++r) {
            const auto& row = book.rows[r];
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (Write(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c), row[c]) !=
                    LXW_NO_ERROR) {
                    return false;
                }
            }
        }
        return true;
    }

    // Writes the file; false when it could not.
    bool Close() {
        const lxw_error error = workbook_close(workbook_);
        workbook_ = nullptr;
        return error == LXW_NO_ERROR;
    }

private:
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

}  // namespace

void WriteWorkbookFile(const std::string& path, const Workbook& workbook) {
    const QTemporaryDir folder;
    const char* const name = "workbook.xlsx";
    const QString made = folder.filePath(name);
    bool ok = folder.isValid();
    if (ok) {
        WorkbookMaker maker(PathForLibrary(folder.path()), name);
        ok = maker.Fill(workbook) && maker.Close();
    }
    QFile file(made);
    if (!ok || !file.open(QIODevice::ReadOnly)) {
        throw Error("Cannot create file \"" + path + "\". " + "the workbook could not be made");
    }
    const QByteArray bytes = file.readAll();
    QtFiles::WriteFile(path, [&bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); });
}

}  // namespace tesmarik
