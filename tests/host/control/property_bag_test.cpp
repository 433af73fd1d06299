#include "host/control/property_bag.h"
#include "tests/support/error_of.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "host/error.h"

namespace gridkit::host {
namespace {

using gridkit::test_support::ErrorOf;

std::vector<std::string> NamesOf(const PropertyBag& bag) {
  std::vector<std::string> names;
  for (const auto& entry : bag.Entries())
    names.push_back(entry.first);
  return names;
}

class PropertyBagTest : public ::testing::Test {
 protected:
  PropertyBag bag_;
};

TEST_F(PropertyBagTest, ReadGivesTheDefaultWhenNothingIsStored) {
  EXPECT_FALSE(bag_.Has("Text"));
  EXPECT_TRUE(SameValue(bag_.ReadProperty("Text", std::string("Text1")), std::string("Text1")));
}

TEST_F(PropertyBagTest, AValueEqualToTheDefaultIsLeftOut) {
  bag_.WriteProperty("Text", std::string("Text1"), std::string("Text1"));
  bag_.WriteProperty("BackColor", OleColor{0x80000005}, OleColor{0x80000005});
  bag_.WriteProperty("Font", StdFont{}, StdFont{});
  bag_.WriteProperty("MouseIcon", Nothing{}, Nothing{});
  EXPECT_TRUE(bag_.Entries().empty());
  EXPECT_EQ(bag_.ToJson(), "{}");
}

TEST_F(PropertyBagTest, TheSameNumberOfAnotherKindIsStored) {
  bag_.WriteProperty("Locked", true, int16_t{-1});
  bag_.WriteProperty("MaxLength", int32_t{0}, int16_t{0});
  bag_.WriteProperty("BackColor", OleColor{5}, int32_t{5});
  EXPECT_EQ(NamesOf(bag_), (std::vector<std::string>{"Locked", "MaxLength", "BackColor"}));
  EXPECT_TRUE(SameValue(bag_.ReadProperty("Locked", false), true));
}

TEST_F(PropertyBagTest, WritingTheDefaultDropsAnEarlierValue) {
  bag_.WriteProperty("Text", std::string("hello"), std::string("Text1"));
  ASSERT_TRUE(bag_.Has("Text"));
  bag_.WriteProperty("Text", std::string("Text1"), std::string("Text1"));
  EXPECT_FALSE(bag_.Has("Text"));
  EXPECT_TRUE(SameValue(bag_.ReadProperty("Text", std::string("other")), std::string("other")));
}

TEST_F(PropertyBagTest, RewritingANameReplacesItInPlace) {
  bag_.WriteProperty("A", int32_t{1}, int32_t{0});
  bag_.WriteProperty("B", int32_t{2}, int32_t{0});
  bag_.WriteProperty("C", int32_t{3}, int32_t{0});
  bag_.WriteProperty("A", std::string("one"), int32_t{0});
  EXPECT_EQ(NamesOf(bag_), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_TRUE(SameValue(bag_.ReadProperty("A", Nothing{}), std::string("one")));
  EXPECT_TRUE(SameValue(bag_.ReadProperty("B", Nothing{}), int32_t{2}));
}

TEST_F(PropertyBagTest, NamesCompareExactly) {
  bag_.WriteProperty("Text", std::string("upper"), std::string());
  bag_.WriteProperty("text", std::string("lower"), std::string());
  EXPECT_EQ(bag_.Entries().size(), 2u);
  EXPECT_EQ(ToText(bag_.ReadProperty("Text", Nothing{})), "upper");
  EXPECT_EQ(ToText(bag_.ReadProperty("text", Nothing{})), "lower");
  EXPECT_FALSE(bag_.Has("TEXT"));
}

// --- JSON ---

const StdFont kFont{"Courier New", 10.5, true, false, true, true};
const StdPicture kPicture{std::string("\x00\x7f\x80\xff", 4)};

TEST_F(PropertyBagTest, SavesTheDocumentedShape) {
  bag_.WriteProperty("Enabled", false, true);
  bag_.WriteProperty("MaxLength", int16_t{-12}, int16_t{0});
  bag_.WriteProperty("BackColor", OleColor{0x80000005}, OleColor{0});
  bag_.WriteProperty("Text", std::string("say \"hi\"\n"), std::string());
  bag_.WriteProperty("Ratio", 0.1f, 0.0f);
  bag_.WriteProperty("Font", kFont, StdFont{});
  bag_.WriteProperty("MouseIcon", kPicture, Nothing{});
  bag_.WriteProperty("DragIcon", Nothing{}, kPicture);
  EXPECT_EQ(bag_.ToJson(),
            "{\n"
            "  \"Enabled\": false,\n"
            "  \"MaxLength\": -12,\n"
            "  \"BackColor\": 2147483653,\n"
            "  \"Text\": \"say \\\"hi\\\"\\n\",\n"
            "  \"Ratio\": 0.1,\n"
            "  \"Font\": {\n"
            "    \"Name\": \"Courier New\",\n"
            "    \"Size\": 10.5,\n"
            "    \"Bold\": true,\n"
            "    \"Italic\": false,\n"
            "    \"Underline\": true,\n"
            "    \"Strikethrough\": true\n"
            "  },\n"
            "  \"MouseIcon\": {\n"
            "    \"Picture\": \"007f80ff\"\n"
            "  },\n"
            "  \"DragIcon\": null\n"
            "}");
}

TEST_F(PropertyBagTest, EveryKindComesBackThroughJson) {
  const std::string text =
      "Gr\xc3\xbc\xc3\x9f"
      "e \xe2\x82\xac / \"\\\t";
  bag_.WriteProperty("Nothing", Nothing{}, kPicture);
  bag_.WriteProperty("Bool", true, false);
  bag_.WriteProperty("Int16", int16_t{-32768}, int16_t{0});
  bag_.WriteProperty("Int32", int32_t{2147483647}, int32_t{0});
  bag_.WriteProperty("Single", 1.0f / 3.0f, 0.0f);
  bag_.WriteProperty("Double", 0.1 + 0.2, 0.0);
  bag_.WriteProperty("WholeDouble", 12.0, 0.0);
  bag_.WriteProperty("Text", text, std::string());
  bag_.WriteProperty("SystemColor", OleColor{0x80000005}, OleColor{0});
  bag_.WriteProperty("Color", OleColor{0x00FF00}, OleColor{0});
  bag_.WriteProperty("Font", kFont, StdFont{});
  bag_.WriteProperty("Picture", kPicture, Nothing{});
  bag_.WriteProperty("EmptyPicture", StdPicture{}, Nothing{});

  const PropertyBag loaded = PropertyBag::FromJson(bag_.ToJson());
  EXPECT_EQ(NamesOf(loaded), NamesOf(bag_));
  auto read = [&](const char* name) { return loaded.ReadProperty(name, std::string("missing")); };
  EXPECT_TRUE(std::holds_alternative<Nothing>(read("Nothing")));
  EXPECT_EQ(ToBool(read("Bool")), true);
  EXPECT_EQ(ToInt16(read("Int16")), -32768);
  EXPECT_EQ(ToInt32(read("Int32")), 2147483647);
  EXPECT_EQ(ToSingle(read("Single")), 1.0f / 3.0f);
  EXPECT_EQ(ToDouble(read("Double")), 0.1 + 0.2);
  EXPECT_TRUE(SameValue(read("WholeDouble"), 12.0));
  EXPECT_EQ(ToText(read("Text")), text);
  EXPECT_EQ(ToColor(read("SystemColor")), 0x80000005u);
  EXPECT_EQ(ToColor(read("Color")), 0x00FF00u);
  EXPECT_EQ(ToFont(read("Font")), kFont);
  EXPECT_EQ(ToPicture(read("Picture")), kPicture);
  EXPECT_EQ(ToPicture(read("EmptyPicture")), StdPicture{});
}

TEST(PropertyBagJsonTest, SinglesComeBackBitForBit) {
  const float singles[] = {0.1f,        -1.0f / 3.0f, FLT_MAX,
                           -FLT_MAX,    FLT_MIN,      std::numeric_limits<float>::denorm_min(),
                           16777215.0f, 3.14159274f,  1e10f,
                           7.0f};
  for (float f : singles) {
    PropertyBag bag;
    bag.WriteProperty("Value", f, Nothing{});
    const float back = ToSingle(PropertyBag::FromJson(bag.ToJson()).ReadProperty("Value", {}));
    EXPECT_EQ(std::memcmp(&back, &f, sizeof f), 0) << f << " came back as " << back;
  }
}

TEST(PropertyBagJsonTest, LoadsEachJsonKindAsDocumented) {
  const PropertyBag bag = PropertyBag::FromJson(R"({
    "z": 5, "a": -2147483648, "big": 2147483653, "neg": -2147483649, "point": 1.0,
    "flag": true, "text": "x", "none": null, "font": {"Name": "Arial", "Bold": true},
    "sized": {"Size": 12}, "icon": {"Picture": "0aFF"}
  })");
  EXPECT_EQ(NamesOf(bag), (std::vector<std::string>{"z", "a", "big", "neg", "point", "flag", "text",
                                                    "none", "font", "sized", "icon"}));
  auto is = [&](const char* name, const PropertyValue& expected) {
    return SameValue(bag.ReadProperty(name, {}), expected);
  };
  EXPECT_TRUE(is("z", int32_t{5}));
  EXPECT_TRUE(is("a", int32_t{-2147483647 - 1}));
  EXPECT_TRUE(is("big", 2147483653.0));
  EXPECT_TRUE(is("neg", -2147483649.0));
  EXPECT_TRUE(is("point", 1.0));
  EXPECT_TRUE(is("flag", true));
  EXPECT_TRUE(is("text", std::string("x")));
  EXPECT_TRUE(is("none", Nothing{}));
  StdFont arial;
  arial.Name = "Arial";
  arial.Bold = true;
  EXPECT_TRUE(is("font", arial));
  StdFont sized;
  sized.Size = 12;
  EXPECT_TRUE(is("sized", sized));
  EXPECT_TRUE(is("icon", StdPicture{std::string("\x0a\xff", 2)}));
}

TEST(PropertyBagJsonTest, ANameGivenTwiceKeepsItsPlaceAndLastValue) {
  const PropertyBag bag = PropertyBag::FromJson(R"({"a": 1, "b": 2, "a": 3})");
  EXPECT_EQ(NamesOf(bag), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(SameValue(bag.ReadProperty("a", {}), int32_t{3}));
}

struct BadJsonCase {
  std::string json;
  std::string mentions;  // a part of the description
};

void PrintTo(const BadJsonCase& c, std::ostream* os) {
  *os << c.json;
}

class PropertyBagBadJsonTest : public ::testing::TestWithParam<BadJsonCase> {};

TEST_P(PropertyBagBadJsonTest, RaisesInvalidPropertyValueSayingWhy) {
  const BadJsonCase& c = GetParam();
  try {
    PropertyBag::FromJson(c.json);
    ADD_FAILURE() << c.json << " did not raise";
  } catch (const Error& error) {
    EXPECT_EQ(error.Number(), err::kInvalidPropertyValue) << c.json;
    EXPECT_EQ(error.Description().rfind("Invalid property value: ", 0), 0u) << error.Description();
    EXPECT_NE(error.Description().find(c.mentions), std::string::npos) << error.Description();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PropertyBagBadJsonTest,
    ::testing::Values(
        // not a JSON object
        BadJsonCase{"", "not JSON"}, BadJsonCase{"{", "not JSON"},
        BadJsonCase{"{\"a\": tru}", "not JSON"}, BadJsonCase{"{} {}", "not JSON"},
        BadJsonCase{"{\"a\": \"\xff\"}", "not JSON"}, BadJsonCase{"[]", "not a JSON object"},
        BadJsonCase{"42", "not a JSON object"}, BadJsonCase{"\"text\"", "not a JSON object"},
        BadJsonCase{"null", "not a JSON object"},
        // a member of no property kind
        BadJsonCase{R"({"Shade": [1, 2]})", "\"Shade\" holds an array"},
        BadJsonCase{R"({"Shade": {}})", "\"Shade\" is an empty object"},
        BadJsonCase{R"({"Shade": {"Colour": 1}})", "unknown member \"Colour\""},
        BadJsonCase{R"({"Shade": {"Name": "Arial", "Weight": 700}})", "unknown member \"Weight\""},
        BadJsonCase{R"({"Shade": {"Name": 5}})", "font Name"},
        BadJsonCase{R"({"Shade": {"Size": "big"}})", "font Size"},
        BadJsonCase{R"({"Shade": {"Bold": 1}})", "font Bold"},
        BadJsonCase{R"({"Shade": {"Strikethrough": null}})", "font Strikethrough"},
        BadJsonCase{R"({"Shade": {"Picture": "abc"}})", "odd hex length"},
        BadJsonCase{R"({"Shade": {"Picture": "zz"}})", "not hex bytes"},
        BadJsonCase{R"({"Shade": {"Picture": 5}})", "not a hex text"},
        BadJsonCase{R"({"Shade": {"Picture": "00", "Name": "x"}})", "beside its Picture"}));

TEST_F(PropertyBagTest, SavingWhatJsonCannotHoldRaisesRatherThanLosingIt) {
  struct Case {
    const char* name;
    PropertyValue value;
  };
  StdFont badFont;
  badFont.Name = "\xc3";
  const Case cases[] = {
      {"NotANumber", std::numeric_limits<double>::quiet_NaN()},
      {"Infinite", -std::numeric_limits<float>::infinity()},
      {"BadText", std::string("caf\xe9")},
      {"BadFont", badFont},
  };
  for (const Case& c : cases) {
    PropertyBag bag;
    bag.WriteProperty(c.name, c.value, Nothing{});
    try {
      (void)bag.ToJson();
      ADD_FAILURE() << c.name << " did not raise";
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), err::kInvalidPropertyValue) << c.name;
      EXPECT_NE(error.Description().find(c.name), std::string::npos) << error.Description();
    }
  }
  bag_.WriteProperty("\xff", int32_t{1}, int32_t{0});
  EXPECT_EQ(ErrorOf([&] { (void)bag_.ToJson(); }), err::kInvalidPropertyValue);
}

}  // namespace
}  // namespace gridkit::host
