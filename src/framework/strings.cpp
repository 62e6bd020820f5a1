#include "framework/strings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace fw {

namespace {

std::u32string Decode(const String& s) {
  std::u32string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    if (c >= 0x80 && c < 0xC0) extra = 0;  // a stray continuation byte stands for itself
    ++i;
    for (int k = 0; k < extra && i < s.size(); ++k, ++i) cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    out.push_back(cp);
  }
  return out;
}

String Encode(const std::u32string& s) {
  String out;
  out.reserve(s.size());
  for (char32_t cp : s) {
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace

std::int32_t Int(double x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (x <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(x);
}

double Ceil(double x) { return std::ceil(x); }

String Str(std::int32_t n) { return std::to_string(n); }

String Str(double x) {
  if (std::isfinite(x) && x == std::trunc(x) && std::fabs(x) < 1e15) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", x);
    return String(buf) == "-0" ? "0" : buf;
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", x);
  return buf;
}

double Val(const String& s) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  const std::size_t start = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  bool digits = false;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, digits = true;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, digits = true;
  }
  if (!digits) return 0.0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
      while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
      i = j;
    }
  }
  return std::strtod(s.substr(start, i - start).c_str(), nullptr);
}

String Chr(std::int32_t code) {
  if (code < 0) return String();
  return Encode(std::u32string(1, static_cast<char32_t>(code)));
}

std::int32_t Asc(const String& s) {
  const auto u = Decode(s);
  return u.empty() ? 0 : static_cast<std::int32_t>(u[0]);
}

std::int32_t Len(const String& s) { return static_cast<std::int32_t>(Decode(s).size()); }

String Left(const String& s, std::int32_t count) {
  if (count <= 0) return String();
  const auto u = Decode(s);
  return Encode(u.substr(0, static_cast<std::size_t>(count)));
}

String Right(const String& s, std::int32_t count) {
  if (count <= 0) return String();
  const auto u = Decode(s);
  const std::size_t n = std::min(u.size(), static_cast<std::size_t>(count));
  return Encode(u.substr(u.size() - n));
}

String Mid(const String& s, std::int32_t start) {
  return Mid(s, start, std::numeric_limits<std::int32_t>::max());
}

String Mid(const String& s, std::int32_t start, std::int32_t length) {
  if (start < 1 || length <= 0) return String();
  const auto u = Decode(s);
  const auto from = static_cast<std::size_t>(start - 1);
  if (from >= u.size()) return String();
  return Encode(u.substr(from, static_cast<std::size_t>(length)));
}

std::int32_t InStr(const String& s, const String& find) { return InStr(1, s, find); }

std::int32_t InStr(std::int32_t start, const String& s, const String& find) {
  if (find.empty() || start < 1) return 0;
  const auto u = Decode(s);
  const auto f = Decode(find);
  const auto pos = u.find(f, static_cast<std::size_t>(start - 1));
  return pos == std::u32string::npos ? 0 : static_cast<std::int32_t>(pos + 1);
}

String NthField(const String& s, const String& separator, std::int32_t n) {
  if (n < 1) return String();
  if (separator.empty()) return n == 1 ? s : String();
  std::size_t from = 0;
  for (std::int32_t field = 1;; ++field) {
    const std::size_t at = s.find(separator, from);
    if (field == n) return s.substr(from, at == String::npos ? String::npos : at - from);
    if (at == String::npos) return String();
    from = at + separator.size();
  }
}

std::int32_t CountFields(const String& s, const String& separator) {
  if (separator.empty()) return 1;
  std::int32_t count = 1;
  for (std::size_t at = s.find(separator); at != String::npos; at = s.find(separator, at + separator.size()))
    ++count;
  return count;
}

String ReplaceAll(const String& s, const String& find, const String& with) {
  if (find.empty()) return s;
  String out;
  std::size_t from = 0;
  for (std::size_t at = s.find(find); at != String::npos; at = s.find(find, from)) {
    out.append(s, from, at - from).append(with);
    from = at + find.size();
  }
  return out.append(s, from, String::npos);
}

String Trim(const String& s) {
  const auto b = s.find_first_not_of(" \t\r\n");
  if (b == String::npos) return String();
  const auto e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

}  // namespace fw
