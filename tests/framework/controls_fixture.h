#pragma once
// A window for the control tests: controls are added by hand, keys reaching KeyDown are kept.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/ref.h"
#include "framework/window.h"

class ControlsWindow : public fw::Window {
public:
  template <class T>
  fw::Ref<T> Add(const std::string& name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    fw::Ref<T> control = fw::New<T>();
    control->Name = name;
    AddControl(control);
    control->SetBounds(left, top, width, height);
    return control;
  }

  std::vector<std::string> keys;
  bool handleKeys = true;
  std::vector<std::string> opened;
  int mouseDowns = 0;

protected:
  bool Event_KeyDown(const std::string& key) override {
    keys.push_back(key);
    return handleKeys;
  }
  bool Event_MouseDown(std::int32_t, std::int32_t) override {
    ++mouseDowns;
    return false;
  }
  void Event_Open() override { opened.push_back("window"); }
};

// A constructed test window of the given content size, released with the last reference.
inline fw::Ref<ControlsWindow> MakeControlsWindow(std::int32_t width = 300, std::int32_t height = 200) {
  fw::Ref<ControlsWindow> window = fw::New<ControlsWindow>();
  window->Construct();
  window->Width(width);
  window->Height(height);
  return window;
}
