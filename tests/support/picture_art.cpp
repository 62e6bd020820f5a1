#include "support/picture_art.h"

#include <QDir>
#include <QImage>

#include <iomanip>
#include <sstream>
#include <vector>

namespace testsupport {

namespace {

std::vector<std::string> Rows(const std::string& art) {
  std::vector<std::string> rows;
  std::istringstream in(art);
  for (std::string line; std::getline(in, line);) {
    std::string row;
    for (char c : line) {
      if (c != ' ' && c != '\t' && c != '\r') row += c;
    }
    if (!row.empty()) rows.push_back(row);
  }
  return rows;
}

std::uint32_t Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

std::string TestName() {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "art";
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  return name;
}

// Writes both pictures and returns where they went.
std::string WritePictures(const QImage& actual, const std::vector<std::string>& rows, fw::Color ink) {
  const QString folder = QDir::temp().filePath("quarvel-art");
  QDir().mkpath(folder);
  const QString base = QDir(folder).filePath(QString::fromStdString(TestName()));
  int width = 0;
  for (const auto& row : rows) width = std::max(width, static_cast<int>(row.size()));
  const std::uint32_t paper = ink.rgb == 0xFFFFFFu ? 0x000000u : 0xFFFFFFu;
  QImage expected(std::max(width, 1), std::max(static_cast<int>(rows.size()), 1), QImage::Format_RGB32);
  expected.fill(0xFF808080u);  // cells the art leaves out
  for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
    for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
      expected.setPixel(x, y, 0xFF000000u | (rows[y][x] == '#' ? ink.rgb : paper));
    }
  }
  actual.save(base + "-actual.png");
  expected.save(base + "-expected.png");
  return (base + "-{actual,expected}.png").toStdString();
}

}  // namespace

std::string ToArt(const fw::Picture& picture, fw::Color ink) {
  const QImage& image = picture.Image();
  std::string art;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) art += Rgb(image, x, y) == ink.rgb ? '#' : '.';
    art += '\n';
  }
  return art;
}

testing::AssertionResult MatchesArt(const fw::Picture& picture, fw::Color ink, const std::string& art) {
  const QImage& image = picture.Image();
  const std::vector<std::string> rows = Rows(art);
  std::ostringstream why;
  bool sameSize = static_cast<int>(rows.size()) == image.height();
  for (const auto& row : rows) sameSize = sameSize && static_cast<int>(row.size()) == image.width();
  if (!sameSize) {
    why << "the art is not " << image.width() << " x " << image.height() << " pixels";
  } else {
    for (int y = 0; y < image.height() && why.tellp() == 0; ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const bool set = Rgb(image, x, y) == ink.rgb;
        if (set == (rows[y][x] == '#')) continue;
        why << "first difference at pixel (" << x << ", " << y << "): expected '" << rows[y][x] << "', found colour "
            << std::hex << std::setw(6) << std::setfill('0') << Rgb(image, x, y);
        break;
      }
    }
  }
  if (why.tellp() == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure() << why.str() << "\npicture:\n"
                                     << ToArt(picture, ink) << "written to " << WritePictures(image, rows, ink);
}

}  // namespace testsupport
