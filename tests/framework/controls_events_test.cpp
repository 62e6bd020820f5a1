// Values set by code raise a control's event exactly as the user's changes do, and only when
// the value changes; the handler already reads the new value.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QSlider>
#include <stdexcept>

#include "framework/application.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit_field.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/slider.h"
#include "framework/strings.h"
#include "controls_fixture.h"

using namespace fw;

namespace {

// One control under test: how to bind its event, set its value by code and change it as the
// user does, and what it reads as its value.
struct Subject {
  std::function<void(std::function<void()>)> bind;
  std::function<void()> setSame, setNew, userChange;
  std::function<std::string()> value;
};

struct EventCase {
  const char* name;
  Subject (*make)(ControlsWindow& w);
};

Subject CheckBoxSubject(ControlsWindow& w) {
  auto c = w.Add<CheckBox>("cb", 0, 0, 100, 20);
  return {[c](auto f) { c->Action = f; }, [c] { c->Value(false); }, [c] { c->Value(true); },
          [c] { static_cast<QAbstractButton*>(c->Widget())->click(); }, [c] { return std::string(c->Value() ? "on" : "off"); }};
}

Subject SliderSubject(ControlsWindow& w) {
  auto s = w.Add<Slider>("sl", 0, 0, 16, 140);
  s->Maximum(6);
  return {[s](auto f) { s->ValueChanged = f; }, [s] { s->Value(-3); },  // clamped to 0, where it stands
          [s] { s->Value(4); }, [s] { static_cast<QSlider*>(s->Widget())->setValue(5); }, [s] { return Str(s->Value()); }};
}

Subject PopupSubject(ControlsWindow& w) {
  auto p = w.Add<PopupMenu>("pm", 0, 0, 80, 20);
  p->InitialValue("a\rb\rc");
  p->ListIndex(0);
  return {[p](auto f) { p->Change = f; }, [p] { p->ListIndex(0); }, [p] { p->ListIndex(2); },
          [p] { static_cast<QComboBox*>(p->Widget())->setCurrentIndex(1); }, [p] { return p->Text(); }};
}

Subject EditFieldSubject(ControlsWindow& w) {
  auto e = w.Add<EditField>("ef", 0, 0, 100, 60);
  e->Text("one\rtwo");
  return {[e](auto f) { e->TextChange = f; }, [e] { e->Text("one\rtwo"); }, [e] { e->Text("three"); },
          [e] { static_cast<QPlainTextEdit*>(e->Widget())->insertPlainText("!"); }, [e] { return e->Text(); }};
}

class CodeSetValues : public testing::TestWithParam<EventCase> {};

TEST_P(CodeSetValues, RaiseTheEventOnlyWhenTheValueChanges) {
  auto w = MakeControlsWindow();
  Subject s = GetParam().make(*w);
  std::vector<std::string> seen;
  s.bind([&] { seen.push_back(s.value()); });

  s.setSame();
  EXPECT_TRUE(seen.empty()) << "the value it already has";
  s.setNew();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], s.value()) << "the handler reads the new value";
  s.setNew();
  EXPECT_EQ(seen.size(), 1u) << "the same new value again";
  s.userChange();
  ASSERT_EQ(seen.size(), 2u) << "the user's change";
  EXPECT_EQ(seen[1], s.value());
}

TEST_P(CodeSetValues, AnExceptionGoesToTheCodeOrToTheUnhandledRoutine) {
  auto w = MakeControlsWindow();
  Subject s = GetParam().make(*w);
  s.bind([] { throw std::runtime_error("handler"); });
  EXPECT_THROW(s.setNew(), std::runtime_error) << "code setting the value gets its handler's exception";

  std::string reported;
  SetUnhandledExceptionHandler([&](const std::string& d) { reported = d; });
  s.userChange();
  SetUnhandledExceptionHandler(nullptr);
  EXPECT_NE(reported.find("handler"), std::string::npos) << "a user's change never lets it reach Qt";
}

INSTANTIATE_TEST_SUITE_P(Controls, CodeSetValues,
                         testing::Values(EventCase{"CheckBoxValue", CheckBoxSubject}, EventCase{"SliderValue", SliderSubject},
                                         EventCase{"PopupMenuListIndex", PopupSubject},
                                         EventCase{"EditFieldText", EditFieldSubject}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ControlOpen, RaisedInCreationOrderBeforeTheWindowsOpen) {
  struct Opening : ControlsWindow {
    void CreateControls() override {
      for (const char* name : {"first", "second"}) {
        auto c = Add<CheckBox>(name, 0, 0, 10, 10);
        c->Open = [this, name] { opened.push_back(name); };
      }
    }
  };
  Opening w;
  w.Construct();
  EXPECT_EQ(w.opened, (std::vector<std::string>{"first", "second", "window"}));
}

}  // namespace
