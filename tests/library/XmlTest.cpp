// The XML writer and parser on their own: the writer's lines and CR LF, the parser's states on
// hand-written files, and the pair round trip.
#include "library/CQnXmlParser.h"
#include "library/CQnXmlWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// Records every event as one line of text.
class EventLog : public IQnXmlPersistedObj {
public:
    IQnXmlPersistedObj* OnStartElement(const std::string& element) override {
        events.push_back("start " + element);
        return nullptr;
    }
    void OnAttribute(const std::string& element, const std::string& name, const std::string& value) override {
        events.push_back("attr " + element + " " + name + "=[" + value + "]");
    }
    void OnText(const std::string& element, const std::string& text, int reserved) override {
        events.push_back("text " + element + " [" + text + "] " + std::to_string(reserved));
    }
    void OnEndElement(const std::string& element) override { events.push_back("end " + element); }
    std::vector<std::string> events;
};

std::vector<std::string> ParseText(const TempDir& dir, const std::string& text, int32_t* result = nullptr) {
    std::ofstream(dir.File("in.xml"), std::ios::binary) << text;
    EventLog log;
    CQnXmlParser parser;
    EXPECT_EQ(parser.Load(dir.File("in.xml"), &log), 0);
    int32_t parsed = parser.Parse();
    if (result) *result = parsed;
    return log.events;
}

}  // namespace

TEST(XmlWriter, ElementsWithoutChildrenAreOneLineAndFileLinesEndInCrLf) {
    TempDir dir;
    CQnXmlWriter writer;
    writer.AddAttribute("LOST", "1");  // no element open: dropped
    EXPECT_TRUE(writer.EndElement());  // likewise
    ASSERT_TRUE(writer.Open(dir.File("out.xml"), true));
    writer.StartElement("A");
    writer.AddAttribute("N", int32_t{5});
    writer.AddAttribute("NEG", int32_t{-7});
    writer.AddAttribute("T", true);
    writer.AddAttribute("F", false);
    writer.StartElement("B");
    writer.AddAttribute("Q", "say \"hi\" <&>");
    writer.EndElement();
    writer.StartElement("C");
    writer.SetValue("x<y", true);
    writer.EndElement();
    writer.EndElement();
    writer.Close();
    EXPECT_EQ(ReadTextFile(dir.File("out.xml")),
              "<A N=\"5\" NEG=\"-7\" T=\"1\" F=\"0\">\r\n"
              "\t<B Q=\"say \"hi\" <&>\"></B>\r\n"
              "\t<C><![CDATA[x<y]]></C>\r\n"
              "</A>\r\n");
    EXPECT_FALSE(writer.WriteLine("late"));
    EXPECT_EQ(writer.GetLastError(), "File not open");
}

TEST(XmlWriter, WithoutAFileLinesGoToTheBufferWithoutIndentation) {
    CQnXmlWriter writer;
    EXPECT_FALSE(writer.Open("/nonexistent-folder/x.xml"));
    writer.StartElement("R");
    writer.StartElement("E");
    writer.SetValue("v", false);
    writer.EndElement();
    writer.EndElement();
    EXPECT_EQ(writer.GetBuffer(), "<R>\n<E>v</E>\n</R>\n");
}

struct ParseCase {
    const char* name;
    const char* text;
    std::vector<std::string> events;
};

class XmlParserCases : public testing::TestWithParam<ParseCase> {};

TEST_P(XmlParserCases, DeliversTheEvents) {
    TempDir dir;
    int32_t result = -1;
    EXPECT_EQ(ParseText(dir, GetParam().text, &result), GetParam().events);
    EXPECT_EQ(result, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Xml, XmlParserCases,
    testing::Values(
        ParseCase{"QuotedAndBareValues",
                  "<E X=\"1\" Y=2></E>",
                  {"start E", "attr E X=[1]", "attr E Y=[2]", "end E"}},
        ParseCase{"SpaceInsideAQuotedValue", "<E X=\"a b\"></E>", {"start E", "attr E X=[a b]", "end E"}},
        ParseCase{"GreaterThanInsideAValueEndsTheTag",
                  "<E X=\"a>b\"></E>",
                  {"start E", "attr E X=[\"a]", "text E [b\">] 0", "end E"}},
        ParseCase{"NoEntityDecoding",
                  "<E X=\"&amp;\">&lt;</E>",
                  {"start E", "attr E X=[&amp;]", "text E [&lt;] 0", "end E"}},
        ParseCase{"LeadingBlanksOfTextDroppedTrailingKept",
                  "<E>  a b \n</E>",
                  {"start E", "text E [a b \n] 0", "end E"}},
        ParseCase{"CrLfBetweenElementsIsNoText",
                  "<R>\r\n\t<E></E>\r\n</R>\r\n",
                  {"start R", "start E", "end E", "end R"}},
        ParseCase{"SlashBeforeCloseBelongsToTheName", "<E/>", {"start E/"}},
        ParseCase{"DeclarationIsAStartTag",
                  "<?xml version=\"1.0\"?><E></E>",
                  {"start ?xml", "attr ?xml version=[\"1.0\"?]", "start E", "end E"}},
        ParseCase{"NoRootElementNoEvents", "just text, no tag", {}}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(XmlParser, LongNamesAreCutAtTheirBuffersAndDeepNestingEndsTheParse) {
    TempDir dir;
    std::string longName(200, 'N'), longValue(2000, 'v');
    auto events = ParseText(dir, "<" + longName + " A=\"" + longValue + "\"></x>");
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0], "start " + std::string(63, 'N'));
    EXPECT_EQ(events[1], "attr " + std::string(63, 'N') + " A=[\"" + std::string(510, 'v') + "]");
    std::string deep;
    for (size_t i = 0; i <= CQnXmlParser::kMaxDepth; ++i) deep += "<a>";
    int32_t result = 0;
    ParseText(dir, deep, &result);
    EXPECT_EQ(result, static_cast<int32_t>(0x80004005u));
}

TEST(XmlParser, MissingFileAndMissingHandlerFail) {
    TempDir dir;
    EventLog log;
    CQnXmlParser parser;
    EXPECT_EQ(parser.Load(dir.File("missing.xml"), &log), static_cast<int32_t>(0x80030002u));
    EXPECT_EQ(parser.Parse(), static_cast<int32_t>(0x80004005u));
    EXPECT_EQ(parser.Load(dir.File("missing.xml"), nullptr), static_cast<int32_t>(0x80004005u));
}
