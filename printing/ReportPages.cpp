#include "printing/ReportPages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <vector>

#include "files/QtFiles.h"
#include "resources/Pictures.h"

namespace tesmarik {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The fonts of the page. The report keeps the fixed-pitch face the window shows it in,
// so that its padded columns stay in line.
QFont PageFont(const char* family, double points, bool bold,
               QFont::StyleHint hint = QFont::SansSerif) {
    QFont font(family);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The picture is drawn into an image at this many times the size the window shows it,
// which prints as sharp as the rest of the page.
constexpr int kPictureScale = 4;

QImage PictureImage(const PrintedReport& report) {
    const int width = std::max(report.pictureWidth, 1);
    const int height = std::max(report.pictureHeight, 1);
    QImage image(width * kPictureScale, height * kPictureScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kPictureScale, kPictureScale);
    if (!PaintPicture(painter, QRect(0, 0, width, height), report.picture)) {
        return {};
    }
    return image;
}

// One piece of the page's flow, placed on a page before anything is painted, so that
// every page can say how many there are.
struct Block {
    enum class Kind { Title, Line, Caption, Picture, Row, Letterhead, Rule } kind;
    QString text{};
    double height = 0;
    double gapAfter = 0;  // blank space below, dropped at the foot of a page
    bool keepWithNext = false;
    int page = 0;
    double top = 0;
    std::vector<QString> cells{};  // of a table's row
    bool heading = false;          // the table's heading row
    std::vector<int> spans{};      // columns each cell covers
    bool bold = false;             // a line of the table's foot in bold
    bool joinedRight = false;      // a cell over several columns lines up on the right
    bool firstOfLetterhead = false;
};

class ReportPainter {
public:
    ReportPainter(QPagedPaintDevice& device, const PrintedReport& report)
        : device_(device),
          report_(report),
          dpi_(device.logicalDpiY()),
          headingFont_(PageFont("Arial", 12, true)),
          stampFont_(PageFont("Arial", 10, false)),
          titleFont_(PageFont("Arial", 15, true)),
          textFont_(PageFont("Courier New", 10, false, QFont::TypeWriter)),
          captionFont_(PageFont("Arial", 10, true)),
          cellFont_(PageFont("Arial", 9, false)),
          headingCellFont_(PageFont("Arial", 9, true)),
          footFont_(PageFont("Arial", 8, false)),
          senderFont_(PageFont("Arial", 13, true)),
          letterheadFont_(PageFont("Arial", 8.5, false)) {
        if (report_.proportionalLines) {
            textFont_ = PageFont("Arial", 10, false);
        }
    }

    bool Paint() {
        width_ = device_.width();
        const double footHeight = Metrics(footFont_).height() + Mm(3);
        // A letter's pages carry no heading.
        bodyTop_ = Letter() ? 0 : Metrics(headingFont_).height() + Mm(4);
        bodyBottom_ = device_.height() - footHeight;
        picture_ = report_.picture.empty() ? QImage() : PictureImage(report_);
        edges_ = ColumnEdges();
        Lay(Flow());

        QPainter painter;
        if (!painter.begin(&device_)) {
            return false;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int page = 0; page < pages_; ++page) {
            if (page > 0 && !device_.newPage()) {
                return false;
            }
            PaintFrame(painter, page);
            for (const Block& block : blocks_) {
                if (block.page == page) {
                    PaintBlock(painter, block);
                }
            }
        }
        return painter.end();
    }

private:
    bool Letter() const { return !report_.letterhead.empty(); }
    double Mm(double mm) const { return mm * dpi_ / 25.4; }
    QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }

    const QFont& FontOf(Block::Kind kind) const {
        switch (kind) {
            case Block::Kind::Title:
                return titleFont_;
            case Block::Kind::Caption:
                return captionFont_;
            case Block::Kind::Letterhead:
                return letterheadFont_;
            default:
                return textFont_;
        }
    }

    // The text broken into lines of the page's width: at blanks, and within a word only
    // when the word alone is wider than the page.
    void LayOut(QTextLayout& layout, const QString& text, double width = -1,
                Qt::Alignment align = Qt::AlignLeft) const {
        layout.setText(text);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setAlignment(align);
        layout.setTextOption(option);
        layout.beginLayout();
        double y = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width < 0 ? width_ : width);
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout.endLayout();
    }

    double TextHeight(const QFont& font, const QString& text, double width = -1) const {
        if (text.isEmpty()) {
            return Metrics(font).height();
        }
        QTextLayout layout(QString(), font, &device_);
        LayOut(layout, text, width);
        return layout.boundingRect().height();
    }

    // The widest word of a text in the font.
    double WidestWord(const QFont& font, const QString& text) const {
        double widest = 0;
        for (const QString& word : text.split(QChar(' '), Qt::SkipEmptyParts)) {
            widest = std::max(widest, Metrics(font).horizontalAdvance(word));
        }
        return widest;
    }

    // A heading broken into lines at its blanks alone, as many words on a line as fit: the
    // text layout would break "руб./т" after its slash.
    QString BreakAtBlanks(const QFont& font, const QString& text, double width) const {
        QString out;
        QString line;
        for (const QString& word : text.split(QChar(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + ' ' + word;
            if (!line.isEmpty() && Metrics(font).horizontalAdvance(longer) > width) {
                out += (out.isEmpty() ? "" : QString(QChar::LineSeparator)) + line;
                line = word;
            } else {
                line = longer;
            }
        }
        return out.isEmpty() ? line : out + QChar::LineSeparator + line;
    }

    // The left edge of each column of the table and, last, the right edge of the table.
    // A column without a share is as wide as its widest cell on one line and its
    // heading's widest word; the columns with a share divide the rest of the page. When
    // that is less than 30 % of it, the columns of several words ("нет норм погрузки")
    // wrap them, down to their widest word; only when the shared columns would still keep
    // less than 15 % (or their widest word) does every column give up room in proportion.
    std::vector<double> ColumnEdges() const {
        const PrintedTable& table = report_.table;
        const std::size_t count = table.heading.size();
        const auto share = [&table](std::size_t c) {
            return c < table.widths.size() ? table.widths[c] : 0.0;
        };
        const double padding = 2 * CellPadding() + Mm(0.5);
        std::vector<double> natural(count, 0);
        std::vector<double> least(count, 0);
        // A figure ("8 164 785,00") is not broken at its blanks; a text is.
        const auto take = [&](std::size_t c, const QFont& font, const QString& text) {
            const double whole = Metrics(font).horizontalAdvance(text);
            const bool words =
                std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.isLetter(); });
            natural[c] = std::max(natural[c], whole);
            least[c] = std::max(least[c], words ? WidestWord(font, text) : whole);
        };
        for (std::size_t c = 0; c < count; ++c) {
            const double heading = WidestWord(headingCellFont_, Q(table.heading[c]));
            natural[c] = heading;
            least[c] = heading;
            for (const auto& row : table.rows) {
                if (c < row.size()) {
                    take(c, cellFont_, Q(row[c]));
                }
            }
            for (const PrintedTableLine& line : table.foot) {
                // A foot cell of one column counts, in bold when bold.
                std::size_t column = 0;
                for (std::size_t k = 0; k < line.cells.size(); ++k) {
                    const int span = k < line.spans.size() ? line.spans[k] : 1;
                    if (column == c && span == 1) {
                        take(c, line.bold ? headingCellFont_ : cellFont_, Q(line.cells[k]));
                    }
                    column += static_cast<std::size_t>(std::max(span, 1));
                }
            }
        }
        double shares = 0;
        double fixed = 0;
        double wrappable = 0;
        double kept = 0;  // what the columns with a share keep at least
        for (std::size_t c = 0; c < count; ++c) {
            if (share(c) > 0) {
                shares += share(c);
                kept += std::max(least[c] + padding, width_ * 0.15);
            } else {
                fixed += natural[c] + padding;
                wrappable += natural[c] - least[c];
            }
        }
        // Texts wrap to leave the shared columns 30 % of the page; figures give up room
        // only for their 15 %.
        const double room = std::max(width_ - kept, width_ / 2);
        const double roomBeforeWrapping = shares > 0 ? std::min(room, width_ * 0.7) : room;
        const double wrap =
            wrappable > 0 ? std::clamp((fixed - roomBeforeWrapping) / wrappable, 0.0, 1.0) : 0;
        std::vector<double> widths(count, 0);
        double narrowed = 0;
        for (std::size_t c = 0; c < count; ++c) {
            widths[c] = natural[c] - wrap * (natural[c] - least[c]) + padding;
            narrowed += share(c) > 0 ? 0 : widths[c];
        }
        const double squeeze = narrowed > room ? room / narrowed : 1;
        const double rest = width_ - narrowed * squeeze;
        std::vector<double> edges{0};
        for (std::size_t c = 0; c < count; ++c) {
            const double w = share(c) > 0 ? rest * share(c) / shares : widths[c] * squeeze;
            edges.push_back(edges.back() + w);
        }
        return edges;
    }

    double CellPadding() const { return Mm(1); }

    // The page's span of a row's cell: its left edge and its right edge.
    std::pair<double, double> CellSpan(const Block& row, std::size_t cell) const {
        std::size_t column = 0;
        for (std::size_t k = 0; k < cell; ++k) {
            column += static_cast<std::size_t>(k < row.spans.size() ? row.spans[k] : 1);
        }
        const std::size_t last = edges_.size() - 1;
        const std::size_t span =
            static_cast<std::size_t>(cell < row.spans.size() ? row.spans[cell] : 1);
        return {edges_[std::min(column, last)], edges_[std::min(column + span, last)]};
    }

    const QFont& CellFont(const Block& row) const {
        return row.heading || row.bold ? headingCellFont_ : cellFont_;
    }

    Block RowBlock(const std::vector<std::string>& cells, bool heading,
                   const PrintedTableLine* foot = nullptr) const {
        Block row{Block::Kind::Row};
        row.heading = heading;
        if (foot != nullptr) {
            row.spans = foot->spans;
            row.bold = foot->bold;
            row.joinedRight = foot->joinedRight;
        }
        const std::size_t count = foot != nullptr ? cells.size() : edges_.size() - 1;
        double height = 0;
        for (std::size_t c = 0; c < count; ++c) {
            QString text = c < cells.size() ? Q(cells[c]) : QString();
            const auto [left, right] = CellSpan(row, c);
            if (heading) {
                text = BreakAtBlanks(headingCellFont_, text, right - left - 2 * CellPadding());
            }
            row.cells.push_back(text);
            height =
                std::max(height, TextHeight(CellFont(row), text, right - left - 2 * CellPadding()));
        }
        row.height = height + 2 * CellPadding();
        return row;
    }

    std::vector<Block> Flow() const {
        std::vector<Block> flow;
        for (std::size_t i = 0; i < report_.letterhead.size(); ++i) {
            const QString text = Q(report_.letterhead[i]);
            Block line{Block::Kind::Letterhead, text,
                       TextHeight(i == 0 ? senderFont_ : letterheadFont_, text),
                       i == 0 ? Mm(1) : 0};
            line.firstOfLetterhead = i == 0;
            flow.push_back(line);
        }
        if (Letter()) {
            flow.push_back({Block::Kind::Rule, {}, Mm(2), Mm(6)});
        }
        const QString title = Q(report_.title);
        flow.push_back({Block::Kind::Title, title, TextHeight(titleFont_, title), Mm(5)});
        for (const std::string& line : report_.lines) {
            const QString text = Q(line);
            flow.push_back({Block::Kind::Line, text, TextHeight(textFont_, text), 0});
        }
        if (!report_.table.heading.empty()) {
            flow.back().gapAfter = Mm(3);
            flow.push_back(RowBlock(report_.table.heading, true));
            flow.back().keepWithNext = !report_.table.rows.empty();
            for (const auto& row : report_.table.rows) {
                flow.push_back(RowBlock(row, false));
            }
            for (const PrintedTableLine& line : report_.table.foot) {
                flow.push_back(RowBlock(line.cells, false, &line));
            }
            flow.back().gapAfter = Mm(3);
        }
        for (const std::string& line : report_.linesAfter) {
            const QString text = Q(line);
            flow.push_back({Block::Kind::Line, text, TextHeight(textFont_, text), 0});
        }
        if (!picture_.isNull()) {
            flow.back().gapAfter = Mm(6);
            // A line break of the caption breaks the line on the page too.
            const QString caption =
                Q(report_.pictureCaption).replace(QChar('\n'), QChar::LineSeparator);
            if (!caption.isEmpty()) {
                flow.push_back(
                    {Block::Kind::Caption, caption, TextHeight(captionFont_, caption), Mm(2)});
                flow.back().keepWithNext = true;
            }
            const double width = std::min(width_, Mm(160));
            flow.push_back(
                {Block::Kind::Picture, {}, width * picture_.height() / picture_.width(), 0});
        }
        return flow;
    }

    // Places the blocks down the pages; a block that does not fit starts the next page,
    // and a caption goes with its picture. A table's row that starts a page has the
    // table's heading repeated over it.
    void Lay(std::vector<Block> flow) {
        int page = 0;
        double y = bodyTop_;
        std::vector<Block> laid;
        const Block* heading = nullptr;
        for (std::size_t i = 0; i < flow.size(); ++i) {
            Block& block = flow[i];
            const bool tableRow = block.kind == Block::Kind::Row && !block.heading;
            double needed = block.height;
            if (block.keepWithNext && i + 1 < flow.size()) {
                needed += block.gapAfter + flow[i + 1].height;
            }
            if (y + needed > bodyBottom_ && y > bodyTop_) {
                ++page;
                y = bodyTop_;
                if (tableRow && heading != nullptr) {
                    Block again = *heading;
                    again.page = page;
                    again.top = y;
                    again.gapAfter = 0;
                    y += again.height;
                    laid.push_back(again);
                }
            }
            if (block.heading) {
                heading = &block;
            }
            block.page = page;
            block.top = y;
            y += block.height + block.gapAfter;
            laid.push_back(block);
        }
        pages_ = page + 1;
        blocks_ = std::move(laid);
    }

    void PaintFrame(QPainter& painter, int page) const {
        painter.setPen(Qt::black);
        if (Letter()) {
            const QRectF foot(0, bodyBottom_, width_, device_.height() - bodyBottom_);
            painter.setFont(footFont_);
            painter.setPen(QColor(90, 90, 90));
            painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, Q(report_.footnote));
            painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom,
                             QString("Страница %1 из %2").arg(page + 1).arg(pages_));
            painter.setPen(Qt::black);
            return;
        }
        const double headingHeight = Metrics(headingFont_).height();
        painter.setFont(headingFont_);
        painter.drawText(QRectF(0, 0, width_, headingHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         Q(kReportProgramName));
        painter.setFont(stampFont_);
        painter.drawText(QRectF(0, 0, width_, headingHeight), Qt::AlignRight | Qt::AlignVCenter,
                         "Напечатано " + Q(ShortDateTime(report_.printedAt)));
        painter.setPen(QPen(Qt::black, Mm(0.3)));
        const double rule = headingHeight + Mm(1);
        painter.drawLine(QPointF(0, rule), QPointF(width_, rule));
        painter.setPen(Qt::black);
        painter.setFont(footFont_);
        painter.drawText(QRectF(0, bodyBottom_, width_, device_.height() - bodyBottom_),
                         Qt::AlignRight | Qt::AlignBottom,
                         QString("Страница %1 из %2").arg(page + 1).arg(pages_));
    }

    void PaintRow(QPainter& painter, const Block& block) const {
        const auto& right = report_.table.rightAligned;
        painter.setPen(QPen(Qt::black, Mm(0.2)));
        std::size_t column = 0;
        for (std::size_t c = 0; c < block.cells.size() && column + 1 < edges_.size(); ++c) {
            const auto [left, edge] = CellSpan(block, c);
            const int span = c < block.spans.size() ? block.spans[c] : 1;
            const QRectF cell(left, block.top, edge - left, block.height);
            if (block.heading) {
                painter.fillRect(cell, QColor(230, 230, 230));
            }
            painter.drawRect(cell);
            QTextLayout layout(QString(), CellFont(block), &device_);
            const bool alignRight =
                !block.heading &&
                (span > 1 ? block.joinedRight : column < right.size() && right[column]);
            LayOut(layout, block.cells[c], cell.width() - 2 * CellPadding(),
                   alignRight ? Qt::AlignRight : Qt::AlignLeft);
            layout.draw(&painter, cell.topLeft() + QPointF(CellPadding(), CellPadding()));
            column += static_cast<std::size_t>(std::max(span, 1));
        }
    }

    void PaintBlock(QPainter& painter, const Block& block) const {
        if (block.kind == Block::Kind::Row) {
            PaintRow(painter, block);
            return;
        }
        if (block.kind == Block::Kind::Rule) {
            painter.setPen(QPen(Qt::black, Mm(0.4)));
            painter.drawLine(QPointF(0, block.top + block.height),
                             QPointF(width_, block.top + block.height));
            return;
        }
        if (block.kind == Block::Kind::Picture) {
            const double width = std::min(width_, Mm(160));
            painter.drawImage(QRectF(0, block.top, width, block.height), picture_);
            return;
        }
        QTextLayout layout(QString(), block.firstOfLetterhead ? senderFont_ : FontOf(block.kind),
                           &device_);
        LayOut(layout, block.text);
        painter.setPen(Qt::black);
        layout.draw(&painter, QPointF(0, block.top));
    }

    QPagedPaintDevice& device_;
    const PrintedReport& report_;
    double dpi_;
    QFont headingFont_;
    QFont stampFont_;
    QFont titleFont_;
    QFont textFont_;
    QFont captionFont_;
    QFont cellFont_;
    QFont headingCellFont_;
    QFont footFont_;
    QFont senderFont_;
    QFont letterheadFont_;
    std::vector<double> edges_;
    double width_ = 0;
    double bodyTop_ = 0;
    double bodyBottom_ = 0;
    QImage picture_;
    std::vector<Block> blocks_;
    int pages_ = 1;
};

}  // namespace

bool PaintReport(QPagedPaintDevice& device, const PrintedReport& report) {
    return ReportPainter(device, report).Paint();
}

void WriteReportPdf(const std::string& path, const PrintedReport& report) {
    QtFiles::WriteFile(path, [&report](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setTitle(Q(report.title));
        writer.setCreator(Q(kReportProgramName));
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter));
        return PaintReport(writer, report);
    });
}

}  // namespace tesmarik
