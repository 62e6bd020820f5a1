#pragma once
// The application object, the event loop and the guard around every entry from Qt.
//
// Every event, timer firing, menu action and paint that reaches program code passes through
// Guarded(). An exception escaping the program there goes to the unhandled-exception routine:
// it writes the exception's class and message to stderr, shows them in a message box and
// quits the event loop with status 1, so that the orderly shut-down still runs. Qt never sees
// an exception.
#include <cstdint>
#include <exception>
#include <functional>
#include <string>

#include "framework/ref.h"

namespace fw {

class MenuBar;

class Application {
public:
  Application();
  virtual ~Application();

  Ref<fw::MenuBar> MenuBar;
};

// Start-up and shut-down of the framework runtime. Initialize makes the Qt application (once);
// Shutdown ends it and returns the exit status that Quit or the unhandled-exception routine set.
void Initialize(int& argc, char** argv);
int Shutdown();
bool IsInitialized();

// The application object.
void RegisterApplication(Ref<Application> app);
Ref<Application> ApplicationObject();

// Runs the event loop until Quit; returns the status given to Quit.
int RunEventLoop();
void Quit(int code = 0);
// Lets queued events run (tests use it to let the event loop do its work).
void ProcessEvents();

// The status the process will end with.
int ExitStatus();

// Ends the process with `status` once everything is released, without the static destructors
// (Qt's sample cache can wait there forever on its own decoder thread). Output is flushed, and
// in a build with AddressSanitizer LeakSanitizer's check runs first, since the one it would
// make at exit is skipped too: a leak then ends the process with LeakSanitizer's status.
[[noreturn]] void EndProcess(int status);

// The unhandled-exception routine, and a guard that hands it whatever escapes `body`.
void HandleUnhandledException(std::exception_ptr error) noexcept;
// Tests put their own routine in place of the message box and the quit (empty restores).
void SetUnhandledExceptionHandler(std::function<void(const std::string& description)> handler);

template <class F>
void Guarded(F&& body) noexcept {
  try {
    body();
  } catch (...) {
    HandleUnhandledException(std::current_exception());
  }
}

// Describes an exception as "class: message".
std::string DescribeException(std::exception_ptr error);

// The application's short version ("1.0").
std::string ShortVersion();

}  // namespace fw
