// Laying out and painting the record grid's pages.
#include "app/records/RecordPrinter.h"

#include "app/widgets/GridText.h"
#include "model/IProgressIndicator.h"

#include <QAbstractItemModel>
#include <QPagedPaintDevice>
#include <QPainter>

namespace orvanta::app {
namespace {

constexpr double kScreenDpi = 96.0;
constexpr int kPointSize = 9;
constexpr int kCellPadding = 4;

}  // namespace

struct RecordPrinter::Fonts {
    explicit Fonts(QPaintDevice* device) {
        plain.setPointSize(kPointSize);
        bold = plain;
        bold.setBold(true);
        title = bold;
        title.setPointSize(kPointSize + 3);
        lineHeight = QFontMetrics(plain, device).height() * 13 / 10;
        titleHeight = QFontMetrics(title, device).height() * 13 / 10;
    }
    QFont plain{"Arial"};
    QFont bold;
    QFont title;
    int lineHeight;
    int titleHeight;
};

RecordPrinter::RecordPrinter(const QAbstractItemModel& model, std::vector<int> widths, Heading heading)
    : m_model(model), m_widths(std::move(widths)), m_heading(std::move(heading)) {}

QString RecordPrinter::HeadingLine() const {
    return "    View: " + m_heading.view + "    Filter: " + m_heading.filter +
           "    Category: " + m_heading.category;
}

int RecordPrinter::ColumnWidth(const QPaintDevice& device, int column) const {
    const int screen =
        column < static_cast<int>(m_widths.size()) ? m_widths[static_cast<size_t>(column)] : 100;
    return static_cast<int>(screen * device.logicalDpiX() / kScreenDpi);
}

std::vector<std::vector<int>> RecordPrinter::ColumnGroups(const QPagedPaintDevice& device) const {
    const int pageWidth = device.width();
    std::vector<std::vector<int>> groups;
    int used = 0;
    for (int column = 0; column < m_model.columnCount(); ++column) {
        const int width = ColumnWidth(device, column);
        if (groups.empty() || used + width > pageWidth) {
            groups.emplace_back();
            used = 0;
        }
        groups.back().push_back(column);
        used += width;
    }
    return groups;
}

int RecordPrinter::Print(QPagedPaintDevice& device, IProgressIndicator* progress) const {
    const std::vector<std::vector<int>> groups = ColumnGroups(device);
    ProgressShown shown(progress);
    if (progress) {
        progress->SetText("Printing Records");
        progress->SetRange(static_cast<int32_t>(m_model.rowCount() * groups.size()));
    }
    QPainter painter(&device);
    const Fonts fonts(&device);
    int pages = 0;
    for (const std::vector<int>& group : groups) {
        int row = 0;
        do {
            if (pages++ > 0) device.newPage();
            row = PaintPage(painter, fonts, group, row, progress);
        } while (row < m_model.rowCount());
    }
    return pages;
}

int RecordPrinter::PaintHeadings(QPainter& painter, const Fonts& fonts, const std::vector<int>& group) const {
    const int width = painter.device()->width();
    painter.setFont(fonts.title);
    painter.drawText(0, 0, width, fonts.titleHeight, Qt::AlignLeft | Qt::AlignVCenter, m_heading.tabulon);
    painter.setFont(fonts.plain);
    painter.drawText(0, fonts.titleHeight, width, fonts.lineHeight, Qt::AlignLeft | Qt::AlignVCenter,
                     HeadingLine());
    const int y = fonts.titleHeight + fonts.lineHeight * 3 / 2;
    painter.setFont(fonts.bold);
    int x = 0;
    for (int column : group) {
        const int columnWidth = ColumnWidth(*painter.device(), column);
        painter.drawText(x + kCellPadding, y, columnWidth - 2 * kCellPadding, fonts.lineHeight,
                         Qt::AlignLeft | Qt::AlignVCenter,
                         m_model.headerData(column, Qt::Horizontal).toString());
        x += columnWidth;
    }
    painter.drawLine(0, y + fonts.lineHeight, x, y + fonts.lineHeight);
    return y + fonts.lineHeight + fonts.lineHeight / 4;
}

int RecordPrinter::PaintPage(QPainter& painter, const Fonts& fonts, const std::vector<int>& group, int first,
                             IProgressIndicator* progress) const {
    int y = PaintHeadings(painter, fonts, group);
    painter.setFont(fonts.plain);
    int row = first;
    for (; row < m_model.rowCount() && (row == first || y + fonts.lineHeight <= painter.device()->height());
         ++row) {
        int x = 0;
        for (int column : group) {
            const int width = ColumnWidth(*painter.device(), column);
            const QModelIndex cell = m_model.index(row, column);
            const QVariant align = cell.data(Qt::TextAlignmentRole);
            painter.drawText(x + kCellPadding, y, width - 2 * kCellPadding, fonts.lineHeight,
                             align.isValid() ? align.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter),
                             CellText(cell));
            x += width;
        }
        y += fonts.lineHeight;
        if (progress) progress->Step(1);
    }
    return row;
}

}  // namespace orvanta::app
