#pragma once
// Values and the key/value map that the preferences and options use.
//
// A Dictionary keeps its keys in insertion order; overwriting a key keeps its position.
// Reading a missing key raises KeyNotFoundException. An index beside the ordered entries
// makes every lookup constant time, so a record of many keys loads and saves in linear time;
// it holds positions only, a few bytes a key, so that a record read from a file costs memory
// in proportion to the file.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "framework/color.h"
#include "framework/ref.h"

namespace fw {

// The five value types a Dictionary holds: 32-bit integer, Double, String, Boolean, Colour.
using Variant = std::variant<std::int32_t, double, std::string, bool, Color>;

// The framework's conversions of a value, as the program reads them.
std::int32_t VariantToInt(const Variant& v);
double VariantToDouble(const Variant& v);
bool VariantToBool(const Variant& v);
std::string VariantToString(const Variant& v);

class Dictionary {
public:
  std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
  bool HasKey(const std::string& key) const;
  // Key(i) in insertion order; OutOfBoundsException outside 0..Count-1.
  const std::string& Key(std::int32_t index) const;
  const Variant& Value(const std::string& key) const;
  void Value(const std::string& key, Variant value);
  void Remove(const std::string& key);
  // Removes every key; the room they took is kept for the next ones.
  void Clear();
  // Makes room for this many keys in all, so that they are added without moving the others.
  void Reserve(std::size_t count);

private:
  int IndexOf(const std::string& key) const;
  // The slot that holds key, or the free slot where it belongs; slots_ must not be empty.
  std::size_t Slot(const std::string& key) const;
  void Index(std::size_t size);

  std::vector<std::pair<std::string, Variant>> entries_;
  // Open addressing: a slot holds 1 + a key's position in entries_, or 0 when it is free. At
  // most half of the slots are taken, so a lookup probes few of them.
  std::vector<std::uint32_t> slots_;
};

}  // namespace fw
