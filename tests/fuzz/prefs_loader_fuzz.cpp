// The preferences loader on any bytes, as a libFuzzer entry point. The bytes become the
// preferences file; the store loads it, is asked for the record "Global" as the program does,
// and saves what it loaded, and that file must load and save again to the same bytes. Besides
// crashes, hangs and leaks this catches a writer and a reader that disagree, and, under
// AddressSanitizer, a store that holds more than 16 bytes of memory per byte of file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "prefs/cPreferences.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUARVEL_FUZZ_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QUARVEL_FUZZ_ASAN 1
#endif

#ifdef QUARVEL_FUZZ_ASAN
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// The bytes the program has allocated and not freed; 0 without AddressSanitizer.
std::size_t HeapBytes() {
#ifdef QUARVEL_FUZZ_ASAN
  return __sanitizer_get_current_allocated_bytes();
#else
  return 0;
#endif
}

// Loads the file, asks for "Global" and saves; a store that holds more than 16 bytes per byte
// of file beyond a small base aborts.
void LoadAndSave(std::size_t fileBytes) {
  const std::size_t before = HeapBytes();
  cPreferences prefs("Quarvel");
  prefs.GetData("Global");
  const std::size_t held = HeapBytes() - before;
  if (held > 16 * fileBytes + (16 << 10)) {
    std::fprintf(stderr, "quarvel fuzz: a store of a %zu-byte file holds %zu bytes\n", fileBytes, held);
    std::abort();
  }
  prefs.Save();
}

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
  LoadAndSave(size);
  const std::string saved = Contents(folder.File());
  LoadAndSave(saved.size());
  if (Contents(folder.File()) != saved) {
    std::fputs("quarvel fuzz: a saved file did not save again to the same bytes\n", stderr);
    std::abort();
  }
  return 0;
}
