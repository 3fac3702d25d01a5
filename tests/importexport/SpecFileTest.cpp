// The ".tps" file of saved specifications: written, read back, read in other letter case, edited.
#include "importexport/CORVTImportExportSpecListXml.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

std::string Text(const std::string& path) {
    std::vector<uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(SpecFile, WritesElementsAndReadsThemBack) {
    TempDir dir;
    CORVTImportExportSpecListXml list;
    list.SetPath(CORVTImportExportSpecListXml::PathForTabulon(dir.File("MRA_Books.PDB")));
    EXPECT_EQ(list.GetPath(), dir.File("MRA_Books.tps"));
    CORVTImportExportSpecXml* import = list.AddSpec(SPEC_KIND_IMPORT, "In <1>", "/data/in.csv");
    ImportExportOptions options;
    options.firstRecordFieldNames = 1;
    options.delimiter = 2;
    options.dateFormat = 1;
    options.timeHasSeconds = 1;
    import->SetOptions(options);
    import->AddImportField("Title", TEXT_T, 3);
    import->AddImportField("Skip", INTEGER_T, kNotMapped);
    CORVTImportExportSpecXml* exported = list.AddSpec(SPEC_KIND_EXPORT, "Out", "/data/out.txt");
    for (int slot : {2, 5, 2}) exported->AddExportField(slot);
    ASSERT_EQ(list.Save(), 0);

    const std::string text = Text(list.GetPath());
    EXPECT_EQ(text.find("<ORVT_IMPORT_EXPORT_SPECS VERS=\"301\">"), 0u);
    EXPECT_NE(text.find("SPEC_NAME=\"In _1_\""), std::string::npos);
    EXPECT_NE(text.find("FIRST_REC_FIELDS=\"1\" DELIMITER=\"2\" DATE_FORMAT=\"1\" TIME_HAS_SECONDS=\"1\" "
                        "TIME_MILITARY=\"0\" REPLACE_RECS=\"0\""),
              std::string::npos);
    EXPECT_NE(text.find("IMPORT_TB_FIELD_INDEX=\"65535\""), std::string::npos);

    CORVTImportExportSpecListXml read;
    read.SetPath(list.GetPath());
    ASSERT_EQ(read.Load(), 0);
    ASSERT_EQ(read.Count(), 2);
    const CORVTImportExportSpecXml& in = *read.Spec(0);
    EXPECT_EQ(in.GetKind(), SPEC_KIND_IMPORT);
    EXPECT_EQ(in.GetName(), "In _1_");
    EXPECT_EQ(in.GetImportPath(), "/data/in.csv");
    EXPECT_EQ(in.GetOptions().delimiter, 2);
    EXPECT_EQ(in.GetOptions().dateFormat, 1);
    EXPECT_EQ(in.GetOptions().timeHasSeconds, 1);
    EXPECT_EQ(in.GetOptions().replaceRecords, 0);
    ASSERT_EQ(in.ImportFieldCount(), 2);
    EXPECT_EQ(in.ImportField(0)->value, "Title");
    EXPECT_EQ(in.ImportField(0)->target, 3);
    EXPECT_EQ(in.ImportField(1)->type, INTEGER_T);
    EXPECT_EQ(in.ImportField(1)->target, kNotMapped);
    EXPECT_EQ(read.Spec(1)->GetExportPath(), "/data/out.txt");
    EXPECT_EQ(read.Spec(1)->ExportFields(), (std::vector<int32_t>{2, 5}));
    EXPECT_EQ(read.Spec(1)->GetIndex(), 1);
}

TEST(SpecFile, NamesInAnyLetterCaseAndMissingFiles) {
    TempDir dir;
    const std::string path = dir.File("MRA_X.tps");
    const std::string file =
        "<orvt_import_export_specs vers=\"301\">\n\t<Export_Spec Spec_Name=\"E\" export_path=\"/o.csv\">\n"
        "\t\t<ie_options first_rec_fields=\"0\" delimiter=\"0\" time_military=\"1\" replace_recs=\"1\">"
        "</ie_options>\n\t\t<export_field_index field_index=\"7\"></export_field_index>\n"
        "\t\t<Import_Field "
        "import_field_name=\"n\"></Import_Field>\n\t</Export_Spec>\n</orvt_import_export_specs>\n";
    WriteBytes(path, std::vector<uint8_t>(file.begin(), file.end()));
    CORVTImportExportSpecListXml list;
    list.SetPath(path);
    ASSERT_EQ(list.Load(), 0);
    ASSERT_EQ(list.Count(), 1);
    const CORVTImportExportSpecXml& spec = *list.Spec(0);
    EXPECT_EQ(spec.GetName(), "E");
    EXPECT_EQ(spec.GetExportPath(), "/o.csv");
    EXPECT_EQ(spec.GetOptions().firstRecordFieldNames, 0);
    EXPECT_EQ(spec.GetOptions().timeMilitary, 1);
    EXPECT_EQ(spec.GetOptions().replaceRecords, 1);
    EXPECT_EQ(spec.ExportFields(), std::vector<int32_t>{7});
    EXPECT_EQ(spec.ImportFieldCount(), 1);  // an import field counts whatever the kind
    list.SetPath(dir.File("missing.tps"));
    EXPECT_EQ(list.Load(), static_cast<int32_t>(0x80030002u));
    EXPECT_EQ(list.Count(), 0);
}

TEST(SpecFile, RemovesOnlyByIndexAndExactName) {
    CORVTImportExportSpecListXml list;
    for (const char* name : {"A", "B", "C"}) list.AddSpec(SPEC_KIND_EXPORT, name, "");
    list.RemoveSpec(1, "b");
    EXPECT_EQ(list.Count(), 3);
    list.RemoveSpec(1, "B");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Spec(1)->GetName(), "C");
    EXPECT_EQ(list.Spec(1)->GetIndex(), 1);
    EXPECT_EQ(list.FindSpec("C"), list.Spec(1));
    EXPECT_EQ(list.Spec(2), nullptr);
}

}  // namespace
