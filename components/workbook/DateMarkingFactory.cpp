// The first sheet's cells pass through to the document model; date cells are noted on the way.
#include "DateMarkingFactory.h"

namespace ss = orcus::spreadsheet;

// MarkingSheet: stands in for the document's first sheet while the file is read, passing every
// call on and noting the cells set as dates.
class DateMarkingFactory::MarkingSheet : public ss::iface::import_sheet {
public:
    MarkingSheet(ss::iface::import_sheet& inner, std::set<std::pair<int, int>>& dates)
        : m_inner(inner), m_dates(dates) {}

    ss::iface::import_sheet* Inner() const { return &m_inner; }

    ss::iface::import_sheet_view* get_sheet_view() override { return m_inner.get_sheet_view(); }
    ss::iface::import_sheet_properties* get_sheet_properties() override {
        return m_inner.get_sheet_properties();
    }
    ss::iface::import_data_table* get_data_table() override { return m_inner.get_data_table(); }
    ss::iface::import_auto_filter* get_auto_filter() override { return m_inner.get_auto_filter(); }
    ss::iface::import_table* get_table() override { return m_inner.get_table(); }
    ss::iface::import_conditional_format* get_conditional_format() override {
        return m_inner.get_conditional_format();
    }
    ss::iface::import_named_expression* get_named_expression() override {
        return m_inner.get_named_expression();
    }
    ss::iface::import_array_formula* get_array_formula() override { return m_inner.get_array_formula(); }
    ss::iface::import_formula* get_formula() override { return m_inner.get_formula(); }
    void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override {
        m_inner.set_auto(row, col, s);
    }
    void set_string(ss::row_t row, ss::col_t col, ss::string_id_t id) override {
        m_inner.set_string(row, col, id);
    }
    void set_value(ss::row_t row, ss::col_t col, double value) override {
        m_inner.set_value(row, col, value);
    }
    void set_bool(ss::row_t row, ss::col_t col, bool value) override { m_inner.set_bool(row, col, value); }
    void set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int hour, int minute,
                       double second) override {
        m_dates.insert({row, col});
        m_inner.set_date_time(row, col, year, month, day, hour, minute, second);
    }
    void set_format(ss::row_t row, ss::col_t col, size_t xf) override { m_inner.set_format(row, col, xf); }
    void set_format(ss::row_t rowStart, ss::col_t colStart, ss::row_t rowEnd, ss::col_t colEnd,
                    size_t xf) override {
        m_inner.set_format(rowStart, colStart, rowEnd, colEnd, xf);
    }
    void fill_down_cells(ss::row_t row, ss::col_t col, ss::row_t size) override {
        m_inner.fill_down_cells(row, col, size);
    }
    ss::range_size_t get_sheet_size() const override { return m_inner.get_sheet_size(); }

private:
    ss::iface::import_sheet& m_inner;
    std::set<std::pair<int, int>>& m_dates;
};

DateMarkingFactory::DateMarkingFactory(ss::document& document) : ss::import_factory(document) {}

DateMarkingFactory::~DateMarkingFactory() = default;

ss::iface::import_sheet* DateMarkingFactory::Marked(ss::iface::import_sheet* sheet) {
    if (!sheet) return nullptr;
    if (!m_first) m_first = std::make_unique<MarkingSheet>(*sheet, m_dateCells);
    return m_first->Inner() == sheet ? m_first.get() : sheet;
}

ss::iface::import_sheet* DateMarkingFactory::append_sheet(ss::sheet_t index, std::string_view name) {
    ss::iface::import_sheet* sheet = ss::import_factory::append_sheet(index, name);
    return index == 0 ? Marked(sheet) : sheet;
}

ss::iface::import_sheet* DateMarkingFactory::get_sheet(std::string_view name) {
    ss::iface::import_sheet* sheet = ss::import_factory::get_sheet(name);
    return m_first && m_first->Inner() == sheet ? m_first.get() : sheet;
}

ss::iface::import_sheet* DateMarkingFactory::get_sheet(ss::sheet_t index) {
    ss::iface::import_sheet* sheet = ss::import_factory::get_sheet(index);
    return index == 0 ? Marked(sheet) : sheet;
}
