// The text of a grid's cells as the user reads them (check boxes as "Yes" or "No"), and
// selected cells as tab-separated lines, as the clipboard takes them.
#pragma once

#include <QModelIndexList>
#include <QString>

namespace orvanta::app {

QString CellText(const QModelIndex& cell);
// Rows in order, each a line of its selected cells left to right separated by tabs; tabs and
// line breaks inside a cell become spaces.
QString CellsAsTsv(QModelIndexList cells);

}  // namespace orvanta::app
