#include "framework/dictionary.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "framework/strings.h"

namespace fw {

namespace {
template <class... F>
struct Visitor : F... {
  using F::operator()...;
};
template <class... F>
Visitor(F...) -> Visitor<F...>;
}  // namespace

std::int32_t VariantToInt(const Variant& v) {
  return std::visit(Visitor{[](std::int32_t i) { return i; }, [](double d) { return Int(d); },
                            [](const std::string& s) { return Int(Val(s)); },
                            [](bool b) { return b ? std::int32_t{1} : std::int32_t{0}; },
                            [](Color c) { return static_cast<std::int32_t>(c.rgb); }},
                    v);
}

double VariantToDouble(const Variant& v) {
  return std::visit(Visitor{[](std::int32_t i) { return static_cast<double>(i); }, [](double d) { return d; },
                            [](const std::string& s) { return Val(s); },
                            [](bool b) { return b ? 1.0 : 0.0; },
                            [](Color c) { return static_cast<double>(c.rgb); }},
                    v);
}

bool VariantToBool(const Variant& v) {
  return std::visit(Visitor{[](std::int32_t i) { return i != 0; }, [](double d) { return d != 0.0; },
                            [](const std::string& s) { return s == "True" || s == "true"; },
                            [](bool b) { return b; }, [](Color c) { return c.rgb != 0; }},
                    v);
}

std::string VariantToString(const Variant& v) {
  return std::visit(Visitor{[](std::int32_t i) { return Str(i); }, [](double d) { return Str(d); },
                            [](const std::string& s) { return s; },
                            [](bool b) { return std::string(b ? "True" : "False"); },
                            [](Color c) { return Str(static_cast<double>(c.rgb)); }},
                    v);
}

std::size_t Dictionary::Slot(const std::string& key) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = std::hash<std::string>{}(key) & mask;; i = (i + 1) & mask) {
    const std::uint32_t taken = slots_[i];
    if (taken == 0 || entries_[taken - 1].first == key) return i;
  }
}

// A fresh index of `size` slots (a power of two) over the entries.
void Dictionary::Index(std::size_t size) {
  slots_.assign(size, 0);
  for (std::size_t k = 0; k < entries_.size(); ++k) slots_[Slot(entries_[k].first)] = static_cast<std::uint32_t>(k + 1);
}

int Dictionary::IndexOf(const std::string& key) const {
  if (slots_.empty()) return -1;
  return static_cast<int>(slots_[Slot(key)]) - 1;
}

bool Dictionary::HasKey(const std::string& key) const { return IndexOf(key) >= 0; }

const std::string& Dictionary::Key(std::int32_t index) const {
  if (index < 0 || index >= Count()) throw OutOfBoundsException("Dictionary.Key(" + std::to_string(index) + ")");
  return entries_[static_cast<std::size_t>(index)].first;
}

const Variant& Dictionary::Value(const std::string& key) const {
  const int i = IndexOf(key);
  if (i < 0) throw KeyNotFoundException(key);
  return entries_[static_cast<std::size_t>(i)].second;
}

void Dictionary::Value(const std::string& key, Variant value) {
  if (2 * (entries_.size() + 1) > slots_.size()) Index(std::max<std::size_t>(8, 2 * slots_.size()));
  const std::size_t slot = Slot(key);
  if (slots_[slot]) {
    entries_[slots_[slot] - 1].second = std::move(value);
    return;
  }
  entries_.emplace_back(key, std::move(value));
  slots_[slot] = static_cast<std::uint32_t>(entries_.size());
}

void Dictionary::Remove(const std::string& key) {
  const int i = IndexOf(key);
  if (i < 0) throw KeyNotFoundException(key);
  entries_.erase(entries_.begin() + i);
  Index(slots_.size());
}

void Dictionary::Clear() {
  entries_.clear();
  slots_.clear();
}

void Dictionary::Reserve(std::size_t count) { entries_.reserve(count); }

}  // namespace fw
