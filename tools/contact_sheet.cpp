// quarvel-contact-sheet kinds WIDTHxHEIGHT OUT.png
// quarvel-contact-sheet assets OUT.png
// One PNG to look over at a glance: the 28 pattern kinds rendered full screen at the size
// given, one row per pattern group, each labelled with its kind; or every picture asset at its
// own size, over a checkerboard where a mask or transparency lets the background through,
// labelled with its name, id and size. Headless.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Assets.h"
#include "control/PatternGroups.h"
#include "framework/application.h"
#include "framework/graphics.h"
#include "framework/picture.h"
#include "pattern_renderer.h"
#include "render_args.h"
#include "text/localization.h"

namespace {

constexpr const char* kUsage =
    "usage: quarvel-contact-sheet kinds WIDTHxHEIGHT OUT.png | quarvel-contact-sheet assets OUT.png";

// The sheet's look, shared by both sheets.
constexpr int kMargin = 32, kGap = 24, kLabelGap = 6;
const QColor kBackground(0x2b, 0x2b, 0x2b), kText(0xf0, 0xf0, 0xf0), kNote(0xa8, 0xa8, 0xa8),
    kHeading(0x9f, 0xc5, 0xff), kOutline(0x70, 0x70, 0x70);
QFont SheetFont(int pixels, bool bold = false) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}
// Fonts are made once the Qt application exists.
QFont TitleFont() { return SheetFont(22, true); }
QFont HeadingFont() { return SheetFont(17, true); }
QFont LabelFont() { return SheetFont(14); }
QFont NoteFont() { return SheetFont(12); }

// One picture with its label lines under it.
struct Cell {
  QImage picture;
  std::vector<std::pair<QString, QFont>> lines;
  QColor LineColor(std::size_t i) const { return i == 0 ? kText : kNote; }
  int LabelHeight() const {
    int h = 0;
    for (const auto& [text, font] : lines) h += QFontMetrics(font).height();
    return h;
  }
  int Width() const {
    int w = picture.width();
    for (const auto& [text, font] : lines) w = std::max(w, QFontMetrics(font).horizontalAdvance(text));
    return w;
  }
  int Height() const { return picture.height() + kLabelGap + LabelHeight(); }
};

// A row of cells under an optional heading.
struct Row {
  QString heading;
  std::vector<Cell> cells;
};

int RowWidth(const Row& row, int cellWidth) {
  int w = 0;
  for (const Cell& cell : row.cells) w += (cellWidth ? cellWidth : cell.Width()) + kGap;
  return row.cells.empty() ? 0 : w - kGap;
}

// Lays the rows out under the title, cells left to right (all cellWidth wide when it is not 0),
// and paints the sheet.
QImage Compose(const QString& title, const QString& note, const std::vector<Row>& rows, int cellWidth) {
  const int titleH = QFontMetrics(TitleFont()).height(), noteH = QFontMetrics(NoteFont()).height(),
            headingH = QFontMetrics(HeadingFont()).height();
  int width = QFontMetrics(TitleFont()).horizontalAdvance(title), height = titleH + noteH;
  for (const Row& row : rows) {
    int cellsH = 0;
    for (const Cell& cell : row.cells) cellsH = std::max(cellsH, cell.Height());
    width = std::max(width, RowWidth(row, cellWidth));
    height += kGap + (row.heading.isEmpty() ? 0 : headingH + kLabelGap) + cellsH;
  }
  QImage sheet(width + 2 * kMargin, height + 2 * kMargin, QImage::Format_RGB888);
  sheet.fill(kBackground);
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::TextAntialiasing);
  int y = kMargin;
  auto text = [&](const QString& s, const QFont& font, const QColor& color, int x) {
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(x, y + QFontMetrics(font).ascent(), s);
    y += QFontMetrics(font).height();
  };
  text(title, TitleFont(), kText, kMargin);
  text(note, NoteFont(), kNote, kMargin);
  for (const Row& row : rows) {
    y += kGap;
    if (!row.heading.isEmpty()) {
      text(row.heading, HeadingFont(), kHeading, kMargin);
      y += kLabelGap;
    }
    int x = kMargin, cellsH = 0;
    for (const Cell& cell : row.cells) {
      painter.setPen(kOutline);
      painter.drawRect(x - 1, y - 1, cell.picture.width() + 1, cell.picture.height() + 1);
      painter.drawImage(x, y, cell.picture);
      int lineY = y + cell.picture.height() + kLabelGap;
      for (std::size_t i = 0; i < cell.lines.size(); ++i) {
        const auto& [s, font] = cell.lines[i];
        painter.setFont(font);
        painter.setPen(cell.LineColor(i));
        painter.drawText(x, lineY + QFontMetrics(font).ascent(), s);
        lineY += QFontMetrics(font).height();
      }
      cellsH = std::max(cellsH, cell.Height());
      x += (cellWidth ? cellWidth : cell.Width()) + kGap;
    }
    y += cellsH;
  }
  return sheet;
}

QImage KindsSheet(std::int32_t width, std::int32_t height) {
  static fw::String (*const groupNames[])() = {Localization::Colors, Localization::Geometry,
                                                       Localization::Matching, Localization::Video};
  PatternRenderer renderer(width, height, 32);
  renderer.SetOptions(RenderArgs{});
  std::vector<Row> rows;
  int cellWidth = 0;
  for (std::size_t g = 0; g < PatternGroups().size(); ++g) {
    Row row{QString::fromStdString(groupNames[g]()), {}};
    for (std::string_view kind : PatternGroups()[g].kinds) {
      // One frame, as a pattern window shows the kind just after its first paint: the pumping
      // effect has drawn its first phase. One seed, so that the sheet comes out the same.
      Cell cell{renderer.Render(std::string(kind), false, 1, 1),
                {{QString::fromUtf8(kind.data(), kind.size()), LabelFont()}}};
      if (cell.picture.isNull()) return QImage();
      cellWidth = std::max(cellWidth, cell.Width());
      row.cells.push_back(std::move(cell));
    }
    rows.push_back(std::move(row));
  }
  return Compose(QString("Quarvel test patterns, %1 x %2").arg(width).arg(height),
                 "Each kind full screen at this size after its first frame; help title off, overscan in percent, "
                 "text 12 pt.",
                 rows, cellWidth);
}

// The asset as the program draws it: over a checkerboard where its mask or transparency lets
// the background through.
QImage OverCheckerboard(const fw::Ref<fw::Picture>& asset) {
  const fw::Ref<fw::Picture> out = fw::NewPicture(asset->Width(), asset->Height(), 32);
  const fw::Ref<fw::Graphics> g = out->Graphics();
  constexpr int square = 8;
  for (int y = 0; y < out->Height(); y += square)
    for (int x = 0; x < out->Width(); x += square) {
      g->ForeColor(((x + y) / square) % 2 ? 0xC8C8C8 : 0xFFFFFF);
      g->FillRect(x, y, square, square);
    }
  g->DrawPicture(asset, 0, 0);
  return out->Image().copy();
}

// The asset's cell: the picture, its name, and its id, size and how it lets the background
// through; a red square for an asset that could not be loaded.
Cell AssetCell(const AssetEntry& entry) {
  const QString name = QString::fromUtf8(entry.name.data(), entry.name.size());
  Cell cell;
  if (const fw::Ref<fw::Picture> picture = entry.picture()) {
    const bool seeThrough = picture->HasMask() || picture->Transparent() == 1;
    cell.picture = seeThrough ? OverCheckerboard(picture) : picture->Image().copy();
    const char* how = picture->HasMask() ? ", masked" : picture->Transparent() == 1 ? ", white transparent" : "";
    cell.lines = {{name, LabelFont()},
                  {QString("id %1, %2 x %3%4").arg(entry.id).arg(picture->Width()).arg(picture->Height()).arg(how),
                   NoteFont()}};
  } else {
    cell.picture = QImage(48, 48, QImage::Format_RGB32);
    cell.picture.fill(QColor(0xc0, 0x30, 0x30));
    cell.lines = {{name, LabelFont()}, {QString("id %1, missing").arg(entry.id), NoteFont()}};
  }
  return cell;
}

QImage AssetsSheet() {
  // The pictures by where the program shows them; a picture named in no row gets one of its own.
  const std::vector<std::pair<QString, std::vector<std::string_view>>> uses = {
      {"Explanation window", {"TitelBG", "TitelBGMask", "velostralogosmall"}},
      {"Tracing sprites", {"SpriteSmall", "SpriteBig", "SpriteSmallInverse", "SpriteBigInverse"}},
      {"About page", {"AboutBox"}},
      {"Toolbar icons and their masks",
       {"ColorShadesIcon", "ColorShadesIconMask", "GeometryIcon", "GeometryIconMask", "HelpIconOn",
        "HelpIconOnMask", "InfoIcon", "InfoIconMask", "MatchingIcon", "MatchingIconMask", "VideoIcon",
        "VideoIconMask"}},
  };
  std::vector<Row> rows;
  std::vector<std::string_view> shown;
  for (const auto& [heading, names] : uses) {
    Row row{heading, {}};
    for (std::string_view name : names)
      for (const AssetEntry& entry : AllAssets())
        if (entry.name == name && entry.picture) {
          row.cells.push_back(AssetCell(entry));
          shown.push_back(name);
        }
    rows.push_back(std::move(row));
  }
  Row other{"Other pictures", {}};
  for (const AssetEntry& entry : AllAssets())
    if (entry.picture && std::ranges::find(shown, entry.name) == shown.end()) other.cells.push_back(AssetCell(entry));
  if (!other.cells.empty()) rows.push_back(std::move(other));
  return Compose("Quarvel picture assets",
                 "Each picture at its own size; a checkerboard shows where its mask or transparency lets the "
                 "background through.",
                 rows, 0);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::int32_t width = 0, height = 0;
  const bool kinds = args.size() == 3 && args[0] == "kinds";
  if (!(kinds && ParseSize(args[1], width, height)) && !(args.size() == 2 && args[0] == "assets")) {
    std::fprintf(stderr, "%s\n", kUsage);
    return 2;
  }
  // Every kind is kept until the sheet is painted, nine to a row: beyond this the sheet would
  // take gigabytes, or be wider than a picture can be.
  if (kinds && (std::int64_t{width} * height > (std::int64_t{1} << 22) || width > 3000)) {
    std::fprintf(stderr, "quarvel-contact-sheet: %dx%d is too large for one sheet (at most 3000 wide and 4 megapixels)\n",
                 width, height);
    return 2;
  }
  StartHeadless(argc, argv);
  std::string error;
  {
    const QImage sheet = kinds ? KindsSheet(width, height) : AssetsSheet();
    if (sheet.isNull())
      error = "quarvel-contact-sheet: the sheet could not be made (too large?)";
    else if (!sheet.save(QString::fromLocal8Bit(args.back().c_str()), "PNG"))
      error = "quarvel-contact-sheet: could not write " + args.back();
  }
  ReleaseAssets();
  fw::Shutdown();
  if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
  fw::EndProcess(error.empty() ? 0 : 1);
}
