// The up and down arrows reach the window's KeyDown wherever the focus is, except in an open
// pop-up list; Return pushes the default button.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include "framework/application.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit_field.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/push_button.h"
#include "framework/strings.h"
#include "controls_fixture.h"

using namespace fw;

namespace {

// Presses a key as Qt delivers it: to the focused widget of the window, else to the window.
void Press(QWidget& window, Qt::Key key) {
  QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
}

class KeysTest : public testing::Test {
protected:
  void SetUp() override {
    w = MakeControlsWindow();
    box = w->Add<CheckBox>("cb", 10, 10, 100, 20);
    popup = w->Add<PopupMenu>("pm", 10, 40, 80, 20);
    popup->InitialValue("a\rb\rc");  // three rows, split at Chr(13)
    popup->ListIndex(1);
    text = w->Add<EditField>("ef", 10, 70, 200, 60);
    w->Show();
  }

  Ref<ControlsWindow> w;
  Ref<CheckBox> box;
  Ref<PopupMenu> popup;
  Ref<EditField> text;
};

TEST_F(KeysTest, ArrowsReachKeyDownOnceFromAFocusedControl) {
  for (RectControl* focused : std::initializer_list<RectControl*>{box.get(), popup.get(), text.get()}) {
    w->keys.clear();
    focused->Widget()->setFocus();
    ASSERT_EQ(w->Widget()->focusWidget(), focused->Widget()) << focused->Name;
    Press(*w->Widget(), Qt::Key_Up);
    Press(*w->Widget(), Qt::Key_Down);
    EXPECT_EQ(w->keys, (std::vector<std::string>{Chr(30), Chr(31)})) << focused->Name;
  }
  EXPECT_EQ(popup->ListIndex(), 1) << "handled arrows do not reach the pop-up menu";
}

TEST_F(KeysTest, UnhandledArrowsGoOnToTheControl) {
  w->handleKeys = false;
  int changes = 0;
  popup->Change = [&] { ++changes; };
  popup->Widget()->setFocus();
  Press(*w->Widget(), Qt::Key_Down);
  EXPECT_EQ(w->keys, std::vector<std::string>{Chr(31)}) << "asked once, not again on the way back up";
  EXPECT_EQ(popup->ListIndex(), 2);
  EXPECT_EQ(changes, 1);
}

TEST_F(KeysTest, AnOpenPopupListKeepsItsArrows) {
  auto& combo = *static_cast<QComboBox*>(popup->Widget());
  combo.setFocus();
  combo.showPopup();
  ASSERT_TRUE(combo.view()->isVisible());
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(combo.view(), &down);
  EXPECT_TRUE(w->keys.empty());
  combo.hidePopup();
}

TEST_F(KeysTest, OtherKeysStayWithTheFocusedControl) {
  text->Widget()->setFocus();
  QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  QApplication::sendEvent(text->Widget(), &letter);
  EXPECT_TRUE(w->keys.empty());
  EXPECT_EQ(text->Text(), "a");
}

TEST_F(KeysTest, ReturnPushesTheDefaultButtonWhereverTheFocusIs) {
  auto run = w->Add<PushButton>("pbRun", 200, 160, 80, 20);
  auto other = w->Add<PushButton>("pbOther", 100, 160, 80, 20);
  run->Default(true);
  int pushed = 0, otherPushed = 0;
  run->Action = [&] { ++pushed; };
  other->Action = [&] { ++otherPushed; };

  box->Widget()->setFocus();
  Press(*w->Widget(), Qt::Key_Return);
  other->Widget()->setFocus();
  Press(*w->Widget(), Qt::Key_Enter);
  EXPECT_EQ(pushed, 2);
  EXPECT_EQ(otherPushed, 0);
  EXPECT_TRUE(w->keys.empty());

  text->Widget()->setFocus();
  Press(*w->Widget(), Qt::Key_Return);
  EXPECT_EQ(pushed, 2) << "an editable text field takes Return";
  text->ReadOnly(true);
  Press(*w->Widget(), Qt::Key_Return);
  EXPECT_EQ(pushed, 3);

  run->Enabled(false);
  box->Widget()->setFocus();
  Press(*w->Widget(), Qt::Key_Return);
  EXPECT_EQ(pushed, 3) << "a disabled default button";
  EXPECT_EQ(w->keys, std::vector<std::string>{Chr(13)}) << "Return then goes to KeyDown";
}

TEST(KeyTextTest, EveryKeyButAModifierAloneDeliversAText) {
  EXPECT_EQ(KeyText(Qt::Key_A, "a"), "a");
  EXPECT_EQ(KeyText(Qt::Key_Escape, "\x1b"), Chr(27));
  EXPECT_EQ(KeyText(Qt::Key_Up, ""), Chr(30));
  EXPECT_EQ(KeyText(Qt::Key_Home, ""), Chr(1));
  EXPECT_EQ(KeyText(Qt::Key_PageDown, ""), Chr(12));
  for (int key : {Qt::Key_F1, Qt::Key_F12, Qt::Key_Insert, Qt::Key_Pause, Qt::Key_Print})
    EXPECT_FALSE(KeyText(key, "").empty()) << key;
  for (int key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_CapsLock, Qt::Key_Mode_switch})
    EXPECT_TRUE(KeyText(key, "").empty()) << key;
}

}  // namespace
