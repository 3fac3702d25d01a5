// RecordPrinter: prints the rows and columns of the record grid: every page is headed by the
// Tabulon's name with its view, filter and category, then the column headings; columns that do
// not fit the page's width go on further pages of their own.
#pragma once

#include <QString>

#include <vector>

class IProgressIndicator;
class QAbstractItemModel;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace orvanta::app {

class RecordPrinter {
public:
    struct Heading {
        QString tabulon, view, filter, category;
    };

    // widths: each column's width on screen (96 dots per inch).
    RecordPrinter(const QAbstractItemModel& model, std::vector<int> widths, Heading heading);

    // The columns of each run of pages: as many as fit the page's width, in order.
    std::vector<std::vector<int>> ColumnGroups(const QPagedPaintDevice& device) const;
    // Paints every page; the number of pages.
    int Print(QPagedPaintDevice& device, IProgressIndicator* progress) const;
    // The line under the Tabulon's name.
    QString HeadingLine() const;
    // A column's width on the device.
    int ColumnWidth(const QPaintDevice& device, int column) const;

private:
    struct Fonts;
    // The page's headings; the height they take.
    int PaintHeadings(QPainter& painter, const Fonts& fonts, const std::vector<int>& group) const;
    // One page of the group's columns from row first on; the row after the page's last.
    int PaintPage(QPainter& painter, const Fonts& fonts, const std::vector<int>& group, int first,
                  IProgressIndicator* progress) const;

    const QAbstractItemModel& m_model;
    std::vector<int> m_widths;
    Heading m_heading;
};

}  // namespace orvanta::app
