#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>

#include "app/Assets.h"
#include "app/Globals.h"
#include "control/wHelp.h"
#include "control/wMain.h"
#include "framework/controls/canvas.h"
#include "framework/controls/edit_field.h"
#include "framework/controls/static_text.h"
#include "framework/graphics.h"
#include "framework/picture.h"
#include "framework/strings.h"
#include "main_window_fixture.h"
#include "text/localization.h"

namespace {

std::string Title() { return wHelp().Find<fw::StaticText>("stTitel")->Text(); }
fw::Ref<fw::EditField> TextField() { return wHelp().Find<fw::EditField>("stText"); }
// The field hands lines back with carriage returns, whatever the texts separate them with.
std::string AsShown(std::string text) { return fw::ReplaceAll(fw::ReplaceAll(text, "\r\n", "\r"), "\n", "\r"); }

struct ExplanationRow {
  const char* kind;
  fw::String (*title)();
  fw::String (*text)();
  bool defectivePixels;
};

void PrintTo(const ExplanationRow& row, std::ostream* out) { *out << row.kind; }

class ExplanationTexts : public MainWindowTest, public testing::WithParamInterface<ExplanationRow> {};

}  // namespace

TEST_P(ExplanationTexts, TitleAndTextOfTheKind) {
  const ExplanationRow& row = GetParam();
  wHelp().Set("GeoMargins");  // something else first, so that every row changes the texts
  wHelp().Set("ColWhite");
  wHelp().Set(row.kind);
  EXPECT_EQ(Title(), row.title());
  std::string expected = row.text();
  if (row.defectivePixels) expected += fw::Chr(13) + fw::Chr(13) + Localization::HtLgDefectivePixels();
  EXPECT_EQ(TextField()->Text(), AsShown(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExplanationTexts,
    testing::Values(ExplanationRow{"ColWhite", Localization::White, Localization::HtLgColWhite, true},
                    ExplanationRow{"ColBlack", Localization::Black, Localization::HtLgColBlack, true},
                    ExplanationRow{"ColRed", Localization::Red, Localization::HtLgColRed, true},
                    ExplanationRow{"ColGreen", Localization::Green, Localization::HtLgColGreen, true},
                    ExplanationRow{"ColBlue", Localization::Blue, Localization::HtLgColBlue, true},
                    ExplanationRow{"ColGrayShades", Localization::GrayShades, Localization::HtLgColGrayShades, false},
                    ExplanationRow{"ColColorShades", Localization::ColorShades, Localization::HtLgColColorShades, false},
                    ExplanationRow{"GeoClockPhase", Localization::ClockPhase, Localization::HtLgGeoClockPhase, false},
                    ExplanationRow{"GeoInvTracing", Localization::InvTracing, Localization::HtLgGeoInvTracing, false},
                    ExplanationRow{"VideoOverscan", Localization::OverscanCheck, Localization::HtLgVideoOverscan, false},
                    ExplanationRow{"MatchWhite", Localization::Matching, Localization::HtLgMatching, false},
                    ExplanationRow{"MatchGray50", Localization::Matching, Localization::HtLgMatching, false},
                    ExplanationRow{"MatchBlueGraduations", Localization::Matching, Localization::HtLgMatching, false},
                    ExplanationRow{"Match", Localization::Matching, Localization::HtLgMatching, false},
                    ExplanationRow{"Matchbox", Localization::Matching, Localization::HtLgMatching, false}),
    [](const testing::TestParamInfo<ExplanationRow>& info) { return std::string(info.param.kind); });

TEST_F(MainWindowTest, UnknownKindsLeaveBothTextsAsTheyWere) {
  wHelp().Set("GeoTracing");
  const std::string title = Title(), text = TextField()->Text();
  for (const char* kind : {"", "colwhite", "ColWhite ", "Matc", "Video", "match"}) {
    wHelp().Set(kind);
    EXPECT_EQ(Title(), title) << '"' << kind << '"';
    EXPECT_EQ(TextField()->Text(), text) << '"' << kind << '"';
  }
}

TEST_F(MainWindowTest, TheExplanationWindowOpensHiddenWithWhitesTextsAndTheMainWindowsHeightPlus26) {
  class wHelp& help = wHelp();
  Settle();
  EXPECT_FALSE(help.Visible());
  EXPECT_EQ(help.Height(), wMain().Height() + 26);
  EXPECT_EQ(help.Width(), 270);
  EXPECT_EQ(Title(), Localization::White());
  // The text field follows the height, locked to the top and bottom edges.
  EXPECT_EQ(TextField()->Top(), 46);
  EXPECT_EQ(TextField()->Height(), 246 + help.Height() - 296);
  EXPECT_EQ(&help, &wHelp()) << "one explanation window";
}

TEST_F(MainWindowTest, ShownItStandsAtTheMainWindowsRightEdgeAndFollowsIt) {
  QWidget* main = wMain().Widget();
  main->move(40, 30);
  Settle();
  wHelp().ShowWithin(wMain(), 2);
  Settle();
  QWidget* help = wHelp().Widget();
  ASSERT_TRUE(wHelp().Visible());
  EXPECT_EQ(help->frameGeometry().left(), main->frameGeometry().right() + 1);
  EXPECT_EQ(help->frameGeometry().top(), main->frameGeometry().top());

  main->move(100, 60);
  Settle();
  EXPECT_EQ(help->frameGeometry().left(), main->frameGeometry().right() + 1);
  EXPECT_EQ(help->frameGeometry().top(), main->frameGeometry().top());

  wMain().Hide();
  Settle();
  EXPECT_FALSE(wHelp().Visible()) << "hidden with the main window";
  wMain().Show();
  Settle();
  EXPECT_TRUE(wHelp().Visible()) << "back with the main window";

  wHelp().Hide();
  wMain().Hide();
  wMain().Show();
  Settle();
  EXPECT_FALSE(wHelp().Visible()) << "a hidden explanation window stays hidden";
}

// A desktop's minimize and restore, one window at a time as some desktops do it: the other
// follows, and neither is hidden (a hidden tool window mapped again would fight the desktop).
TEST_F(MainWindowTest, MinimizingEitherWindowTakesTheOtherAlongAndBothStayShown) {
  wHelp().ShowWithin(wMain(), 2);
  Settle();
  QWidget* main = wMain().Widget();
  QWidget* help = wHelp().Widget();
  const auto minimize = [](QWidget* w, bool on) {
    w->setWindowState(on ? w->windowState() | Qt::WindowMinimized : w->windowState() & ~Qt::WindowMinimized);
  };
  for (QWidget* first : {main, help}) {
    QWidget* other = first == main ? help : main;
    minimize(first, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return other->isMinimized(); }, 2000)) << (first == main ? "main" : "help");
    EXPECT_TRUE(wHelp().Visible()) << "still shown for the program (its menu item and toggle)";
    minimize(first, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !other->isMinimized(); }, 2000)) << (first == main ? "main" : "help");
    EXPECT_TRUE(wHelp().Visible());
    EXPECT_EQ(help->frameGeometry().left(), main->frameGeometry().right() + 1);
  }
}

TEST_F(MainWindowTest, TheExplanationWindowOnlyMinimizesTheDesktopCannotCloseItButTheToggleHidesIt) {
  wHelp().ShowWithin(wMain(), 2);
  Settle();
  QWidget* help = wHelp().Widget();
  EXPECT_FALSE(help->windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(help->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(help->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(help->minimumSize(), help->maximumSize()) << "the desktop offers no resizing";

  // A close request through the platform window, as the desktop's title bar or Alt+F4 sends it.
  ASSERT_NE(help->windowHandle(), nullptr);
  help->windowHandle()->close();
  Settle();
  EXPECT_TRUE(wHelp().Visible()) << "the menu's text would no longer match the window";

  wHelp().Hide();
  Settle();
  EXPECT_FALSE(wHelp().Visible());
}

TEST_F(MainWindowTest, CtrlCCopiesFromTheExplanationTextWhileTheEditMenusCopyIsOff) {
  wHelp().ShowWithin(wMain(), 2);
  wHelp().Widget()->activateWindow();
  auto* text = qobject_cast<QPlainTextEdit*>(TextField()->Widget());
  ASSERT_NE(text, nullptr);
  text->setFocus();
  Settle();
  text->selectAll();
  QApplication::clipboard()->setText("before");
  QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
  Settle();
  EXPECT_EQ(QApplication::clipboard()->text(), text->toPlainText());
}

TEST_F(MainWindowTest, APaintShowsTheCurrentKindFromTheTopWithoutAnotherPaint) {
  Globals::PatternKind = "GeoPumpEffect";
  wHelp().ShowWithin(wMain(), 2);
  Settle();
  EXPECT_EQ(Title(), Localization::PumpEffect());

  // A text long enough to scroll, scrolled down by the user.
  const fw::Ref<fw::EditField> field = TextField();
  std::string lines;
  for (int i = 0; i < 200; ++i) lines += "line " + fw::Str(i) + fw::Chr(13);
  field->Text(lines);
  Settle();
  field->ScrollPosition(40);
  ASSERT_GT(field->ScrollPosition(), 0);
  wHelp().DeliverPaint();
  EXPECT_EQ(field->ScrollPosition(), 0);
  EXPECT_EQ(field->Text(), AsShown(Localization::HtLgGeoPumpEffect()));

  // Painting with the texts already in place changes nothing and asks for nothing more.
  int changes = 0;
  const auto redraw = field->TextChange;
  field->TextChange = [&] {
    ++changes;
    redraw();
  };
  for (int i = 0; i < 5; ++i) {
    wHelp().DeliverPaint();
    Settle();
  }
  EXPECT_EQ(changes, 0);

  field->ScrollPosition(0);
  field->Text(lines);
  Settle();
  field->ScrollPosition(40);
  wHelp().Set("NoSuchKind");
  EXPECT_EQ(field->ScrollPosition(), 0) << "back to the top also for a kind that changes no text";
}

TEST_F(MainWindowTest, TheTitleBarShowsItsBackdropWithTheLogoAt208By8) {
  const fw::Ref<fw::Canvas> bar = wHelp().Find<fw::Canvas>("cvTitel");
  const fw::Ref<fw::Picture> shown = bar->Render();
  ASSERT_TRUE(shown);
  const fw::Ref<fw::Picture> logo = velostralogosmall();
  ASSERT_TRUE(logo && TitelBG());

  const fw::Ref<fw::Picture> expected = fw::NewPicture(270, 32, 32);
  expected->Graphics()->DrawPicture(TitelBG(), 0, 0);
  expected->Graphics()->DrawPicture(logo, 208, 8);
  EXPECT_EQ(shown->Image(), expected->Image());

  // The logo does leave its mark where it stands and nowhere else.
  const fw::Ref<fw::Picture> bare = fw::NewPicture(270, 32, 32);
  bare->Graphics()->DrawPicture(TitelBG(), 0, 0);
  int differing = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 270; ++x) {
      if (shown->Image().pixel(x, y) == bare->Image().pixel(x, y)) continue;
      ++differing;
      EXPECT_TRUE(x >= 208 && y >= 8 && x < 208 + logo->Width() && y < 8 + logo->Height()) << x << "," << y;
    }
  EXPECT_GT(differing, 0);
}
