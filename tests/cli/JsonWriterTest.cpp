// The streaming JSON writer against the JSON library's own dump(2): the same bytes for
// escapes, Windows-1252 texts, numbers and nesting.
#include "cli/JsonExport.h"
#include "cli/JsonSupport.h"
#include "cli/JsonWriter.h"

#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace {

using orvanta::cli::Json;
using orvanta::cli::JsonFloat;
using orvanta::cli::JsonWriter;

std::string Written(const std::function<void(JsonWriter&)>& write) {
    JsonWriter out;
    write(out);
    return out.Gathered();
}

TEST(JsonWriter, TextsAreEscapedAndConvertedAsTheLibraryDumpsThem) {
    const std::string texts[] = {
        "plain",        "quote \" and backslash \\", "\b\f\n\r\t",           std::string("\x01\x1f\x7f", 3),
        "caf\xe9 \x80", "\x81\x8d\x8f\x90\x9d",      std::string("a\0b", 3), "",
    };
    for (const std::string& text : texts) {
        Json expected = orvanta::platform::Utf8FromWindows1252(text);
        EXPECT_EQ(Written([&](JsonWriter& out) { out.Text(text); }), expected.dump(2)) << text;
    }
}

TEST(JsonWriter, NumbersTakeTheLibrarysForms) {
    const float floats[] = {1.5f,
                            0.1f,
                            1.1f,
                            100.0f,
                            123456789.0f,
                            1e20f,
                            1e-7f,
                            -0.0f,
                            -2.25f,
                            0.0f,
                            3.4028235e38f,
                            std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity()};
    for (float value : floats)
        EXPECT_EQ(Written([&](JsonWriter& out) { out.Double(JsonFloat(value)); }),
                  Json(JsonFloat(value)).dump(2))
            << value;
    const int64_t integers[] = {0, -1, 32767, -32768, 2147483647, -2147483648LL};
    for (int64_t value : integers)
        EXPECT_EQ(Written([&](JsonWriter& out) { out.Signed(value); }), Json(value).dump(2));
    EXPECT_EQ(Written([](JsonWriter& out) { out.Unsigned(4294967295u); }), Json(4294967295u).dump(2));
}

TEST(JsonWriter, NestingIndentsAndSeparatesAsTheLibraryDoes) {
    Json expected = {{"empty object", Json::object()},
                     {"empty array", Json::array()},
                     {"list", {1, true, nullptr, "x"}},
                     {"inner", {{"a", {{"b", Json::array({Json::object()})}}}}}};
    std::string written = Written([](JsonWriter& out) {
        out.BeginObject();
        out.Key("empty object").BeginObject();
        out.EndObject();
        out.Key("empty array").BeginArray();
        out.EndArray();
        out.Key("list").BeginArray();
        out.Value(1);
        out.Value(true);
        out.Null();
        out.String("x");
        out.EndArray();
        out.Key("inner").BeginObject();
        out.Key("a").BeginObject();
        out.Key("b").BeginArray();
        out.BeginObject();
        out.EndObject();
        out.EndArray();
        out.EndObject();
        out.EndObject();
        out.EndObject();
    });
    EXPECT_EQ(written, expected.dump(2));
}

}  // namespace
