#include "host/control/headless_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/control/key_codes.h"
#include "host/error.h"
#include "host/message/message_box_model.h"

namespace gridkit::host {
namespace {

using Log = std::vector<std::string>;

// A user control with one box; it writes down its life cycle and the box's
// events, and lets a test hook the box's KeyPress.
class RecordingControl : public UserControl {
 public:
  static inline Log* log = nullptr;
  static inline bool failInit = false;

  explicit RecordingControl(ControlSite& site) : site_(site), box_(site.AddTextBox("Box")) {
    Note("construct");
    box_.events.GotFocus = [this] { Note("Box.GotFocus"); };
    box_.events.LostFocus = [this] { Note("Box.LostFocus"); };
    box_.events.Validate = [this](bool& cancel) {
      Note("Box.Validate");
      cancel = cancelValidate;
    };
    box_.events.KeyDown = [this](int16_t& code, int16_t&) {
      Note("KeyDown " + std::to_string(code));
    };
    box_.events.KeyPress = [this](int16_t& code) {
      Note("KeyPress " + std::to_string(code));
      if (onKeyPress) onKeyPress(code);
    };
    box_.events.KeyUp = [this](int16_t& code, int16_t&) { Note("KeyUp " + std::to_string(code)); };
    box_.events.Change = [this] { Note("Change " + box_.Text()); };
  }

  Size DesignedSize() const override { return {1200, 300}; }
  void Initialize() override { Note("Initialize"); }
  void InitProperties() override {
    Note("InitProperties");
    if (failInit) throw Error::Standard(err::kInvalidCall);
  }
  void ReadProperties(PropertyBag& bag) override {
    Note("ReadProperties " + ToText(bag.ReadProperty("Text", std::string())));
  }
  void Resize() override { Note("Resize " + std::to_string(site_.Surface().Width())); }
  void Show() override { Note("Show"); }
  void GotFocus() override { Note("GotFocus"); }
  void ExitFocus() override { Note("ExitFocus"); }
  PropertyValue GetProperty(std::string_view name) const override {
    if (name == "Text") return box_.Text();
    return UserControl::GetProperty(name);
  }

  TextBox& Box() { return box_; }
  ControlSite& Site() { return site_; }
  bool cancelValidate = false;
  std::function<void(int16_t&)> onKeyPress;

 private:
  void Note(const std::string& what) {
    if (log) log->push_back(what);
  }
  ControlSite& site_;
  TextBox& box_;
};

class HeadlessFormTest : public ::testing::Test {
 protected:
  void SetUp() override { RecordingControl::log = &log; }
  void TearDown() override { RecordingControl::log = nullptr; }

  // The recording control between two plain boxes.
  RecordingControl& PlaceThree() {
    TextBoxModel& first = form.PlaceTextBox("First");
    RecordingControl& control = form.PlaceNew<RecordingControl>("Rec");
    TextBoxModel& last = form.PlaceTextBox("Last");
    for (TextBoxModel* box : {&first, &last}) {
      const std::string name = box == &first ? "First" : "Last";
      box->events.GotFocus = [this, name] { log.push_back(name + ".GotFocus"); };
      box->events.LostFocus = [this, name] { log.push_back(name + ".LostFocus"); };
      box->events.Validate = [this, name](bool&) { log.push_back(name + ".Validate"); };
    }
    log.clear();
    return control;
  }

  TextBoxModel& BoxOf(RecordingControl& control) {
    return static_cast<TextBoxModel&>(control.Box());
  }

  MessageBoxModel messages;
  HeadlessForm form{messages};
  Log log;
};

TEST_F(HeadlessFormTest, NewAndSavedControlsRunTheirLifeCycleAtTheDesignedSize) {
  form.PlaceNew<RecordingControl>("New");
  EXPECT_EQ(log, (Log{"construct", "Initialize", "InitProperties", "Resize 1200", "Show"}));
  log.clear();
  PropertyBag bag;
  bag.WriteProperty("Text", std::string("12"), std::string());
  form.PlaceSaved<RecordingControl>("Saved", bag);
  EXPECT_EQ(log, (Log{"construct", "Initialize", "ReadProperties 12", "Resize 1200", "Show"}));
}

TEST_F(HeadlessFormTest, AControlWhoseLifeCycleFailsIsNotPlaced) {
  form.PlaceTextBox("First");
  RecordingControl::failInit = true;
  EXPECT_THROW(form.PlaceNew<RecordingControl>("Rec"), Error);
  RecordingControl::failInit = false;
  EXPECT_EQ(form.SiteNamed("Rec"), nullptr);
  form.PlaceNew<RecordingControl>("Rec");  // the name is free again
  form.FocusControl("First");
  form.Tab();
  EXPECT_EQ(form.Focused(), form.SiteNamed("Rec")->TextBoxes().front());
}

TEST_F(HeadlessFormTest, ResizingTheSurfaceResizesTheControlOnlyWhenTheSizeChanges) {
  RecordingControl& control = form.PlaceNew<RecordingControl>("Rec");
  log.clear();
  control.Site().Surface().setWidth(2000);
  control.Site().Surface().setWidth(2000);
  EXPECT_EQ(log, Log{"Resize 2000"});
}

TEST_F(HeadlessFormTest, FocusMovesWithValidateLostFocusExitAndGotFocus) {
  RecordingControl& control = PlaceThree();
  form.FocusControl("First");
  form.Tab();
  form.Tab();
  EXPECT_EQ(log,
            (Log{"First.GotFocus", "First.Validate", "First.LostFocus", "GotFocus", "Box.GotFocus",
                 "Box.Validate", "Box.LostFocus", "ExitFocus", "Last.GotFocus"}));
  EXPECT_EQ(form.Focused(), form.TextBoxNamed("Last"));
  form.Tab();
  EXPECT_EQ(form.Focused(), form.TextBoxNamed("First")) << "Tab wraps round";
  (void)control;
}

TEST_F(HeadlessFormTest, CancelledValidateKeepsTheFocus) {
  RecordingControl& control = PlaceThree();
  form.Focus(BoxOf(control));
  control.cancelValidate = true;
  log.clear();
  form.Tab();
  EXPECT_EQ(log, Log{"Box.Validate"});
  EXPECT_EQ(form.Focused(), &BoxOf(control));
}

TEST_F(HeadlessFormTest, NoValidateWhenTheNextBoxDoesNotAskForIt) {
  RecordingControl& control = PlaceThree();
  form.TextBoxNamed("Last")->setCausesValidation(false);
  form.Focus(BoxOf(control));
  control.cancelValidate = true;
  log.clear();
  form.Tab();
  EXPECT_EQ(form.Focused(), form.TextBoxNamed("Last"));
  EXPECT_EQ(log, (Log{"Box.LostFocus", "ExitFocus", "Last.GotFocus"}));
}

TEST_F(HeadlessFormTest, TabSkipsDisabledBoxes) {
  RecordingControl& control = PlaceThree();
  BoxOf(control).setEnabled(false);
  form.FocusControl("First");
  form.Tab();
  EXPECT_EQ(form.Focused(), form.TextBoxNamed("Last"));
}

TEST_F(HeadlessFormTest, EachKeyIsKeyDownKeyPressWithItsCharacterThenKeyUp) {
  RecordingControl& control = PlaceThree();
  form.Focus(BoxOf(control));
  log.clear();
  form.Type("1{home}{bs}");
  EXPECT_EQ(log, (Log{"KeyDown 49", "KeyPress 49", "Change 1", "KeyUp 49", "KeyDown 36", "KeyUp 36",
                      "KeyDown 8", "KeyPress 8", "KeyUp 8"}));
}

TEST_F(HeadlessFormTest, QueuedKeysFollowTheCurrentKeysCharacterInOrder) {
  RecordingControl& control = PlaceThree();
  control.onKeyPress = [&](int16_t& code) {
    if (code == '5') control.Site().SendKeys("{home}{.}");
  };
  form.Focus(BoxOf(control));
  form.Type("12");
  log.clear();
  form.Type("5");
  EXPECT_EQ(log, (Log{"KeyDown 53", "KeyPress 53", "Change 125", "KeyUp 53", "KeyDown 36",
                      "KeyUp 36", "KeyDown 190", "KeyPress 46", "Change .125", "KeyUp 190"}));
  EXPECT_EQ(BoxOf(control).SelStart(), 1);
}

TEST_F(HeadlessFormTest, QueuedTabMovesTheFocusOn) {
  RecordingControl& control = PlaceThree();
  control.onKeyPress = [&](int16_t& code) {
    if (code == 13) control.Site().SendKeys("{Tab}");
  };
  form.Focus(BoxOf(control));
  form.Type("~");
  EXPECT_EQ(form.Focused(), form.TextBoxNamed("Last"));
}

TEST_F(HeadlessFormTest, KeysWithoutFocusGoNowhere) {
  RecordingControl& control = PlaceThree();
  form.Type("12");
  EXPECT_EQ(control.Box().Text(), "");
  EXPECT_TRUE(log.empty());
}

TEST_F(HeadlessFormTest, AnErrorInAHandlerIsShownAndTheNextKeyGoesOn) {
  RecordingControl& control = PlaceThree();
  control.onKeyPress = [](int16_t& code) {
    if (code == '1') throw Error::Standard(err::kOverflow);
  };
  form.Focus(BoxOf(control));
  form.Type("12");
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].text, "Run-time error '6':\n\nOverflow");
  EXPECT_EQ(control.Box().Text(), "2");
}

TEST_F(HeadlessFormTest, ControlsQueueingKeysForEverAreStopped) {
  RecordingControl& control = PlaceThree();
  control.onKeyPress = [&](int16_t&) { control.Site().SendKeys("{.}"); };
  form.Focus(BoxOf(control));
  form.Type("1");
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].text, "Run-time error '28':\n\nOut of stack space");
}

TEST_F(HeadlessFormTest, SiteAnswersForTheContainer) {
  StdFont ambient;
  ambient.Name = "Arial";
  form.setAmbientFont(ambient);
  form.setUserMode(false);
  RecordingControl& control = form.PlaceNew<RecordingControl>("Rec");
  ControlSite& site = control.Site();
  EXPECT_EQ(site.AmbientFont().Name, "Arial");
  EXPECT_FALSE(site.AmbientUserMode());
  control.Box().setText("42");
  EXPECT_EQ(ToText(site.Extender("Text")), "42");
  EXPECT_EQ(ToText(site.Extender("Name")), "Rec");
  EXPECT_EQ(ToInt32(site.Extender("Width")), 1200);
  site.PropertyChanged("Text");
  EXPECT_EQ(form.SiteNamed("Rec")->ChangedProperties(), std::vector<std::string>{"Text"});
  site.MsgBox("maxlength,dec");
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].buttons, MsgButtons::OKOnly);
  EXPECT_EQ(messages.Shown()[0].icon, MsgIcon::None);
}

}  // namespace
}  // namespace gridkit::host
