// CTbPDBReader: records 83 to 86: the next key, the form (tabs of rows), the views (columns,
// sort keys, default filter) and the filters, with the 96-byte filter condition block.
#include "pdb/TbPDBReader.h"

#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"

namespace {

constexpr uint32_t kReservedTab = 2;
constexpr uint32_t kReservedRow = 2;
constexpr uint32_t kReservedView = 6;
constexpr uint32_t kReservedColumn = 2;
constexpr uint32_t kReservedFilter = 4;
constexpr uint32_t kNameSize = 21;
constexpr uint32_t kConstantSize = 20;
constexpr uint32_t kHighestFont = 3;
constexpr int kDefaultFilterBits = 14;
constexpr uint8_t kReadOnlyBit = 0x80;

// The lowest of bits 0-13 that is set, or -1 (no default filter) as the view keeps it.
uint16_t DefaultFilterIndex(uint16_t mask) {
    for (int bit = 0; bit < kDefaultFilterBits; ++bit)
        if (mask & (1u << bit)) return static_cast<uint16_t>(bit);
    return NoFilter;
}

// A signed byte of the file as the 16-bit number the model keeps.
uint16_t Widened(int8_t value) { return static_cast<uint16_t>(value); }

}  // namespace

void CTbPDBReader::ReadNextKeyRecord() {
    m_dump.Banner("Record 83: Next Key");
    uint32_t start = SeekRecord(TbPdb::kNextKeyRecord);
    Check(ReadU8("Record Type") == TbPdb::kNextKeyRecord, "Invalid Record Type");
    m_db->Records().SetNextKey(ReadU32("Next Key Value"));
    ClaimRecordBytes(start);
}

void CTbPDBReader::ReadFormRecord() {
    m_dump.Banner("Record 84: Form Definition");
    uint32_t start = SeekRecord(TbPdb::kFormRecord);
    Check(ReadU8("Record Type") == TbPdb::kFormRecord, "Invalid Record Type");
    m_db->SetFormTabRow(ReadI8("Tab Row"));
    uint8_t count = ReadU8("Number of Tabs");
    Check(count >= 1 && count <= MaxTabs,
          "Invalid tab count - must have at least one tab (Tab 0) and up to 14");
    for (int index = 0; index < count; ++index) {
        CTbObjTab* tab = index == 0 ? m_db->Tab(0) : m_db->AddTab();
        Check(tab != nullptr, "Could not create or add tab in internal object model.");
        if (m_dump.IsOn()) m_dump.Note("Tab " + std::to_string(index));
        TbDumpIndent indent(m_dump);
        ReadTab(*tab);
    }
    ClaimRecordBytes(start);
}

void CTbPDBReader::ReadTab(CTbObjTab& tab) {
    tab.SetName(ReadNulString("Tab Name"));
    tab.SetFirstColumnWidth(Widened(ReadI8("Column 1 Width")));
    SkipBytes(kReservedTab);
    uint8_t rows = ReadU8("Number of Fields");
    for (int row = 0; row < rows; ++row) {
        if (m_dump.IsOn()) m_dump.Note("Row " + std::to_string(row + 1));
        TbDumpIndent indent(m_dump);
        ReadTabRow(tab);
    }
}

void CTbPDBReader::ReadTabRow(CTbObjTab& tab) {
    uint8_t field = ReadU8("Field Number", TbDumpFormField);
    int8_t position = ReadI8("Position in Tab");
    CTbObjTabRow* row = tab.AddRow(field, position);
    Check(row != nullptr, "Unable to add a row to a tab in the internal object model.");
    uint8_t labelFont = ReadU8("Label Font", TbDumpFont);
    Check(labelFont <= kHighestFont, "Invalid label font setting on a tab row.");
    row->SetLabelFont(labelFont);
    row->SetLabelForeground(ReadU32("Label Fore Color", TbDumpRgb));
    row->SetLabelBackground(static_cast<int32_t>(ReadU32("Label Back Color", TbDumpRgb)));
    uint8_t fieldFont = ReadU8("Field Font", TbDumpFont);
    Check(fieldFont <= kHighestFont, "Invalid field font setting on a tab row.");
    row->SetFieldFont(fieldFont);
    row->SetFieldForeground(ReadU32("Field Fore Color", TbDumpRgb));
    row->SetFieldBackground(static_cast<int32_t>(ReadU32("Field Back Color", TbDumpRgb)));
    StoreRowAttributes(*row, ReadU8());
    SkipBytes(kReservedRow);
    row->SetLabelText(ReadNulString("Label Text"));
    row->SetPopupHelp(ReadNulString("Popup Help"));
}

// A label row keeps its alignment in bits 6-7; a field row is read-only with bit 7 and, for
// an Image field, shows its picture as bits 5-6 say.
void CTbPDBReader::StoreRowAttributes(CTbObjTabRow& row, uint8_t attributes) {
    std::string names;
    if (row.IsLabelRow()) {
        row.SetAlignment(attributes >> 6);
        names = TbDumpAlignment(attributes >> 6);
    } else {
        row.SetReadOnly((attributes & kReadOnlyBit) != 0);
        if (row.GetReadOnly()) names = "{Read Only}";
        const CTbObjField* field = m_db->Field(row.GetField());
        if (field && field->GetType() == IMAGE_T) {
            row.SetImageDisplay((attributes >> 5) & 3);
            names += TbDumpImageDisplay((attributes >> 5) & 3);
        }
    }
    m_dump.Value("Field Attributes", attributes, names);
}

void CTbPDBReader::ReadViewRecord() {
    m_dump.Banner("Record 85: View Definitions");
    uint32_t start = SeekRecord(TbPdb::kViewRecord);
    Check(ReadU8("Record Type") == TbPdb::kViewRecord, "Invalid database format - view record invalid type.");
    uint8_t count = ReadU8("Number of Views");
    for (int index = 0; index < count; ++index) {
        CTbObjView* view = m_db->AddView();
        Check(view != nullptr, "Could not create a new view in the internal object model.");
        if (m_dump.IsOn()) m_dump.Note("View " + std::to_string(index + 1));
        TbDumpIndent indent(m_dump);
        ReadView(*view);
    }
    ClaimRecordBytes(start);
}

void CTbPDBReader::ReadView(CTbObjView& view) {
    static const char* const kFieldLabels[] = {"Sort Field 1", "Sort Field 2", "Sort Field 3"};
    static const char* const kDirectionLabels[] = {"Sort Direction 1", "Sort Direction 2",
                                                   "Sort Direction 3"};
    view.SetName(ReadFixedText(kNameSize, "View Name"));
    int8_t fields[3], directions[3];
    for (int k = 0; k < 3; ++k) fields[k] = ReadI8(kFieldLabels[k]);
    for (int k = 0; k < 3; ++k) directions[k] = ReadI8(kDirectionLabels[k], TbDumpSortDirection);
    for (int k = 0; k < 3; ++k) view.SetSortKey(k + 1, Widened(fields[k]), Widened(directions[k]));
    view.SetDefaultFilter(DefaultFilterIndex(ReadU16("Default Filter", TbDumpDefaultFilter)));
    view.SetFrozenColumns(ReadU8("Frozen Column Count"));
    ReadU8("First Column");
    SkipBytes(kReservedView);
    uint8_t columns = ReadU8("Number of Columns");
    for (int column = 0; column < columns; ++column) {
        if (m_dump.IsOn()) m_dump.Note("Column " + std::to_string(column + 1));
        TbDumpIndent indent(m_dump);
        ReadViewColumn(view);
    }
    view.CheckSortKeys();
}

void CTbPDBReader::ReadViewColumn(CTbObjView& view) {
    CTbObjViewColumn* column = view.AddColumn(ReadU8("Field", TbDumpFieldNumber));
    Check(column != nullptr, "Unable to add a view column in the internal object model.");
    column->SetWidth(ReadU8("Width"));
    column->SetIdenticalSuppress(ReadU8("Identical Suppress") != 0);
    SkipBytes(kReservedColumn);
}

void CTbPDBReader::ReadFilterRecord() {
    m_dump.Banner("Record 86: Filter Definitions");
    uint32_t start = SeekRecord(TbPdb::kFilterRecord);
    Check(ReadU8("Record Type") == TbPdb::kFilterRecord, "Filters data record has an invalid record type.");
    uint8_t count = ReadU8("Number of Filters");
    for (int index = 0; index < count; ++index) {
        CTbObjFilter* filter = m_db->AddFilter();
        Check(filter != nullptr, "Problem with internal object model: null Filter object.");
        if (m_dump.IsOn()) m_dump.Note("Filter " + std::to_string(index));
        TbDumpIndent indent(m_dump);
        ReadFilterBlock(*filter);
    }
    m_dump.Note("External Filter");
    {
        TbDumpIndent indent(m_dump);
        ReadFilterBlock(m_db->ExternalFilter());
    }
    m_dump.Note("Quick Filter");
    {
        TbDumpIndent indent(m_dump);
        ReadFilterBlock(m_db->QuickFilter());
    }
    ClaimRecordBytes(start);
}

// Three conditions (field, compare operator, second field or constant) and the two logic
// operators between them.
void CTbPDBReader::ReadFilterBlock(CTbObjFilter& filter) {
    filter.SetName(ReadFixedText(kNameSize, "Filter Name"));
    int8_t fields[6];
    for (int8_t& field : fields) field = ReadI8();
    std::string constants[3];
    for (std::string& constant : constants) constant = ReadFixedText(kConstantSize);
    uint8_t operators[3];
    for (uint8_t& op : operators) op = ReadU8();
    uint8_t logic[2];
    for (uint8_t& op : logic) op = ReadU8();
    SkipBytes(kReservedFilter);
    for (int i = 0; i < 3; ++i) {
        filter.SetCondition(i, Widened(fields[2 * i]), static_cast<char>(operators[i]),
                            Widened(fields[2 * i + 1]), constants[i]);
        if (!m_dump.IsOn()) continue;
        std::string condition = "Condition " + std::to_string(i + 1);
        m_dump.Value(condition + " Field", fields[2 * i], TbDumpFilterField);
        m_dump.Value(condition + " Compare Operator", operators[i], TbDumpCompareOperator);
        m_dump.Value(condition + " Second Field", fields[2 * i + 1], TbDumpSecondField);
        m_dump.Text(condition + " String Value", constants[i]);
    }
    for (int j = 0; j < 2; ++j) {
        filter.SetLogicOperator(j, static_cast<char>(logic[j]));
        if (m_dump.IsOn())
            m_dump.Value("Logic Operator " + std::to_string(j + 1), logic[j], TbDumpLogicOperator);
    }
}
