// Every help tag of the main window, hovered as Qt asks for a tooltip, shows wrapped at a
// readable width, on the screen and beside the pointer, in English and in German.
#include <QApplication>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QScreen>
#include <QToolTip>
#include <gtest/gtest.h>

#include "control/wMain.h"
#include "framework/application.h"
#include "framework/control.h"
#include "framework/localized.h"
#include "main_window_fixture.h"

namespace {

int argc = 1;
char name[] = "quarvel";
char* argv[] = {name, nullptr};

const QLabel* ShownTip() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->inherits("QTipLabel") && widget->isVisible()) return qobject_cast<QLabel*>(widget);
  return nullptr;
}

class HelpTags : public MainWindowTest, public testing::WithParamInterface<const char*> {
protected:
  void BeforeStart() override {
    fw::Initialize(argc, argv);
    fw::LoadTranslations(QCoreApplication::applicationDirPath().toStdString() + "/../translations", {GetParam()});
  }
  void TearDown() override {
    QToolTip::hideText();
    MainWindowTest::TearDown();
    fw::UnloadTranslations();
  }
};

}  // namespace

TEST_P(HelpTags, WrapAtAReadableWidthBesideThePointer) {
  for (std::int32_t group = 0; group < 4; ++group) {
    wMain().PatternGroupChange(group);
    Settle();
    for (const auto& control : wMain().Controls()) {
      const auto* rect = dynamic_cast<const fw::RectControl*>(control.get());
      if (!rect || rect->HelpTag().empty() || !rect->Widget()->isVisible()) continue;
      QWidget* widget = rect->Widget();
      const QPoint pointer = widget->mapToGlobal(widget->rect().center());
      QHelpEvent hover(QEvent::ToolTip, widget->rect().center(), pointer);
      QApplication::sendEvent(widget, &hover);
      const QLabel* tip = ShownTip();
      ASSERT_NE(tip, nullptr) << control->Name;

      const QStringList lines = tip->text().split(u'\n');
      EXPECT_EQ(lines.join(u' ').toStdString(), rect->HelpTag()) << control->Name << " is broken only at blanks";
      for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 60) << control->Name << ": " << lines[i].toStdString();
        EXPECT_TRUE(i + 1 == lines.size() || lines[i].size() >= 25) << control->Name << ": " << lines[i].toStdString();
      }
      const QRect shown = tip->frameGeometry();
      EXPECT_TRUE(widget->screen()->availableGeometry().contains(shown)) << control->Name << " leaves the screen";
      const QRect nearby(pointer - QPoint(24, 24), QSize(49, 49));
      EXPECT_TRUE(shown.intersects(nearby)) << control->Name << ": the tip stands away from the pointer";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpTags, testing::Values("en", "de"));
