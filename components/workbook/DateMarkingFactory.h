// DateMarkingFactory: liborcus's import factory for its document model, which also remembers
// the cells of the first sheet that the file gives as dates (OpenDocument's date cells reach the
// model as bare numbers, without a number format that would tell them apart).
#pragma once

#include <orcus/spreadsheet/factory.hpp>

#include <memory>
#include <set>
#include <utility>

class DateMarkingFactory : public orcus::spreadsheet::import_factory {
public:
    explicit DateMarkingFactory(orcus::spreadsheet::document& document);
    ~DateMarkingFactory() override;

    orcus::spreadsheet::iface::import_sheet* append_sheet(orcus::spreadsheet::sheet_t index,
                                                          std::string_view name) override;
    orcus::spreadsheet::iface::import_sheet* get_sheet(std::string_view name) override;
    orcus::spreadsheet::iface::import_sheet* get_sheet(orcus::spreadsheet::sheet_t index) override;

    // Row and column of each date cell of the first sheet.
    const std::set<std::pair<int, int>>& DateCells() const { return m_dateCells; }

private:
    class MarkingSheet;
    orcus::spreadsheet::iface::import_sheet* Marked(orcus::spreadsheet::iface::import_sheet* sheet);

    std::unique_ptr<MarkingSheet> m_first;
    std::set<std::pair<int, int>> m_dateCells;
};
