// Feskadel's properties: holders, change marks, the by-name dispatch, and
// saving and loading with their defaults.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/control/property_bag.h"
#include "tests/entry/feskadel/feskadel_fixture.h"
#include "tests/support/error_of.h"

namespace gridkit::entry::test {
namespace {

using host::OleColor;
using host::PropertyBag;
using host::PropertyValue;
using test_support::ErrorOf;

// Every property a host sets, with a value other than its default; in
// interface order.
const std::vector<std::pair<std::string, PropertyValue>>& NonDefaults() {
  static const std::vector<std::pair<std::string, PropertyValue>> values = [] {
    host::StdFont font;
    font.Name = "Arial";
    font.Size = 12;
    font.Italic = true;
    return std::vector<std::pair<std::string, PropertyValue>>{
        {"BackColor", OleColor{0x00FFEEDD}},
        {"ForeColor", OleColor{0x000000FF}},
        {"Enabled", false},
        {"Font", font},
        {"BackStyle", int16_t{0}},
        {"BorderStyle", int16_t{0}},
        {"CausesValidation", false},
        {"CurrentX", 1.5f},
        {"CurrentY", 2.5f},
        {"FontBold", true},
        {"FontItalic", true},
        {"FontName", std::string("Courier New")},
        {"FontSize", 14.0f},
        {"FontStrikethru", true},
        {"FontTransparent", false},
        {"FontUnderline", true},
        {"Locked", true},
        {"MaxLength", int32_t{9}},
        {"PasswordChar", std::string("*")},
        {"Text", std::string("12.50")},
        {"Value", 99.0},
    };
  }();
  return values;
}

class FeskadelPropertiesTest : public FeskadelFixture {};

TEST_F(FeskadelPropertiesTest, EachSetReachesItsHolderAndMarksItsOwnName) {
  host::HeadlessSite& site = *form.SiteNamed("Feskadel1");
  for (const auto& [name, value] : NonDefaults()) {
    site.ClearDirty();
    box.SetProperty(name, value);
    EXPECT_EQ(site.ChangedProperties(), std::vector<std::string>{name}) << name;
  }
  host::TextBox& txt = box.TxtNumber();
  EXPECT_EQ(txt.BackColor(), 0x00FFEEDDu);
  EXPECT_FALSE(txt.Enabled());
  EXPECT_EQ(txt.Font().Name, "Courier New") << "FontName came after Font";
  EXPECT_TRUE(txt.Font().Bold);
  EXPECT_EQ(txt.MaxLength(), 9);
  EXPECT_EQ(site.Surface().BackStyle(), 0);
  EXPECT_FLOAT_EQ(site.Surface().CurrentY(), 2.5f);
  EXPECT_FALSE(site.Surface().FontTransparent());
  EXPECT_DOUBLE_EQ(box.Value(), 99) << "Value set last, after Text";
}

TEST_F(FeskadelPropertiesTest, DispatchByNameIgnoresCaseAndConvertsTexts) {
  box.SetProperty("maxlength", std::string("7"));
  EXPECT_EQ(box.MaxLength(), 7);
  box.SetProperty("FontBold", std::string("True"));
  EXPECT_TRUE(box.FontBold());
  EXPECT_EQ(host::ToText(box.GetProperty("text")), "");
  EXPECT_EQ(ErrorOf([&] { box.GetProperty("Nope"); }), 438);
  EXPECT_EQ(ErrorOf([&] { box.SetProperty("MaxLength", std::string("seven")); }), 13);
  EXPECT_EQ(ErrorOf([&] { box.SetProperty("PasswordChar", std::string("ab")); }), 380)
      << "a value the text box rejects reaches the caller";
}

TEST_F(FeskadelPropertiesTest, RefreshRepaintsTheBox) {
  auto& txt = static_cast<host::TextBoxModel&>(box.TxtNumber());
  const int before = txt.RefreshCount();
  box.Refresh();
  EXPECT_EQ(txt.RefreshCount(), before + 1);
}

TEST_F(FeskadelPropertiesTest, ANewControlSavesOnlyTheFontNameAndSize) {
  PropertyBag bag = form.Save("Feskadel1");
  std::vector<std::string> names;
  for (const auto& entry : bag.Entries())
    names.push_back(entry.first);
  EXPECT_EQ(names, (std::vector<std::string>{"FontName", "FontSize"}));
  EXPECT_EQ(host::ToText(bag.ReadProperty("FontName", {})), "MS Sans Serif");
}

TEST_F(FeskadelPropertiesTest, AnEmptyBagLoadsTheDefaults) {
  PropertyBag empty;
  Feskadel& loaded = form.PlaceSaved<Feskadel>("Feskadel2", empty);
  EXPECT_EQ(loaded.BackColor(), 0x80000005u);
  EXPECT_EQ(loaded.ForeColor(), 0x80000008u);
  EXPECT_TRUE(loaded.Enabled());
  EXPECT_EQ(loaded.BackStyle(), 1);
  EXPECT_EQ(loaded.BorderStyle(), 1);
  EXPECT_TRUE(loaded.CausesValidation());
  EXPECT_EQ(loaded.FontName(), "MS Sans Serif");
  EXPECT_FLOAT_EQ(loaded.FontSize(), 10);
  EXPECT_TRUE(loaded.FontTransparent());
  EXPECT_EQ(loaded.MaxLength(), 0);
  EXPECT_EQ(loaded.Text(), "");
  EXPECT_DOUBLE_EQ(loaded.Value(), 0);
}

TEST_F(FeskadelPropertiesTest, SavedPropertiesComeBackThroughTheJsonText) {
  for (const auto& [name, value] : NonDefaults())
    box.SetProperty(name, value);
  PropertyBag saved = form.Save("Feskadel1");
  PropertyBag reread = PropertyBag::FromJson(saved.ToJson());

  Feskadel& loaded = form.PlaceSaved<Feskadel>("Feskadel2", reread);
  for (const auto& [name, value] : NonDefaults()) {
    EXPECT_TRUE(host::SameValue(loaded.GetProperty(name), box.GetProperty(name))) << name;
  }
  EXPECT_EQ(loaded.Font(), box.Font());
}

TEST_F(FeskadelPropertiesTest, LoadingSetsTheTextBeforeTheValueIsRead) {
  PropertyBag bag;
  bag.WriteProperty("Text", std::string("3.25"), std::string());
  Feskadel& loaded = form.PlaceSaved<Feskadel>("Feskadel2", bag);
  EXPECT_EQ(loaded.Text(), "3.25");
  EXPECT_DOUBLE_EQ(loaded.Value(), 0) << "the value read last, 0 by default, wins";
  bag.WriteProperty("Value", 4.0, 0.0);
  Feskadel& withValue = form.PlaceSaved<Feskadel>("Feskadel3", bag);
  EXPECT_DOUBLE_EQ(withValue.Value(), 4);
}

TEST_F(FeskadelPropertiesTest, SavingRaisesWriteProperties) {
  int raised = 0;
  box.events.WriteProperties = [&](PropertyBag& bag) {
    ++raised;
    EXPECT_TRUE(bag.Entries().empty()) << "raised before anything is written";
  };
  form.Save("Feskadel1");
  EXPECT_EQ(raised, 1);
}

}  // namespace
}  // namespace gridkit::entry::test
