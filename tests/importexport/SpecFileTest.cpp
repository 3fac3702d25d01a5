// The ".tps" file of saved specifications: written, read back, read in other letter case, edited.
#include "importexport/CORVTImportExportSpecListXml.h"

#include <gtest/gtest.h>

#include <cctype>

#include "support/TempDir.h"

namespace {

const std::string kFile =
    "<ORVT_IMPORT_EXPORT_SPECS VERS=\"301\">\r\n"
    "\t<IMPORT_SPEC SPEC_NAME=\"In _1_\" IMPORT_PATH=\"/data/in.csv\">\r\n"
    "\t\t<IE_OPTIONS FIRST_REC_FIELDS=\"1\" DELIMITER=\"2\" DATE_FORMAT=\"1\" TIME_HAS_SECONDS=\"1\" "
    "TIME_MILITARY=\"0\" REPLACE_RECS=\"0\"></IE_OPTIONS>\r\n"
    "\t\t<IMPORT_FIELD IMPORT_FIELD_NAME=\"Title\" IMPORT_FIELD_TYPE=\"1\" "
    "IMPORT_TB_FIELD_INDEX=\"3\"></IMPORT_FIELD>\r\n"
    "\t\t<IMPORT_FIELD IMPORT_FIELD_NAME=\"Skip\" IMPORT_FIELD_TYPE=\"2\" "
    "IMPORT_TB_FIELD_INDEX=\"65535\"></IMPORT_FIELD>\r\n"
    "\t</IMPORT_SPEC>\r\n"
    "\t<EXPORT_SPEC SPEC_NAME=\"Out\" EXPORT_PATH=\"/data/out.txt\">\r\n"
    "\t\t<IE_OPTIONS FIRST_REC_FIELDS=\"0\" DELIMITER=\"0\" DATE_FORMAT=\"0\" TIME_HAS_SECONDS=\"0\" "
    "TIME_MILITARY=\"1\" REPLACE_RECS=\"1\"></IE_OPTIONS>\r\n"
    "\t\t<EXPORT_FIELD_INDEX FIELD_INDEX=\"2\"></EXPORT_FIELD_INDEX>\r\n"
    "\t\t<EXPORT_FIELD_INDEX FIELD_INDEX=\"5\"></EXPORT_FIELD_INDEX>\r\n"
    "\t</EXPORT_SPEC>\r\n"
    "</ORVT_IMPORT_EXPORT_SPECS>\r\n";

// What a list read from a file writes back.
std::string Rewritten(const std::string& path, CORVTImportExportSpecListXml* read) {
    read->SetPath(path);
    if (read->Load() != 0) return "not read";
    read->SetPath(path + ".again");
    return read->Save() == 0 ? ReadTextFile(path + ".again") : "not written";
}

TEST(SpecFile, WritesElementsAndReadsThemBack) {
    TempDir dir;
    CORVTImportExportSpecListXml list;
    list.SetPath(CORVTImportExportSpecListXml::PathForTabulon(dir.File("MRA_Books.PDB")));
    EXPECT_EQ(list.GetPath(), dir.File("MRA_Books.tps"));
    ImportExportOptions options{1, 2, 1, 0, 1, 0, 0};
    CORVTImportExportSpecXml* import = list.AddSpec(SPEC_KIND_IMPORT, "In <1>", "/data/in.csv");
    import->SetOptions(options);
    import->AddImportField("Title", TEXT_T, 3);
    import->AddImportField("Skip", INTEGER_T, kNotMapped);
    CORVTImportExportSpecXml* exported = list.AddSpec(SPEC_KIND_EXPORT, "Out", "/data/out.txt");
    exported->SetOptions(ImportExportOptions{0, 0, 0, 1, 0, 1, 0});
    for (int slot : {2, 5, 2}) exported->AddExportField(slot);
    ASSERT_EQ(list.Save(), 0);
    EXPECT_EQ(ReadTextFile(list.GetPath()), kFile);
    CORVTImportExportSpecListXml read;
    EXPECT_EQ(Rewritten(list.GetPath(), &read), kFile);
    EXPECT_EQ(read.Spec(1)->GetIndex(), 1);
}

TEST(SpecFile, NamesInAnyLetterCaseAndMissingFiles) {
    TempDir dir;
    std::string lower;
    for (char c : kFile) lower.push_back(static_cast<char>(c == '"' ? c : std::tolower(c)));
    lower.replace(lower.find("in _1_"), 6, "In _1_");  // the values stay as they were
    lower.replace(lower.find("title"), 5, "Title");
    lower.replace(lower.find("skip"), 4, "Skip");
    lower.replace(lower.find("\"out\""), 5, "\"Out\"");
    WriteTextFile(dir.File("MRA_X.tps"), lower);
    CORVTImportExportSpecListXml list;
    EXPECT_EQ(Rewritten(dir.File("MRA_X.tps"), &list), kFile);
    list.SetPath(dir.File("missing.tps"));
    EXPECT_EQ(list.Load(), static_cast<int32_t>(0x80030002u));
    EXPECT_EQ(list.Count(), 0);
}

TEST(SpecFile, RemovesOnlyByIndexAndExactName) {
    CORVTImportExportSpecListXml list;
    for (const char* name : {"A", "B", "C"}) list.AddSpec(SPEC_KIND_EXPORT, name, "");
    EXPECT_EQ(list.Spec(0)->GetOptions().firstRecordFieldNames, 1);  // a new specification's default
    list.RemoveSpec(1, "b");
    EXPECT_EQ(list.Count(), 3);
    list.RemoveSpec(1, "B");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Spec(1)->GetName(), "C");
    EXPECT_EQ(list.Spec(1)->GetIndex(), 1);
    EXPECT_EQ(list.FindSpec("C"), list.Spec(1));
    EXPECT_EQ(list.Spec(2), nullptr);
}

// The encoding and export format are extra attributes of IE_OPTIONS, written only when chosen,
// so that a specification without them reads and writes as before.
TEST(SpecFile, KeepsTheEncodingAndFormatAsExtraAttributes) {
    TempDir dir;
    CORVTImportExportSpecListXml list;
    list.SetPath(dir.File("MRA_X.tps"));
    list.AddSpec(SPEC_KIND_IMPORT, "In", "/in.csv")->SetEncoding(TextEncoding::Utf16);
    CORVTImportExportSpecXml* out = list.AddSpec(SPEC_KIND_EXPORT, "Out", "/out.txt");
    out->SetEncoding(TextEncoding::Utf8Signed);
    out->SetExportFormat(ExportFormat::Sqlite);
    list.AddSpec(SPEC_KIND_EXPORT, "Plain", "/plain.csv");
    ASSERT_EQ(list.Save(), 0);
    const std::string text = ReadTextFile(list.GetPath());
    EXPECT_NE(text.find("REPLACE_RECS=\"0\" TEXT_ENCODING=\"utf-16\"></IE_OPTIONS>"), std::string::npos)
        << text;
    EXPECT_NE(text.find("TEXT_ENCODING=\"utf-8-bom\" FILE_FORMAT=\"sqlite\"></IE_OPTIONS>"),
              std::string::npos);
    EXPECT_EQ(text.find("TEXT_ENCODING", text.find("Plain")), std::string::npos);
    CORVTImportExportSpecListXml read;
    read.SetPath(list.GetPath());
    ASSERT_EQ(read.Load(), 0);
    EXPECT_EQ(read.Spec(0)->GetEncoding(), TextEncoding::Utf16);
    EXPECT_EQ(read.Spec(1)->GetEncoding(), TextEncoding::Utf8Signed);
    EXPECT_EQ(read.Spec(1)->GetExportFormat(), ExportFormat::Sqlite);
    EXPECT_EQ(read.Spec(2)->GetEncoding(), TextEncoding::Ansi);
    EXPECT_FALSE(read.Spec(2)->GetExportFormat().has_value());
}

}  // namespace
