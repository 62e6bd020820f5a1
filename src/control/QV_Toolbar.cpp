#include "control/QV_Toolbar.h"

#include "app/Assets.h"
#include "text/localization.h"

namespace {

fw::Ref<fw::ToolButton> MakeItem(const char* name, std::int32_t style, const std::string& caption,
                                 fw::Ref<fw::Picture> icon) {
  auto item = fw::New<fw::ToolButton>();
  item->Name = name;
  item->Style(style);
  item->Enabled(true);
  item->Caption(caption);
  item->HelpTag("");
  if (style != fw::ToolButton::kSeparator) item->Icon(std::move(icon));
  return item;
}

}  // namespace

QV_Toolbar::QV_Toolbar() {
  using fw::ToolButton;
  tbColors = MakeItem("tbColors", ToolButton::kButton, Localization::Colors(), ColorShadesIcon());
  Append(tbColors);
  tbGeometry = MakeItem("tbGeometry", ToolButton::kButton, Localization::Geometry(), GeometryIcon());
  Append(tbGeometry);
  tbMatching = MakeItem("tbMatching", ToolButton::kButton, Localization::Matching(), MatchingIcon());
  Append(tbMatching);
  tbVideo = MakeItem("tbVideo", ToolButton::kButton, Localization::Video(), VideoIcon());
  Append(tbVideo);
  tbSeparator1 = MakeItem("tbSeparator1", ToolButton::kSeparator, "Untitled", nullptr);
  Append(tbSeparator1);
  tbHelp = MakeItem("tbHelp", ToolButton::kButton, Localization::Help(), HelpIconOn());
  Append(tbHelp);
  tbInfo = MakeItem("tbInfo", ToolButton::kButton, "Info", InfoIcon());
  Append(tbInfo);
}
