#include "host/control/headless_form.h"

#include <algorithm>

#include "host/control/send_keys.h"
#include "host/error.h"

namespace gridkit::host {
namespace {

// More queued keys than this from one key means controls keep queueing keys
// for each other; the rest are dropped.
constexpr size_t kMostQueuedKeys = 10000;

}  // namespace

HeadlessForm::HeadlessForm(MessageBox& messages, std::string caption)
    : messages_(messages), caption_(std::move(caption)) {}

HeadlessForm::~HeadlessForm() = default;

HeadlessSite& HeadlessForm::AddSite(const std::string& name) {
  if (SiteNamed(name) || TextBoxNamed(name)) throw Error::Standard(err::kDuplicateDefinition);
  Entry entry;
  entry.name = name;
  entry.site = std::make_unique<HeadlessSite>(*this, name);
  entries_.push_back(std::move(entry));
  return *entries_.back().site;
}

void HeadlessForm::Site(std::unique_ptr<UserControl> control, PropertyBag* saved) {
  Entry& entry = entries_.back();
  UserControl& placed = *control;
  entry.control = std::move(control);
  entry.site->Attach(placed);
  const UserControl::Size designed = placed.DesignedSize();
  entry.site->SurfaceModel().Design(designed.width, designed.height);
  entry.site->SurfaceModel().resized = [&placed] { placed.Resize(); };
  try {
    placed.Initialize();
    if (saved) {
      placed.ReadProperties(*saved);
    } else {
      placed.InitProperties();
    }
    placed.Resize();
    placed.Show();
  } catch (...) {
    Unplace();
    throw;
  }
}

void HeadlessForm::Unplace() {
  if (EntryOf(focused_) == &entries_.back()) focused_ = nullptr;
  entries_.pop_back();
}

TextBoxModel& HeadlessForm::PlaceTextBox(const std::string& name) {
  if (SiteNamed(name) || TextBoxNamed(name)) throw Error::Standard(err::kDuplicateDefinition);
  Entry entry;
  entry.name = name;
  entry.ownBox = std::make_unique<TextBoxModel>();
  TextBoxModel& box = *entry.ownBox;
  box.focusRequest = [this, &box] { Focus(box); };
  entries_.push_back(std::move(entry));
  return box;
}

PropertyBag HeadlessForm::Save(std::string_view name) {
  for (Entry& entry : entries_) {
    if (entry.control && entry.name == name) {
      PropertyBag bag;
      entry.control->WriteProperties(bag);
      return bag;
    }
  }
  throw Error::Standard(err::kSubscriptOutOfRange);
}

HeadlessSite* HeadlessForm::SiteNamed(std::string_view name) const {
  for (const Entry& entry : entries_) {
    if (entry.site && entry.name == name) return entry.site.get();
  }
  return nullptr;
}

TextBoxModel* HeadlessForm::TextBoxNamed(std::string_view name) const {
  for (const Entry& entry : entries_) {
    if (entry.ownBox && entry.name == name) return entry.ownBox.get();
  }
  return nullptr;
}

std::vector<TextBoxModel*> HeadlessForm::TabOrder() const {
  std::vector<TextBoxModel*> order;
  for (const Entry& entry : entries_) {
    if (entry.ownBox) {
      if (entry.ownBox->Enabled()) order.push_back(entry.ownBox.get());
      continue;
    }
    if (!entry.site->Surface().Enabled()) continue;
    for (TextBoxModel* box : entry.site->TextBoxes()) {
      if (box->Enabled()) order.push_back(box);
    }
  }
  return order;
}

const HeadlessForm::Entry* HeadlessForm::EntryOf(const TextBoxModel* box) const {
  if (!box) return nullptr;
  for (const Entry& entry : entries_) {
    if (entry.ownBox.get() == box) return &entry;
    if (entry.site) {
      const auto& boxes = entry.site->TextBoxes();
      if (std::find(boxes.begin(), boxes.end(), box) != boxes.end()) return &entry;
    }
  }
  return nullptr;
}

template <class Action>
void HeadlessForm::AsThePerson(Action&& action) {
  try {
    action();
  } catch (const Error& error) {
    messages_.Show(
        "Run-time error '" + std::to_string(error.Number()) + "':\n\n" + error.Description(),
        MsgButtons::OKOnly, MsgIcon::Critical, caption_);
  }
}

void HeadlessForm::MoveFocus(TextBoxModel* next) {
  TextBoxModel* current = focused_;
  if (next == current) return;
  if (next && !next->Enabled()) throw Error::Standard(err::kInvalidCall);
  // The box being left validates only when the one taking the focus asks
  // for it; a cancel keeps the focus where it is.
  if (current && next && next->CausesValidation() && !current->DeliverValidate()) return;
  const Entry* from = EntryOf(current);
  const Entry* to = EntryOf(next);
  focused_ = next;
  if (current) current->DeliverLostFocus();
  if (from != to && from && from->control) from->control->ExitFocus();
  if (from != to && to && to->control) to->control->GotFocus();
  if (next) next->DeliverGotFocus();
}

void HeadlessForm::Focus(TextBoxModel& box) {
  AsThePerson([&] { MoveFocus(&box); });
}

void HeadlessForm::FocusControl(std::string_view name) {
  for (const Entry& entry : entries_) {
    if (entry.name != name) continue;
    if (entry.ownBox) return Focus(*entry.ownBox);
    for (TextBoxModel* box : entry.site->TextBoxes()) {
      if (box->Enabled()) return Focus(*box);
    }
    return;
  }
  throw Error::Standard(err::kSubscriptOutOfRange);
}

void HeadlessForm::Tab(bool backwards) {
  const std::vector<TextBoxModel*> order = TabOrder();
  if (order.empty()) return;
  const auto at = std::find(order.begin(), order.end(), focused_);
  size_t next = 0;
  if (at == order.end()) {
    next = backwards ? order.size() - 1 : 0;
  } else {
    const size_t here = static_cast<size_t>(at - order.begin());
    next = backwards ? (here + order.size() - 1) % order.size() : (here + 1) % order.size();
  }
  AsThePerson([&] { MoveFocus(order[next]); });
}

void HeadlessForm::Process(const Keystroke& key) {
  if (key.keyCode == key::kTab && (key.shift & (shift::kCtrl | shift::kAlt)) == 0) {
    Tab((key.shift & shift::kShift) != 0);
    return;
  }
  // Each step goes to the box that has the focus at that moment: a handler
  // may have moved it.
  auto focusedBox = [this]() -> TextBoxModel* {
    return focused_ && focused_->Enabled() ? focused_ : nullptr;
  };
  AsThePerson([&] {
    if (TextBoxModel* box = focusedBox()) box->DeliverKeyDown(key.keyCode, key.shift);
    if (key.character == 0) return;
    if (TextBoxModel* box = focusedBox()) box->DeliverKeyPress(key.character);
  });
  AsThePerson([&] {
    if (TextBoxModel* box = focusedBox()) box->DeliverKeyUp(key.keyCode, key.shift);
  });
}

void HeadlessForm::Press(const Keystroke& key) {
  Process(key);
  size_t processed = 0;
  while (!queue_.empty()) {
    if (++processed > kMostQueuedKeys) {
      queue_.clear();
      AsThePerson([] { throw Error::Standard(err::kOutOfStackSpace); });
      break;
    }
    const Keystroke next = queue_.front();
    queue_.pop_front();
    Process(next);
  }
}

void HeadlessForm::Type(std::string_view keys) {
  for (const Keystroke& key : ParseSendKeys(keys))
    Press(key);
}

void HeadlessForm::QueueKeys(std::string_view keys) {
  const std::vector<Keystroke> parsed = ParseSendKeys(keys);
  queue_.insert(queue_.end(), parsed.begin(), parsed.end());
}

}  // namespace gridkit::host
