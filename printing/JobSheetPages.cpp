#include "printing/JobSheetPages.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Pages are laid out once without a painter to count them, then drawn the same way; both runs
// take the same steps, so the page breaks of the count are those drawn.
class SheetPages {
public:
    SheetPages(const JobSheet& sheet, QPagedPaintDevice& device);

    int count() { return walk(nullptr, 0); }
    void paint(QPainter& painter, int pageCount) { walk(&painter, pageCount); }

private:
    struct Style {
        QFont font;
        QColor colour = Qt::black;
    };

    double mm(double millimetres) const { return millimetres * device_.logicalDpiY() / 25.4; }
    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }
    double width(const QFont& font, const QString& text) const {
        return metrics(font).horizontalAdvance(text);
    }
    double lineHeight(const QFont& font) const { return metrics(font).lineSpacing(); }

    QRectF pageArea() const;
    void measureColumns();
    QStringList wrapped(const QString& shown, const QFont& font, double available) const;

    int walk(QPainter* painter, int pageCount);
    void text(double x, double y, const Style& style, const QString& text) const;
    void rightAligned(double right, double y, const Style& style, const QString& text) const;
    void rule(double y) const;
    void firstPageHeader();
    void fields();
    void shelf();
    void notes();
    void tableHeading();
    void row(std::size_t index);
    double rowHeight(std::size_t index) const;
    void footer(int page, int pageCount) const;

    const JobSheet& sheet_;
    QPagedPaintDevice& device_;
    QPainter* painter_ = nullptr;
    QRectF area_;    // where the sheet goes
    double bottom_;  // of the list, above the footer
    double y_ = 0;   // top of what comes next
    Style title_, dated_, body_, bold_, name_, foot_;
    double gap_;  // between columns
    double nameWidth_ = 0;
    // Per column; a figure's whole part and the rest from its decimal separator on.
    std::vector<double> columnWidth_, columnLeft_, wholeWidth_, fractionWidth_;
    double tableWidth_ = 0;
    std::vector<QStringList> combinationLines_;
};

SheetPages::SheetPages(const JobSheet& sheet, QPagedPaintDevice& device)
    : sheet_(sheet), device_(device) {
    QFont base(QGuiApplication::font().family());
    auto sized = [&](double points, bool bold) {
        QFont font(base);
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    };
    title_ = {sized(15, true)};
    dated_ = {sized(9, false), QColor(70, 70, 70)};
    body_ = {sized(10, false)};
    bold_ = {sized(10, true)};
    name_ = {sized(10, false), QColor(70, 70, 70)};
    foot_ = {sized(8.5, false), QColor(70, 70, 70)};
    gap_ = mm(7);
    area_ = pageArea();
    bottom_ = area_.bottom() - lineHeight(foot_.font) - mm(4);
    for (const SheetField& field : sheet_.job)
        nameWidth_ = std::max(nameWidth_, width(name_.font, qt(field.name)));
    nameWidth_ = std::max(nameWidth_, width(name_.font, QStringLiteral("Shelf"))) + mm(5);
    measureColumns();
}

// The printable area less a margin of at least 15 mm from the paper's edge, which a sheet
// pinned to the wall or filed needs.
QRectF SheetPages::pageArea() const {
    const QPageLayout layout = device_.pageLayout();
    const QMarginsF printerMargins = layout.margins(QPageLayout::Millimeter);
    auto extra = [this](double have) { return mm(std::max(0.0, 15.0 - have)); };
    const QRectF printable(0, 0, device_.width(), device_.height());
    return printable.adjusted(extra(printerMargins.left()), extra(printerMargins.top()),
                              -extra(printerMargins.right()), -extra(printerMargins.bottom()));
}

void SheetPages::measureColumns() {
    const std::size_t columns = sheet_.columns.size();
    columnWidth_.assign(columns, 0);
    wholeWidth_.assign(columns, 0);
    fractionWidth_.assign(columns, 0);
    const QString separator = qt(sheet_.decimalSeparator);
    for (std::size_t c = 0; c < columns; ++c) {
        double& fraction = fractionWidth_[c];
        for (const auto& cells : sheet_.rows) {
            const QString cell = qt(cells[c]);
            if (sheet_.columns[c].alignment == CellAlignment::DecimalSeparator) {
                const qsizetype point = cell.indexOf(separator);
                const QString whole = point < 0 ? cell : cell.left(point);
                wholeWidth_[c] = std::max(wholeWidth_[c], width(body_.font, whole));
                fraction = std::max(fraction, width(body_.font, cell.mid(whole.size())));
            } else {
                columnWidth_[c] = std::max(columnWidth_[c], width(body_.font, cell));
            }
        }
        columnWidth_[c] = std::max({columnWidth_[c], wholeWidth_[c] + fraction,
                                    width(bold_.font, qt(sheet_.columns[c].heading))});
    }
    if (columns == 0)
        return;
    // The combination takes what the figures leave of the width, and wraps beyond it.
    double figures = 0;
    for (std::size_t c = 1; c < columns; ++c) figures += gap_ + columnWidth_[c];
    columnWidth_[0] = std::min(columnWidth_[0], std::max(area_.width() - figures, mm(30)));
    columnLeft_.assign(columns, area_.left());
    for (std::size_t c = 1; c < columns; ++c)
        columnLeft_[c] = columnLeft_[c - 1] + columnWidth_[c - 1] + gap_;
    tableWidth_ = columnLeft_.back() + columnWidth_.back() - area_.left();
    for (const auto& cells : sheet_.rows)
        combinationLines_.push_back(wrapped(qt(cells[0]), body_.font, columnWidth_[0]));
}

// Where a line of the sheet may break: after the separators between a conductor's sizes, a
// field's parts and a combination's entries. The blank after the separator ends the line.
QStringList breakablePieces(const QString& text) {
    static const QRegularExpression kBreakAfter(QStringLiteral("(?<= \\+ |, )"));
    return text.split(kBreakAfter, Qt::SkipEmptyParts);
}

// The text in lines no wider than available, broken after " + " or ", " where it can be; a part
// without such a break that is still too wide is broken between its words.
QStringList SheetPages::wrapped(const QString& shown, const QFont& font, double available) const {
    QStringList pieces;
    for (const QString& piece : breakablePieces(shown)) {
        if (width(font, piece.trimmed()) <= available)
            pieces << piece;
        else
            pieces << piece.split(QRegularExpression(QStringLiteral("(?<= )")));
    }
    QStringList lines;
    QString line;
    for (const QString& piece : pieces) {
        if (!line.isEmpty() && width(font, (line + piece).trimmed()) > available) {
            lines << line.trimmed();
            line.clear();
        }
        line += piece;
    }
    return lines << line.trimmed();
}

void SheetPages::text(double x, double y, const Style& style, const QString& text) const {
    if (!painter_)
        return;
    painter_->setFont(style.font);
    painter_->setPen(style.colour);
    painter_->drawText(QPointF(x, y + metrics(style.font).ascent()), text);
}

void SheetPages::rightAligned(double right, double y, const Style& style,
                              const QString& shown) const {
    text(right - width(style.font, shown), y, style, shown);
}

void SheetPages::rule(double y) const {
    if (!painter_)
        return;
    painter_->setPen(QPen(QColor(120, 120, 120), mm(0.25)));
    painter_->drawLine(QPointF(area_.left(), y), QPointF(area_.right(), y));
}

void SheetPages::firstPageHeader() {
    text(area_.left(), y_, title_, qt(sheet_.title));
    y_ += lineHeight(title_.font);
    text(area_.left(), y_, dated_, qt(sheet_.dated));
    y_ += lineHeight(dated_.font) + mm(2);
    rule(y_);
    y_ += mm(4);
}

// A value too long for the line goes on under itself, clear of the names.
void SheetPages::fields() {
    const double left = area_.left() + nameWidth_;
    for (const SheetField& field : sheet_.job) {
        text(area_.left(), y_, name_, qt(field.name));
        for (const QString& line : wrapped(qt(field.value), body_.font, area_.right() - left)) {
            text(left, y_, body_, line);
            y_ += lineHeight(body_.font);
        }
    }
}

// Each size with its stock, in as many columns as the width takes, thickest first down each
// column; a thin line between the columns keeps each stock with its size.
void SheetPages::shelf() {
    if (sheet_.shelf.empty())
        return;
    y_ += mm(2);
    text(area_.left(), y_, name_, QStringLiteral("Shelf"));
    double labelWidth = 0, stockWidth = 0;
    for (const SheetField& size : sheet_.shelf) {
        labelWidth = std::max(labelWidth, width(body_.font, qt(size.name)));
        stockWidth = std::max(stockWidth, width(body_.font, qt(size.value)));
    }
    const double pad = mm(3);
    const double cell = labelWidth + mm(2) + stockWidth + 2 * pad;
    const double left = area_.left() + nameWidth_ - pad;
    const std::size_t count = sheet_.shelf.size();
    const auto columns = std::clamp<std::size_t>((area_.right() - left) / cell, 1, count);
    const std::size_t lines = (count + columns - 1) / columns;
    const double line = lineHeight(body_.font);
    for (std::size_t i = 0; i < count; ++i) {
        const double x = left + (i / lines) * cell + pad;
        const double top = y_ + (i % lines) * line;
        text(x, top, body_, qt(sheet_.shelf[i].name));
        rightAligned(x + labelWidth + mm(2) + stockWidth, top, body_, qt(sheet_.shelf[i].value));
    }
    if (painter_) {
        painter_->setPen(QPen(QColor(160, 160, 160), mm(0.2)));
        for (std::size_t c = 1; c < (count + lines - 1) / lines; ++c) {
            const double x = left + c * cell;
            painter_->drawLine(QPointF(x, y_), QPointF(x, y_ + lines * line));
        }
    }
    y_ += lines * line;
}

void SheetPages::notes() {
    y_ += mm(4);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    for (const std::string& note : sheet_.notes) {
        const QRectF place(area_.left(), y_, area_.width(), area_.height());
        const QRectF used = metrics(body_.font).boundingRect(place, flags, qt(note));
        if (painter_) {
            painter_->setFont(body_.font);
            painter_->setPen(body_.colour);
            painter_->drawText(place, flags, qt(note));
        }
        y_ += used.height();
    }
    y_ += mm(5);
}

void SheetPages::tableHeading() {
    for (std::size_t c = 0; c < sheet_.columns.size(); ++c) {
        const QString heading = qt(sheet_.columns[c].heading);
        if (sheet_.columns[c].alignment == CellAlignment::Left)
            text(columnLeft_[c], y_, bold_, heading);
        else
            rightAligned(columnLeft_[c] + columnWidth_[c], y_, bold_, heading);
    }
    y_ += lineHeight(bold_.font) + mm(1);
    if (painter_) {
        painter_->setPen(QPen(Qt::black, mm(0.3)));
        painter_->drawLine(QPointF(area_.left(), y_), QPointF(area_.left() + tableWidth_, y_));
    }
    y_ += mm(1);
}

double SheetPages::rowHeight(std::size_t index) const {
    return combinationLines_[index].size() * lineHeight(body_.font) + mm(1.2);
}

void SheetPages::row(std::size_t index) {
    const double height = rowHeight(index);
    // Every other line shaded, so that the eye keeps to a line across the page.
    if (painter_ && index % 2 == 1) {
        painter_->fillRect(QRectF(area_.left(), y_, tableWidth_, height), QColor(236, 236, 236));
    }
    const double top = y_ + mm(0.6);
    const auto& cells = sheet_.rows[index];
    const QStringList& lines = combinationLines_[index];
    for (int i = 0; i < lines.size(); ++i)
        text(columnLeft_[0], top + i * lineHeight(body_.font), body_, lines[i]);
    const QString separator = qt(sheet_.decimalSeparator);
    for (std::size_t c = 1; c < cells.size(); ++c) {
        const QString cell = qt(cells[c]);
        if (sheet_.columns[c].alignment == CellAlignment::DecimalSeparator) {
            const qsizetype point = cell.indexOf(separator);
            const QString whole = point < 0 ? cell : cell.left(point);
            const double pointX = columnLeft_[c] + columnWidth_[c] - fractionWidth_[c];
            text(pointX - width(body_.font, whole), top, body_, cell);
        } else {
            rightAligned(columnLeft_[c] + columnWidth_[c], top, body_, cell);
        }
    }
    y_ += height;
}

// The short title gives way to the page number: cut short, it keeps 5 mm clear of it. It is cut
// alike on every page, clear of the last page's number, the widest.
void SheetPages::footer(int page, int pageCount) const {
    const double top = area_.bottom() - lineHeight(foot_.font);
    rule(top - mm(1.5));
    const QString number = QStringLiteral("Page %1 of %2");
    if (pageCount > 0)
        rightAligned(area_.right(), top, foot_, number.arg(page).arg(pageCount));
    const QString widest = number.arg(pageCount).arg(pageCount);
    const double room = area_.width() - width(foot_.font, widest) - mm(5);
    text(area_.left(), top, foot_,
         metrics(foot_.font).elidedText(qt(sheet_.shortTitle), Qt::ElideRight, room));
}

int SheetPages::walk(QPainter* painter, int pageCount) {
    painter_ = painter;
    int page = 1;
    y_ = area_.top();
    firstPageHeader();
    fields();
    shelf();
    notes();
    if (!sheet_.rows.empty())
        tableHeading();
    for (std::size_t i = 0; i < sheet_.rows.size(); ++i) {
        // A line that does not fit goes to the next page; one taller than a page stays put.
        if (y_ + rowHeight(i) > bottom_ && y_ > area_.top() + lineHeight(bold_.font) * 2) {
            footer(page, pageCount);
            if (painter_)
                device_.newPage();
            ++page;
            y_ = area_.top();
            tableHeading();
        }
        row(i);
    }
    footer(page, pageCount);
    return page;
}

}  // namespace

int jobSheetPageCount(const JobSheet& sheet, QPagedPaintDevice& device) {
    return SheetPages(sheet, device).count();
}

bool paintJobSheet(const JobSheet& sheet, QPagedPaintDevice& device) {
    SheetPages pages(sheet, device);
    const int pageCount = pages.count();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    pages.paint(painter, pageCount);
    return painter.end();
}
