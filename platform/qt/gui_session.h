#pragma once
// The Qt GUI application that fonts, painters and printers need. A host that
// prints creates one on its stack first (the command line for its print
// jobs, a test for its fixture); a host that already runs a Qt GUI
// application needs none, and a session made there does nothing.

#include <memory>

namespace gridkit::platform {

class GuiSession {
 public:
  // Without a display of its own choosing (QT_QPA_PLATFORM unset) the session
  // draws offscreen, so that printing works on a machine without a screen.
  // Raises host::Error when the process already runs a Qt application that
  // is not a GUI one.
  GuiSession();
  ~GuiSession();
  GuiSession(const GuiSession&) = delete;
  GuiSession& operator=(const GuiSession&) = delete;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// True while a Qt GUI application exists in the process.
bool HasGuiSession();
// Raises a printer error when there is none.
void RequireGuiSession();

}  // namespace gridkit::platform
