#pragma once
// Preferences files byte by byte, laid out as the store writes them, for tests to compare with
// or to put in place before a start.
#include <cstdint>
#include <string>

struct Bytes {
  std::string s;
  Bytes& Str(const std::string& t) { return U8(int(t.size())).Raw(t); }
  Bytes& Raw(const std::string& t) { return s += t, *this; }
  Bytes& U8(int b) { return s += char(b), *this; }
  Bytes& I32(std::uint32_t v) { return U8(int(v >> 24)).U8(int(v >> 16)).U8(int(v >> 8)).U8(int(v)); }
  Bytes& Record(const std::string& name, std::uint32_t count) {
    return Str("PrefType").Str(name).Str("PrefCount").I32(count);
  }
  Bytes& Bool(const std::string& key, int b) { return Str(key).U8(11).U8(b); }
};

// The header of a complete save.
inline const std::string kFinished = Bytes().Str("QVL. finished").s;
// What a first start writes: the record "Global" with its defaults, FontSize the integer 12.
inline const std::string kDefaultsFile = Bytes()
                                             .Raw(kFinished)
                                             .Record("Global", 6)
                                             .Bool("AllTests", 0)
                                             .Bool("ShowHelp", 1)
                                             .Str("FontSize")
                                             .U8(2)
                                             .I32(12)
                                             .Bool("OverscanUsePixels", 0)
                                             .Bool("Sound", 1)
                                             .s;
