// Every help tag of the main window shows as a tooltip of a readable width beside the pointer,
// in English and in German: hovered as Qt asks for a tooltip, the tip Qt shows is measured.
#include <QApplication>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QScreen>
#include <QToolTip>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

#include "control/wMain.h"
#include "framework/application.h"
#include "framework/control.h"
#include "framework/localized.h"
#include "main_window_fixture.h"

namespace {

int argc = 1;
char name[] = "quarvel";
char* argv[] = {name, nullptr};

QLabel* ShownTip() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->inherits("QTipLabel") && widget->isVisible()) return qobject_cast<QLabel*>(widget);
  return nullptr;
}

class HelpTags : public MainWindowTest, public testing::WithParamInterface<const char*> {
protected:
  void BeforeStart() override {
    fw::Initialize(argc, argv);
    const std::string folder = QCoreApplication::applicationDirPath().toStdString() + "/../translations";
    fw::LoadTranslations(folder, {GetParam()});
  }
  void TearDown() override {
    QToolTip::hideText();
    MainWindowTest::TearDown();
    fw::UnloadTranslations();
  }
};

}  // namespace

TEST_P(HelpTags, WrapAtAReadableWidthBesideThePointer) {
  std::size_t longest = 0;
  for (std::int32_t group = 0; group < 4; ++group) {
    wMain().PatternGroupChange(group);
    Settle();
    for (const auto& control : wMain().Controls()) {
      const auto* rect = dynamic_cast<const fw::RectControl*>(control.get());
      if (!rect || rect->HelpTag().empty() || !rect->Widget()->isVisible()) continue;
      QWidget* widget = rect->Widget();
      const QString tag = QString::fromStdString(rect->HelpTag());
      longest = std::max(longest, static_cast<std::size_t>(tag.size()));
      const QPoint pointer = widget->mapToGlobal(widget->rect().center());
      QHelpEvent hover(QEvent::ToolTip, widget->rect().center(), pointer);
      QApplication::sendEvent(widget, &hover);
      const QLabel* tip = ShownTip();
      ASSERT_NE(tip, nullptr) << control->Name;

      const QStringList lines = tip->text().split(u'\n');
      EXPECT_EQ(lines.join(u' '), tag) << control->Name << ": the words are the tag's, broken only at blanks";
      for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 60) << control->Name << " line " << i << ": " << lines[i].toStdString();
        if (i + 1 < lines.size()) {
          EXPECT_GE(lines[i].size(), 25) << control->Name << " line " << i;
        }
      }
      const QRect free = widget->screen()->availableGeometry();
      const QRect shown = tip->frameGeometry();
      EXPECT_TRUE(free.contains(shown)) << control->Name << " leaves the screen";
      const int gapX = std::max({shown.left() - pointer.x(), pointer.x() - shown.right(), 0});
      const int gapY = std::max({shown.top() - pointer.y(), pointer.y() - shown.bottom(), 0});
      EXPECT_LE(std::max(gapX, gapY), 24) << control->Name << ": the tip stands away from the pointer";
    }
  }
  EXPECT_GT(longest, 150u) << "the longest tags, which need wrapping most, were among those hovered";
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpTags, testing::Values("en", "de"));
