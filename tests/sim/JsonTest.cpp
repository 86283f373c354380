// The report reader meets files that went through schedulers, copies and disks: it must read
// sums wider than 64 bits exactly and refuse a damaged document without reading past its end.
#include <gtest/gtest.h>

#include <string>

#include "Json.h"
#include "RtpSums.h"

namespace vortala::sim::test {
namespace {

TEST(Json, WholeNumbersReadBackExactlyToTheEndsOfTheirRange) {
    const WideSum highest = static_cast<WideSum>(~static_cast<unsigned __int128>(0) >> 1),
                  lowest = -highest - 1;
    for (WideSum v : {highest, lowest, WideSum{0}, WideSum{-1}, WideSum{1} << 70}) {
        JsonValue number;
        std::string error;
        ASSERT_TRUE(ParseJson(Decimal(v), number, error)) << error;
        WideSum read = 1;
        EXPECT_TRUE(ReadWhole(&number, lowest, highest, read)) << Decimal(v);
        EXPECT_TRUE(read == v) << Decimal(v) << " read as " << Decimal(read);
    }
    // One past either end, past a narrower range, and numbers that are not whole.
    struct Refused {
        const char* text;
        WideSum low, high;
    };
    const WideSum u64 = (WideSum{1} << 64) - 1;
    const Refused refused[] = {
        {"170141183460469231731687303715884105728", lowest, highest},
        {"-170141183460469231731687303715884105729", lowest, highest},
        {"18446744073709551616", 0, u64},
        {"-1", 0, 100},
        {"1.5", 0, 100},
        {"1e3", 0, 10000},
    };
    for (const Refused& r : refused) {
        JsonValue number;
        std::string error;
        ASSERT_TRUE(ParseJson(r.text, number, error)) << error;
        WideSum read = 0;
        EXPECT_FALSE(ReadWhole(&number, r.low, r.high, read)) << r.text;
    }
}

TEST(Json, DamagedDocumentsAreRefusedSayingWhere) {
    JsonValue doc;
    std::string error;
    ASSERT_TRUE(
        ParseJson("{\"a\": [1, -2.5e3, true, null], \"b\\u00e9\\ud83d\\ude00\": \"x\\n\"}", doc, error));
    EXPECT_EQ(doc.members[1].first, "b\xc3\xa9\xf0\x9f\x98\x80");
    EXPECT_EQ(doc.Find("a")->items[1].text, "-2.5e3");

    const std::pair<std::string, const char*> damaged[] = {
        {"{\"a\": 1,", "line 1, column 9: the text ends"},
        {"{\"a\": 1,}", "member name"},
        {"{\"a\":\n  tru}", "line 2, column 3: unknown word"},
        {"[\"\\ud800\"]", "unpaired surrogate"},
        {"\"tab\there\"", "control character"},
        {"{} {}", "text after the end"},
        {std::string(100, '['), "nested too deeply"},
        {"", "the text ends"},
    };
    for (const auto& [text, message] : damaged) {
        EXPECT_FALSE(ParseJson(text, doc, error)) << text;
        EXPECT_NE(error.find(message), std::string::npos) << text << ": " << error;
    }
}

}  // namespace
}  // namespace vortala::sim::test
