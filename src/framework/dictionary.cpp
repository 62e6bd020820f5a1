#include "framework/dictionary.h"

#include <cmath>

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

int Dictionary::IndexOf(const std::string& key) const {
  const auto found = index_.find(key);
  return found == index_.end() ? -1 : static_cast<int>(found->second);
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
  const auto [slot, added] = index_.try_emplace(key, entries_.size());
  if (!added) {
    entries_[slot->second].second = std::move(value);
    return;
  }
  entries_.emplace_back(key, std::move(value));
}

void Dictionary::Remove(const std::string& key) {
  const int i = IndexOf(key);
  if (i < 0) throw KeyNotFoundException(key);
  entries_.erase(entries_.begin() + i);
  index_.erase(key);
  for (std::size_t k = static_cast<std::size_t>(i); k < entries_.size(); ++k) index_[entries_[k].first] = k;
}

void Dictionary::Clear() {
  entries_.clear();
  index_.clear();
}

}  // namespace fw
