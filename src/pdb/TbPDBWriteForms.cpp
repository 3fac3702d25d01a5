// CTbPDBWriter, design records 83 to 86: the next key, the form's tabs and rows, the views,
// the filters, and the 96-byte filter condition block that conditional expressions share.
#include "model/TbObjDB.h"
#include "pdb/TbPDBFormat.h"
#include "pdb/TbPDBWriter.h"

#include <algorithm>

namespace {

constexpr int kMaxCount = 255;  // counts of rows, views, columns and filters are one byte
constexpr uint8_t kReadOnlyBit = 0x80;
constexpr int kAlignmentShift = 6;
constexpr int kImageDisplayShift = 5;

int CountByte(int count) { return std::min(count, kMaxCount); }

// The view's default filter as the one-hot mask the handheld keeps: 0 for none.
uint16_t DefaultFilterMask(uint16_t filter) {
    int index = static_cast<int16_t>(filter);
    return index >= 0 && index < 16 ? static_cast<uint16_t>(1u << index) : 0;
}

}  // namespace

void CTbPDBWriter::WriteNextKeyRecord() {
    m_out.WriteU8(TbPdb::kNextKeyRecord);
    m_out.WriteU32(m_db->Records().GetNextKey());
}

void CTbPDBWriter::WriteFormRecord() {
    m_out.WriteU8(TbPdb::kFormRecord);
    m_out.WriteU8(static_cast<uint8_t>(m_db->GetFormTabRow()));
    m_out.WriteU8(static_cast<uint8_t>(m_db->TabCount()));
    for (int i = 0; i < m_db->TabCount(); ++i) WriteTab(*m_db->Tab(i));
}

// Only the rows that place a field or a label are written, in their stored order.
void CTbPDBWriter::WriteTab(const CTbObjTab& tab) {
    WriteNulString(tab.GetName());
    m_out.WriteU8(static_cast<uint8_t>(tab.GetFirstColumnWidth()));
    WriteZeros(2);
    int count = CountByte(tab.UsedRowCount());
    m_out.WriteU8(static_cast<uint8_t>(count));
    for (int i = 0, written = 0; written < count; ++i) {
        const CTbObjTabRow& row =
            Need(tab.RowAtIndex(i), "Unable to find a Tab Row in the internal object model.");
        if (row.IsEmpty()) continue;
        WriteTabRow(row);
        ++written;
    }
}

void CTbPDBWriter::WriteTabRow(const CTbObjTabRow& row) {
    uint8_t attributes = 0;
    if (row.IsLabelRow()) {
        attributes = static_cast<uint8_t>((row.GetAlignment() & 3u) << kAlignmentShift);
    } else {
        attributes = row.GetReadOnly() ? kReadOnlyBit : 0;
        const CTbObjField* field = m_db->Field(row.GetField());
        if (field && field->GetType() == IMAGE_T)
            attributes |= static_cast<uint8_t>((row.GetImageDisplay() & 3u) << kImageDisplayShift);
    }
    m_out.WriteU8(static_cast<uint8_t>(row.GetField()));
    m_out.WriteU8(static_cast<uint8_t>(row.GetPosition()));
    m_out.WriteU8(static_cast<uint8_t>(row.GetLabelFont()));
    m_out.WriteU32(row.GetLabelForeground());
    m_out.WriteU32(static_cast<uint32_t>(row.GetLabelBackground()));
    m_out.WriteU8(static_cast<uint8_t>(row.GetFieldFont()));
    m_out.WriteU32(row.GetFieldForeground());
    m_out.WriteU32(static_cast<uint32_t>(row.GetFieldBackground()));
    m_out.WriteU8(attributes);
    WriteZeros(2);
    WriteNulString(row.GetLabelText());
    WriteNulString(row.GetPopupHelp());
}

void CTbPDBWriter::WriteViewRecord() {
    int count = CountByte(m_db->ViewCount());
    m_out.WriteU8(TbPdb::kViewRecord);
    m_out.WriteU8(static_cast<uint8_t>(count));
    for (int i = 0; i < count; ++i)
        WriteView(Need(m_db->View(i), "Could not get view in the internal object model."));
}

void CTbPDBWriter::WriteView(const CTbObjView& view) {
    WriteFixedText(view.GetName(), 21);
    for (int k = 1; k <= 3; ++k) m_out.WriteU8(static_cast<uint8_t>(view.GetSortKey(k).field));
    for (int k = 1; k <= 3; ++k) m_out.WriteU8(static_cast<uint8_t>(view.GetSortKey(k).direction));
    m_out.WriteU16(DefaultFilterMask(view.GetDefaultFilter()));
    m_out.WriteU8(static_cast<uint8_t>(view.GetFrozenColumns()));
    m_out.WriteU8(0);  // first column
    WriteZeros(6);
    int count = CountByte(view.ColumnCount());
    m_out.WriteU8(static_cast<uint8_t>(count));
    for (int i = 0; i < count; ++i) {
        const CTbObjViewColumn& column = *view.Column(i);
        m_out.WriteU8(static_cast<uint8_t>(column.GetField()));
        m_out.WriteU8(static_cast<uint8_t>(column.GetWidth()));
        m_out.WriteU8(column.GetIdenticalSuppress() ? 1 : 0);
        WriteZeros(2);
    }
}

void CTbPDBWriter::WriteFilterRecord() {
    int count = CountByte(m_db->FilterCount());
    m_out.WriteU8(TbPdb::kFilterRecord);
    m_out.WriteU8(static_cast<uint8_t>(count));
    for (int i = 0; i < count; ++i) WriteFilterBlock(Need(m_db->Filter(i), "NULL filter object."));
    WriteFilterBlock(m_db->ExternalFilter());
    WriteFilterBlock(m_db->QuickFilter());
}

void CTbPDBWriter::WriteFilterBlock(const CTbObjFilter& filter) {
    WriteFixedText(filter.GetName(), 21);
    for (int i = 0; i < 3; ++i) {
        CTbObjFilter::Condition condition = filter.GetCondition(i);
        m_out.WriteU8(static_cast<uint8_t>(condition.field));
        m_out.WriteU8(static_cast<uint8_t>(condition.secondField));
    }
    for (int i = 0; i < 3; ++i) WriteFixedText(filter.GetCondition(i).constant, 20);
    for (int i = 0; i < 3; ++i) m_out.WriteU8(static_cast<uint8_t>(filter.GetCompareOperator(i)));
    for (int j = 0; j < 2; ++j) m_out.WriteU8(static_cast<uint8_t>(filter.GetLogicOperator(j)));
    WriteZeros(4);
}
