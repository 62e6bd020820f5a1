// Peak memory of loading a damaged preferences file: the header of a complete save followed by
// zeros, each 7 of which read as one empty record. For each size given (bytes of zeros; K, M
// and G suffixes) a process of its own makes the file (sparse), loads it and saves, as a first
// start does, and prints how far the high-water mark of its resident memory (VmHWM) rose, in
// all and per byte of file. With --read-only-folder the folder takes no new file, so the save
// rewrites the file in place. An argument that names a file measures a copy of that file.
//
//   prefs_peak [--read-only-folder] 1M 4M 8M 10M 2G
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "prefs/cPreferences.h"
#include "support/prefs_bytes.h"
#include "support/read_only.h"

namespace {

long HighWaterKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

long long Size(const std::string& text) {
  std::size_t end = 0;
  const long long value = std::stoll(text, &end);
  const std::size_t unit = end < text.size() ? std::string("KMG").find(text[end]) : std::string::npos;
  return unit == std::string::npos ? value : value << (10 * (unit + 1));
}

int Measure(const std::string& what, bool readOnlyFolder) {
  QTemporaryDir dir;
  setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
  const QString path = dir.path() + "/Quarvel";
  if (QFile::exists(QString::fromStdString(what))) {
    if (!QFile::copy(QString::fromStdString(what), path)) return 1;
  } else {
    std::ofstream(path.toStdString(), std::ios::binary) << kFinished;
    if (truncate(path.toLocal8Bit().constData(), static_cast<off_t>(kFinished.size() + Size(what))) != 0) return 1;
  }
  const long long bytes = QFileInfo(path).size();
  auto defaults = fw::New<fw::Dictionary>();
  defaults->Value("Sound", true);
  std::optional<ReadOnly> folder;
  if (readOnlyFolder) folder.emplace(dir.path().toStdString());
  const long before = HighWaterKb();
  cPreferences prefs("Quarvel");
  prefs.SetAndSave("Global", defaults);
  const long rise = HighWaterKb() - before;
  folder.reset();
  const std::string log = prefs.Info.substr(0, prefs.Info.find('\r'));
  std::printf("%12lld bytes: peak +%7.1f MB, %6.2f bytes per byte; %s\n", bytes, rise / 1024.0,
              rise * 1024.0 / static_cast<double>(bytes), log.c_str());
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  bool readOnlyFolder = false;
  int failed = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--read-only-folder") {
      readOnlyFolder = true;
      continue;
    }
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) _exit(Measure(argv[i], readOnlyFolder));
    int status = 0;
    waitpid(child, &status, 0);
    failed |= !WIFEXITED(status) || WEXITSTATUS(status) != 0;
  }
  return failed;
}
