// The preferences loader on any bytes, as a libFuzzer entry point. The bytes become the
// preferences file; the store loads it and saves what it loaded, and that file must load and
// save again to the same bytes. Besides crashes, hangs and leaks this catches a writer and a
// reader that disagree.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "prefs/cPreferences.h"

namespace {

// A private preferences folder for the whole run, under TMPDIR, removed at exit.
class ConfigFolder {
public:
  ConfigFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "quarvel-fuzz-XXXXXX").string();
    if (!mkdtemp(name.data())) {
      std::perror("quarvel fuzz: mkdtemp");
      std::abort();
    }
    path_ = name;
    setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
  }
  ~ConfigFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ConfigFolder(const ConfigFolder&) = delete;
  ConfigFolder& operator=(const ConfigFolder&) = delete;

  std::string File() const { return path_ + "/Quarvel"; }

private:
  std::string path_;
};

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ConfigFolder folder;
  std::ofstream(folder.File(), std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  cPreferences("Quarvel").Save();
  const std::string saved = Contents(folder.File());
  cPreferences("Quarvel").Save();
  if (Contents(folder.File()) != saved) {
    std::fputs("quarvel fuzz: a saved file did not save again to the same bytes\n", stderr);
    std::abort();
  }
  return 0;
}
