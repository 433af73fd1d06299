#include "platform/qt/gui_session.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/error.h"

namespace gridkit::platform {

// Qt keeps argc and argv for the application's whole life.
struct GuiSession::State {
  std::vector<std::string> arguments;
  std::vector<char*> argv;
  int argc = 0;
  std::unique_ptr<QGuiApplication> application;
};

GuiSession::GuiSession() {
  if (QCoreApplication::instance()) {
    if (!HasGuiSession()) {
      throw host::Error(host::err::kPrinter,
                        "Printer error: the application is not a Qt GUI application");
    }
    return;
  }
  state_ = std::make_unique<State>();
  state_->arguments.push_back("gridkit");
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (!platform || !*platform) {
    state_->arguments.push_back("-platform");
    state_->arguments.push_back("offscreen");
  }
  for (std::string& argument : state_->arguments)
    state_->argv.push_back(argument.data());
  state_->argv.push_back(nullptr);
  state_->argc = static_cast<int>(state_->arguments.size());
  state_->application = std::make_unique<QGuiApplication>(state_->argc, state_->argv.data());
}

GuiSession::~GuiSession() = default;

bool HasGuiSession() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

void RequireGuiSession() {
  if (!HasGuiSession()) {
    throw host::Error(host::err::kPrinter, "Printer error: printing needs a GUI session");
  }
}

}  // namespace gridkit::platform
