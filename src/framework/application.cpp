#include "framework/application.h"

#include <QApplication>
#include <QEventLoop>
#include <cxxabi.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#if defined(__SANITIZE_ADDRESS__)
#define QUARVEL_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUARVEL_LEAK_CHECK 1
#endif
#endif
#ifdef QUARVEL_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

#include "framework/help_tags.h"
#include "framework/installed.h"
#include "framework/localized.h"
#include "framework/menubar.h"
#include "framework/msgbox.h"
#include "framework/sound.h"

// The build gives the project's major.minor version; without it the About page would show a
// made-up one.
#ifndef QUARVEL_SHORT_VERSION
#error "QUARVEL_SHORT_VERSION must come from the build (the project's major.minor version)"
#endif

namespace fw {

namespace {

struct Runtime {
  std::unique_ptr<QApplication> qt;
  Ref<Application> app;
  int status = 0;
  bool quitRequested = false;
  std::function<void(const std::string&)> unhandled;
};

Runtime& State() {
  static Runtime runtime;
  return runtime;
}

std::string Demangle(const char* name) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(name, nullptr, nullptr, &status), std::free);
  return status == 0 && demangled ? demangled.get() : name;
}

}  // namespace

Application::Application() = default;
Application::~Application() = default;

void Initialize(int& argc, char** argv) {
  if (State().qt || QCoreApplication::instance()) return;
  // Patterns are drawn 1:1 in physical pixels; the scale factor must not be rounded away.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  State().qt = std::make_unique<QApplication>(argc, argv);
  QApplication::setApplicationName("Quarvel");
  QApplication::setApplicationVersion(QUARVEL_SHORT_VERSION);
  QApplication::setQuitOnLastWindowClosed(false);
  IntroduceToDesktop();
  LoadTranslations();
  WrapHelpTags();
}

bool IsInitialized() { return QCoreApplication::instance() != nullptr; }

int Shutdown() {
  WaitForSoundsToLoad();
  State().app.Reset();
  State().qt.reset();
  return State().status;
}

#ifdef QUARVEL_LEAK_CHECK
// LeakSanitizer's built-in suppressions, for system libraries only (our own leaks are fixed):
// - libdbus-1: on X11 Qt talks D-Bus on a thread of its own, and the read buffer libdbus holds
//   for that connection (allocated under _dbus_read) is reported lost when the check runs at
//   the end while that thread is still alive. libdbus's memory; it goes with the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }
#endif

void EndProcess(int status) {
  std::fflush(nullptr);
#ifdef QUARVEL_LEAK_CHECK
  __lsan_do_leak_check();
#endif
  std::_Exit(status);
}

void RegisterApplication(Ref<Application> app) { State().app = std::move(app); }
Ref<Application> ApplicationObject() { return State().app; }

int RunEventLoop() {
  if (!QCoreApplication::instance()) return State().status;
  if (State().quitRequested) return State().status;
  const int code = QCoreApplication::exec();
  if (!State().quitRequested) State().status = code;
  return State().status;
}

void Quit(int code) {
  if (State().quitRequested) return;  // the first reason to end is the one reported
  State().quitRequested = true;
  State().status = code;
  QCoreApplication::exit(code);
}

void ProcessEvents() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

int ExitStatus() { return State().status; }

std::string DescribeException(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return Demangle(typeid(e).name()) + ": " + e.what();
  } catch (...) {
    return "unknown exception";
  }
}

void SetUnhandledExceptionHandler(std::function<void(const std::string&)> handler) {
  State().unhandled = std::move(handler);
}

void HandleUnhandledException(std::exception_ptr error) noexcept {
  try {
    const std::string description = DescribeException(error);
    if (State().unhandled) {
      State().unhandled(description);
      return;
    }
    std::fprintf(stderr, "Quarvel: unhandled exception: %s\n", description.c_str());
    MsgBox("An unexpected error ended Quarvel:\r" + description);
    Quit(1);
  } catch (...) {
    std::fputs("Quarvel: unhandled exception while reporting an exception\n", stderr);
    std::_Exit(1);
  }
}

std::string ShortVersion() { return QUARVEL_SHORT_VERSION; }

}  // namespace fw
