// No text of the program is clipped, in English and in German, with the fonts the tests run
// with: every control with text on every window and page, the toolbar, and the explanation
// window's title for every pattern kind. A failure names the control and both widths.
#include <QCoreApplication>
#include <QGroupBox>
#include <QToolBar>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

#include "app/Globals.h"
#include "control/PatternGroups.h"
#include "control/QV_Toolbar.h"
#include "control/wHelp.h"
#include "control/wMain.h"
#include "framework/application.h"
#include "framework/controls/edit_field.h"
#include "framework/controls/text_control.h"
#include "framework/localized.h"
#include "main_window_fixture.h"

namespace {

int argc = 1;
char name[] = "quarvel";
char* argv[] = {name, nullptr};

// The width Qt's own measure says the control's widget needs for its whole text.
int NeededByQt(const QWidget& widget) {
  if (qobject_cast<const QGroupBox*>(&widget)) return widget.minimumSizeHint().width();
  return widget.sizeHint().width();
}

// The language's translation is installed as the program installs it at start, before the
// program builds its menus and windows.
class TextFit : public MainWindowTest, public testing::WithParamInterface<const char*> {
protected:
  void BeforeStart() override {
    fw::Initialize(argc, argv);
    const std::string language = GetParam();
    const std::string folder = QCoreApplication::applicationDirPath().toStdString() + "/../translations";
    ASSERT_EQ(fw::LoadTranslations(folder, {language}), language != "en") << language;
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    fw::UnloadTranslations();
  }

  // Every control with text on the window fits its box, and the box fits the window.
  static void ExpectTextsFit(fw::Window& window, const std::string& windowName) {
    for (const auto& control : window.Controls()) {
      const auto* text = dynamic_cast<const fw::TextControl*>(control.get());
      // A text field wraps its lines.
      if (!text || !text->Widget() || dynamic_cast<const fw::EditField*>(text)) continue;
      const std::string where = windowName + "." + control->Name;
      EXPECT_LE(NeededByQt(*text->Widget()), text->Width())
          << where << " is clipped: its text needs " << NeededByQt(*text->Widget()) << " px, the control is "
          << text->Width() << " px wide";
      EXPECT_LE(text->Left() + text->Width(), window.Width()) << where << " reaches out of its window";
    }
  }
};

}  // namespace

TEST_P(TextFit, EveryControlOfTheMainWindowOnEveryPage) {
  // The texts do not change with the page; the pages are walked so that what a user sees on
  // each of them is what is measured.
  for (std::int32_t group = 0; group < 4; ++group) {
    wMain().PatternGroupChange(group);
    Settle();
    ExpectTextsFit(wMain(), "wMain (group " + std::to_string(group) + ")");
  }
  wMain().ShowAbout();
  Settle();
  ExpectTextsFit(wMain(), "wMain (About)");
}

TEST_P(TextFit, EveryToolbarButtonShowsWithItsWholeCaption) {
  QToolBar* bar = wMain().Find<QV_Toolbar>("MyToolbar")->Bar();
  EXPECT_LE(bar->sizeHint().width(), bar->width())
      << "MyToolbar: its buttons need " << bar->sizeHint().width() << " px, the toolbar is " << bar->width()
      << " px wide";
  for (QAction* action : bar->actions()) {
    const QWidget* button = bar->widgetForAction(action);
    ASSERT_NE(button, nullptr) << action->text().toStdString();
    EXPECT_TRUE(button->isVisible()) << "MyToolbar \"" << action->text().toStdString() << "\" is not shown";
    EXPECT_GE(button->width(), button->sizeHint().width())
        << "MyToolbar \"" << action->text().toStdString() << "\": needs " << button->sizeHint().width()
        << " px, has " << button->width() << " px";
  }
}

TEST_P(TextFit, TheExplanationTitleOfEveryPattern) {
  class wHelp& help = wHelp();
  for (const PatternGroup& group : PatternGroups())
    for (std::string_view kind : group.kinds) {
      help.Set(std::string(kind));
      ExpectTextsFit(help, "wHelp (" + std::string(kind) + ")");
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, testing::Values("en", "de"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });
