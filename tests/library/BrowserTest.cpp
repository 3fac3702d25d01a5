// The library browser over real folders: the scan's order and header reads, the file-name
// check, unreadable files, the catalogue's merge rules, and create, rename, delete and samples.
#include "LibraryFixture.h"

#include "library/CORVTDTSysDB.h"
#include "library/CTbBrowser.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <fstream>
#include <set>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> DisplayNames(const CTbBrowser& browser) {
    std::vector<std::string> names;
    for (const auto& item : browser.Items()) names.push_back(item->DisplayName());
    return names;
}

bool Exists(const std::string& path) { return fs::exists(fs::symlink_status(path)); }

class Library : public testing::Test {
protected:
    std::string UserFolder() const { return home.Path().string() + "/Orvanta/"; }
    std::string DataFolder() const { return UserFolder() + "data/"; }
    int32_t Open() { return browser.OpenUserDirectory(home.Path().string(), "Ann"); }
    void MakeUserFolder() { fs::create_directories(DataFolder()); }

    TempDir home, config;
    ScopedRegistry registry{config.File("registry")};  // deleting asks the registry for the sync library
    RecordingPrompt prompt;
    CTbBrowser browser{nullptr, &prompt};
};

}  // namespace

TEST_F(Library, ScanListsByteOrderReadsHeadersAndRenamesMismatchedFiles) {
    MakeUserFolder();
    for (const char* name : {"banana", "Apple", "cherry", "Bz"}) WriteTabulon(UserFolder(), name, 3);
    fs::rename(WriteTabulon(UserFolder(), "Real"), UserFolder() + "MRA_Wrong.PDB");
    WriteBytes(UserFolder() + "MRA_Broken.PDB", PatternBytes(100));
    fs::create_symlink(WriteTabulon(home.Path().string(), "Outside"), UserFolder() + "MRA_Link.PDB");
    WriteTabulon(UserFolder(), "ignored.txt");  // not "MRA_*.PDB" once renamed below
    fs::rename(UserFolder() + "MRA_ignored.txt.PDB", UserFolder() + "MRA_ignored.txt");

    EXPECT_EQ(Open(), 1);  // no catalogue before
    EXPECT_EQ(DisplayNames(browser),
              (std::vector<std::string>{"Apple", "Broken", "Bz", "Real", "banana", "cherry"}));
    CTbItem* apple = browser.FindByDisplayName("Apple");
    ASSERT_NE(apple, nullptr);
    EXPECT_EQ(apple->Db().GetLoadState(), TB_LOAD_HEADER);
    EXPECT_EQ(apple->Db().RecordCount(), 3);
    EXPECT_EQ(apple->GetStatus(), TB_STATUS_NEEDS_SYNC);
    EXPECT_TRUE(Exists(UserFolder() + "MRA_Real.PDB"));
    EXPECT_FALSE(Exists(UserFolder() + "MRA_Wrong.PDB"));
    EXPECT_TRUE(Exists(DataFolder() + "ORVTSysDB.dat"));

    CTbItem* broken = browser.FindByFileName("mra_broken.pdb");
    ASSERT_NE(broken, nullptr);
    EXPECT_EQ(broken->Db().GetLoadState(), TB_LOAD_FAILED);
    EXPECT_FALSE(broken->GetLastErrorText().empty());
    EXPECT_LT(broken->Save(), 0);
    ASSERT_EQ(prompt.texts.size(), 1u);
    EXPECT_EQ(prompt.texts[0].rfind("Error: The Tabulon is corrupted or cannot be read.", 0), 0u);
    EXPECT_EQ(ReadBytes(UserFolder() + "MRA_Broken.PDB"), PatternBytes(100));
    EXPECT_EQ(Open(), 0);  // the catalogue exists now
}

TEST_F(Library, HeaderNamesThatWouldLeaveTheFolderKeepTheFileName) {
    MakeUserFolder();
    for (const char* hostile : {"../../Escape", "/tmp/Escape", "MRA_a/../b", "MRA_.."}) {
        CTbObjDB db;
        db.SetPdbName(hostile);
        db.SetLocation(UserFolder() + "MRA_Hostile.PDB", true);
        db.SetLoadState(TB_LOAD_NEW);
        ASSERT_GE(db.Save(), 0);
        std::set<fs::path> before(fs::directory_iterator(home.Path()), fs::directory_iterator());
        Open();
        std::set<fs::path> after(fs::directory_iterator(home.Path()), fs::directory_iterator());
        EXPECT_EQ(before, after) << hostile;
        ASSERT_EQ(browser.Items().size(), 1u) << hostile;
        std::string name = browser.Items()[0]->FileName();
        EXPECT_TRUE(IsTabulonFileName(name)) << hostile << " -> " << name;
        EXPECT_TRUE(Exists(UserFolder() + name)) << hostile;
        browser.Reset();
        fs::remove(UserFolder() + name);
    }
}

TEST_F(Library, CatalogueEntriesApplyByNameThenFileNameAndAreWrittenBack) {
    MakeUserFolder();
    for (const char* name : {"One", "Two", "Three"}) WriteTabulon(UserFolder(), name);
    std::ofstream(DataFolder() + "ORVTSysDB.dat", std::ios::binary)
        << "<ORVTSYSDB VERS=\"999\">\r\n"
           "\t<TBITEM NAME=\"mra_one\" FILENAME=\"MRA_One.PDB\" STATUS=\"2\" HHLASTMOD=\"-5\" "
           "CARD_GUID=\"0a0B0c0D0e0F10111213141z\"></TBITEM>\r\n"
           "\t<tbitem NAME=\"MRA_Nobody\" FILENAME=\"mra_two.pdb\" STATUS=\"3\" HHLASTMOD=\"x\"></tbitem>\r\n"
           "\t<TBITEM NAME=\"MRA_Gone\" FILENAME=\"MRA_Gone.PDB\" STATUS=\"2\"></TBITEM>\r\n"
           "\t<DELTBITEM NAME=\"MRA_Old\" HHLASTMOD=\"7\" "
           "CARD_GUID=\"000000000000000000000000\"></DELTBITEM>\r\n"
           "\t<EXP_CARD CARD_NAME=\"First\" CARD_GUID=\"0A0B0C0D0E0F101112131410\"></EXP_CARD>\r\n"
           "\t<EXP_CARD CARD_NAME=\"Second\" CARD_GUID=\"0A0B0C0D0E0F101112131410FFFF\"></EXP_CARD>\r\n"
           "</ORVTSYSDB>\r\n";
    EXPECT_EQ(Open(), 0);
    CTbItem* one = browser.FindByDisplayName("One");
    EXPECT_EQ(one->GetStatus(), TB_STATUS_MODIFIED);
    EXPECT_EQ(one->GetHandheldStamp(), -5);
    EXPECT_EQ(browser.CardDisplayName(one->GetCardId()), "Second");  // last byte "1z" decodes as 0x10
    EXPECT_EQ(browser.FindByDisplayName("Two")->GetStatus(), TB_STATUS_CURRENT);
    EXPECT_EQ(browser.FindByDisplayName("Three")->GetStatus(), TB_STATUS_NEEDS_SYNC);
    ASSERT_EQ(browser.DeletedItems().size(), 1u);
    EXPECT_EQ(browser.DeletedItems()[0]->GetStatus(), TB_STATUS_DELETED);
    EXPECT_EQ(browser.CardCount(), 1);
    EXPECT_EQ(browser.CardDisplayName(CardId{}), "Handheld");

    browser.MoveCardItemsToHandheld(one->GetCardId());
    EXPECT_EQ(one->GetStatus(), TB_STATUS_NEEDS_SYNC);
    EXPECT_FALSE(browser.AnyItemOnCard(browser.Card(0).id));
    browser.Reset();
    EXPECT_EQ(ReadTextFile(DataFolder() + "ORVTSysDB.dat"),
              "<ORVTSYSDB VERS=\"301\">\r\n"
              "\t<TBITEM NAME=\"MRA_One\" FILENAME=\"MRA_One.PDB\" STATUS=\"1\" HHLASTMOD=\"-5\" "
              "CARD_GUID=\"000000000000000000000000\"></TBITEM>\r\n"
              "\t<TBITEM NAME=\"MRA_Three\" FILENAME=\"MRA_Three.PDB\" STATUS=\"1\" HHLASTMOD=\"0\" "
              "CARD_GUID=\"000000000000000000000000\"></TBITEM>\r\n"
              "\t<TBITEM NAME=\"MRA_Two\" FILENAME=\"MRA_Two.PDB\" STATUS=\"0\" HHLASTMOD=\"0\" "
              "CARD_GUID=\"000000000000000000000000\"></TBITEM>\r\n"
              "\t<DELTBITEM NAME=\"MRA_Old\" HHLASTMOD=\"7\" "
              "CARD_GUID=\"000000000000000000000000\"></DELTBITEM>\r\n"
              "\t<EXP_CARD CARD_NAME=\"Second\" CARD_GUID=\"0A0B0C0D0E0F101112131410\"></EXP_CARD>\r\n"
              "</ORVTSYSDB>\r\n");
}

TEST_F(Library, HostileCataloguesNeverReachOutsideTheFolderOrStopTheLibrary) {
    struct Row {
        const char* name;
        std::string text;
    };
    std::string longName(5000, 'A');
    std::vector<Row> rows = {
        {"BinaryGarbage", std::string(reinterpret_cast<const char*>(PatternBytes(4096).data()), 4096)},
        {"NoRootElement", "<TBITEM NAME=\"MRA_Keep\" STATUS=\"2\"></TBITEM>"},
        {"PathNames",
         "<R><DELTBITEM NAME=\"../../../Victim\"></DELTBITEM><TBITEM NAME=\"/etc/passwd\" "
         "FILENAME=\"../MRA_Keep.PDB\" STATUS=\"2\"></TBITEM></R>"},
        {"LongNames", "<R><TBITEM NAME=\"" + longName + "\"></TBITEM><EXP_CARD CARD_NAME=\"" + longName +
                          "\"></EXP_CARD></R>"},
        {"ManyDeletedItems", "<R>" +
                                 [] {
                                     std::string many;
                                     for (int i = 0; i < 5000; ++i)
                                         many += "<DELTBITEM NAME=\"MRA_D" + std::to_string(i) +
                                                 "\"></DELTBITEM>";
                                     return many;
                                 }() +
                                 "</R>"},
    };
    MakeUserFolder();
    WriteTabulon(UserFolder(), "Keep");
    WriteBytes(home.File("Victim"), {1, 2, 3});
    for (const Row& row : rows) {
        std::ofstream(DataFolder() + "ORVTSysDB.dat", std::ios::binary) << row.text;
        Open();
        ASSERT_EQ(DisplayNames(browser), std::vector<std::string>{"Keep"}) << row.name;
        EXPECT_EQ(browser.Items()[0]->FileName(), "MRA_Keep.PDB") << row.name;
        EXPECT_LE(browser.DeletedItems().size(), CTbBrowser::kMaxDeletedItems) << row.name;
        bool deleted;
        browser.NameCheck("Keep", &deleted);
        browser.Reset();
        EXPECT_EQ(ReadBytes(home.File("Victim")), (std::vector<uint8_t>{1, 2, 3})) << row.name;
    }
    // A catalogue of 2 GB is not read; a fresh one takes its place.
    fs::resize_file(DataFolder() + "ORVTSysDB.dat", uint64_t{2} << 30);
    EXPECT_EQ(Open(), 0);
    EXPECT_EQ(browser.Items()[0]->GetStatus(), TB_STATUS_NEEDS_SYNC);
    EXPECT_LT(fs::file_size(DataFolder() + "ORVTSysDB.dat"), 1000u);
}

TEST_F(Library, CreateRenameDeleteKeepFilesCatalogueAndNameChecksInStep) {
    EXPECT_EQ(Open(), 1);
    CardId card{};
    card[0] = 0xAB;
    ASSERT_GE(browser.CreateTabulon("New One", 0, card), 0);
    ASSERT_EQ(browser.Items().size(), 1u);
    EXPECT_EQ(browser.Items()[0]->GetCardId(), card);
    EXPECT_TRUE(Exists(UserFolder() + "MRA_New One.PDB"));
    EXPECT_FALSE(browser.NameCheckShown("new one"));
    EXPECT_EQ(prompt.texts.back(), "Cannot create new one.  A Tabulon with this name already exists.");

    WriteBytes(DataFolder() + "MRA_New One.tps", {9});
    ASSERT_GE(browser.Rename("MRA_New One.PDB", "Renamed"), 0);
    EXPECT_FALSE(Exists(UserFolder() + "MRA_New One.PDB"));
    EXPECT_EQ(ReadBytes(DataFolder() + "MRA_Renamed.tps"), std::vector<uint8_t>{9});
    Open();  // the next scan keeps the new name: it is in the file's header too
    ASSERT_EQ(DisplayNames(browser), std::vector<std::string>{"Renamed"});
    EXPECT_EQ(browser.Items()[0]->FileName(), "MRA_Renamed.PDB");
    EXPECT_EQ(browser.Items()[0]->GetStatus(), TB_STATUS_NEEDS_SYNC);

    ASSERT_GE(browser.Delete("mra_renamed", false), 0);
    EXPECT_FALSE(Exists(UserFolder() + "MRA_Renamed.PDB"));
    EXPECT_FALSE(Exists(DataFolder() + "MRA_Renamed.tps"));
    ASSERT_EQ(browser.DeletedItems().size(), 1u);
    EXPECT_EQ(browser.DeletedItems()[0]->GetStatus(), TB_STATUS_DELETED);
    Open();
    EXPECT_FALSE(browser.NameCheckShown("RENAMED"));
    EXPECT_EQ(prompt.texts.back().rfind("Cannot create  RENAMED. A Tabulon with this name was deleted", 0),
              0u);
}

TEST_F(Library, SamplesInstallOnceAndEmptyFoldersFindNone) {
    Open();
    TempDir samples;
    WriteTabulon(samples.Path().string(), "Sample A", 2);
    WriteTabulon(samples.Path().string(), "Sample B");
    ASSERT_EQ(browser.ScanSamples(samples.Path().string()), 2);
    ASSERT_GE(browser.InstallSample(*browser.Samples()[0]), 0);
    EXPECT_EQ(ReadBytes(UserFolder() + "MRA_Sample A.PDB"), ReadBytes(samples.File("MRA_Sample A.PDB")));
    EXPECT_EQ(browser.FindByDisplayName("Sample A")->Db().RecordCount(), 2);
    EXPECT_LT(browser.InstallSample(*browser.Samples()[0]), 0);
    EXPECT_EQ(prompt.texts.back(), "Cannot create Sample A.  A Tabulon with this name already exists.");
    TempDir empty;
    EXPECT_EQ(browser.ScanSamples(empty.Path().string()), 0);
}
