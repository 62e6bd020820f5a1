// Pop-up menus: rows from a carriage-return separated text, and a chosen row only by choice.
#include <gtest/gtest.h>

#include <QComboBox>

#include "framework/controls/popup_menu.h"
#include "framework/strings.h"
#include "controls_fixture.h"

using namespace fw;

namespace {

struct RowsCase {
  const char* name;
  std::string initial;
  std::vector<std::string> rows;
};

class PopupRows : public testing::TestWithParam<RowsCase> {};

TEST_P(PopupRows, InitialValueGivesOneRowPerField) {
  auto w = MakeControlsWindow();
  auto p = w->Add<PopupMenu>("pm", 0, 0, 80, 20);
  p->AddRow("old");
  p->InitialValue(GetParam().initial);
  ASSERT_EQ(p->ListCount(), static_cast<std::int32_t>(GetParam().rows.size())) << "the old rows are replaced";
  for (std::int32_t i = 0; i < p->ListCount(); ++i) EXPECT_EQ(p->List(i), GetParam().rows[static_cast<std::size_t>(i)]);
  EXPECT_EQ(p->ListIndex(), -1) << "rows alone choose nothing";
  EXPECT_EQ(p->Text(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PopupRows,
    testing::Values(RowsCase{"Empty", "", {}}, RowsCase{"One", "8 pt.", {"8 pt."}},
                    RowsCase{"Two", "Percent" + Chr(13) + "Pixels", {"Percent", "Pixels"}},
                    RowsCase{"EmptyFieldKept", "a" + Chr(13) + Chr(13) + "b", {"a", "", "b"}},
                    RowsCase{"LineFeedIsText", "a\nb", {"a\nb"}},
                    RowsCase{"Unicode", "Prozent" + Chr(13) + "Bildpunkte " + Chr(0x2026), {"Prozent", "Bildpunkte " + Chr(0x2026)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PopupMenu, ListIndexOutsideTheRowsIsLeftUnapplied) {
  auto w = MakeControlsWindow();
  auto p = w->Add<PopupMenu>("pm", 0, 0, 80, 20);
  int changes = 0;
  p->Change = [&] { ++changes; };
  p->ListIndex(0);  // as a layout does before the rows come
  EXPECT_EQ(p->ListIndex(), -1);
  for (const char* row : {"1", "2"}) p->AddRow(row);
  EXPECT_EQ(p->ListIndex(), -1);
  p->ListIndex(1);
  EXPECT_EQ(p->Text(), "2");
  for (std::int32_t bad : {2, -2, 1000}) p->ListIndex(bad);
  EXPECT_EQ(p->ListIndex(), 1);
  p->ListIndex(-1);
  EXPECT_EQ(p->Text(), "");
  EXPECT_EQ(changes, 2);
  EXPECT_THROW(p->List(2), OutOfBoundsException);
  EXPECT_THROW(p->List(-1), OutOfBoundsException);
}

TEST(PopupMenu, ReplacingTheRowsDropsTheChoiceAndSaysSo) {
  auto w = MakeControlsWindow();
  auto p = w->Add<PopupMenu>("pm", 0, 0, 80, 20);
  p->InitialValue("a" + Chr(13) + "b");
  p->ListIndex(1);
  int changes = 0;
  p->Change = [&] { ++changes; };
  p->AddRow("c");
  EXPECT_EQ(p->ListIndex(), 1) << "adding keeps the chosen row";
  EXPECT_EQ(changes, 0);
  p->InitialValue("x");
  EXPECT_EQ(p->ListIndex(), -1);
  EXPECT_EQ(changes, 1);
}

}  // namespace
