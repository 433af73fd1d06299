#include "platform/qt/gui_session.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdlib>
#include <string>
#include <vector>

#include "host/error.h"

namespace gridkit::platform {

namespace {

// Qt wants a private runtime folder and complains on stderr when the
// session (a root shell, a service) has none; the kit gives it its own.
void EnsureRuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return;
  const std::string folder = "/tmp/gridkit-runtime-" + std::to_string(::getuid());
  ::mkdir(folder.c_str(), 0700);
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
      (info.st_mode & 0077) == 0) {
    ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
  }
}

}  // namespace

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
  EnsureRuntimeFolder();
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
