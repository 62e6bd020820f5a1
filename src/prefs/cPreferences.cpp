#include "prefs/cPreferences.h"

#include <algorithm>
#include <cstdint>

namespace {

// Both headers are 13 characters, so the final one exactly covers the first. A file that
// still starts with kSaving was not completed and is refused as a whole.
constexpr const char* kSaving = "just starting";
constexpr const char* kSaved = "QVL. finished";
constexpr const char* kNameKey = "PrefType";
constexpr const char* kCountTag = "PrefCount";
constexpr const char* kFailedToSave = "Preferences: Failed to save!";

enum TypeCode : std::uint8_t { kInteger = 2, kDouble = 5, kString = 8, kBoolean = 11, kColour = 16 };

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

void WriteValue(fw::BinaryStream& out, const fw::Variant& value) {
  std::visit(Overloaded{[&](std::int32_t v) {
                          out.WriteUInt8(kInteger);
                          out.WriteInt32(v);
                        },
                        [&](double v) {
                          out.WriteUInt8(kDouble);
                          out.WriteDouble(v);
                        },
                        [&](const std::string& v) {
                          out.WriteUInt8(kString);
                          out.WritePString(v);
                        },
                        [&](bool v) {
                          out.WriteUInt8(kBoolean);
                          out.WriteUInt8(v ? 1 : 0);
                        },
                        [&](fw::Color v) {
                          out.WriteUInt8(kColour);
                          out.WriteUInt8(static_cast<std::uint8_t>(v.Red()));
                          out.WriteUInt8(static_cast<std::uint8_t>(v.Green()));
                          out.WriteUInt8(static_cast<std::uint8_t>(v.Blue()));
                        }},
             value);
}

// The name is written from PrefType wherever it sits and every other key becomes an entry,
// so the count always matches the entries even for a record a caller has rearranged.
void WriteRecord(fw::BinaryStream& out, const fw::Dictionary& record) {
  const bool named = record.HasKey(kNameKey);
  out.WritePString(kNameKey);
  out.WritePString(named ? fw::VariantToString(record.Value(kNameKey)) : fw::String());
  out.WritePString(kCountTag);
  out.WriteInt32(named ? record.Count() : record.Count() + 1);
  for (std::int32_t i = 0; i < record.Count(); ++i) {
    const fw::String& key = record.Key(i);
    if (key == kNameKey) continue;
    out.WritePString(key);
    WriteValue(out, record.Value(key));
  }
}

bool IsNamed(const fw::Dictionary& record, const fw::String& name) {
  return record.HasKey(kNameKey) && fw::VariantToString(record.Value(kNameKey)) == name;
}

// An unknown type code stores nothing; the bytes after it are read as the next entry.
void ReadEntry(fw::BinaryStream& in, fw::Dictionary& record) {
  const fw::String key = in.ReadPString();
  switch (in.ReadUInt8()) {
    case kInteger: record.Value(key, in.ReadInt32()); return;
    case kDouble: record.Value(key, in.ReadDouble()); return;
    case kString: record.Value(key, in.ReadPString()); return;
    case kBoolean: record.Value(key, in.ReadUInt8() != 0); return;
    case kColour: {
      const std::uint32_t red = in.ReadUInt8();
      const std::uint32_t green = in.ReadUInt8();
      const std::uint32_t blue = in.ReadUInt8();
      record.Value(key, fw::Color((red << 16) | (green << 8) | blue));
      return;
    }
    default: return;
  }
}

// Reading stops at the end of the file whatever a count promises. A record cut off inside
// an entry is refused, since its last values would be zeros of the reader's making, not the
// user's; one whose count promises more entries than follow keeps those it has.
bool ReadRecord(fw::BinaryStream& in, fw::Dictionary& record) {
  in.ReadPString();
  record.Value(kNameKey, in.ReadPString());
  in.ReadPString();
  const std::int32_t count = in.ReadInt32();
  // Room for the keys the count promises, as far as the bytes left can hold them (each new key
  // takes at least 3), and for the few the program adds to a record of an older version, so
  // that a long record is not moved, and doubled, as it grows.
  constexpr std::size_t kAdded = 8;
  if (count > 1)
    record.Reserve(kAdded + std::min<std::size_t>(static_cast<std::size_t>(count),
                                                  1 + static_cast<std::size_t>(in.Length() - in.Position()) / 3));
  for (std::int32_t i = 1; i < count && !in.Eof(); ++i) ReadEntry(in, record);
  return !in.PastEnd();
}

// The records as the store writes them may take no more than this, so that a file the store
// wrote, with room for what the program adds, always loads again.
constexpr std::size_t kLargestWritten = cPreferences::kLargestFile - (64 << 10);

// The length of the record at the start of `bytes` when it is in the store's own layout (its
// tags, a count that its entries fill, known type codes, Booleans as 0 or 1, no key named
// PrefType), so that it can be kept as it is; 0 otherwise. A key that comes twice is kept as it
// stands: reading the record back gives the same values, and the same bytes again.
std::size_t WrittenLength(std::string_view bytes) {
  std::size_t at = 0;
  const auto skip = [&](std::size_t count) {
    if (bytes.size() - at < count) return false;
    at += count;
    return true;
  };
  const auto string = [&](std::string_view& text) {
    if (at >= bytes.size()) return false;
    const std::size_t length = static_cast<std::uint8_t>(bytes[at]);
    text = bytes.substr(at + 1, length);
    return skip(1 + length);
  };
  std::string_view tag, name;
  if (!string(tag) || tag != kNameKey || !string(name) || !string(tag) || tag != kCountTag || !skip(4)) return 0;
  std::uint32_t count = 0;
  for (std::size_t i = at - 4; i < at; ++i) count = (count << 8) | static_cast<std::uint8_t>(bytes[i]);
  if (count < 1 || count > 0x7FFFFFFF) return 0;
  for (std::uint32_t i = 1; i < count; ++i) {
    std::string_view key, text;
    if (!string(key) || key == kNameKey || at >= bytes.size()) return 0;
    bool sound = false;
    switch (static_cast<std::uint8_t>(bytes[at++])) {
      case kInteger: sound = skip(4); break;
      case kDouble: sound = skip(8); break;
      case kString: sound = string(text); break;
      case kBoolean: sound = at < bytes.size() && static_cast<std::uint8_t>(bytes[at]) <= 1 && skip(1); break;
      case kColour: sound = skip(3); break;
      default: break;
    }
    if (!sound) return 0;
  }
  return at;
}

// The records as the store writes them; false when they would outgrow kLargestWritten. A
// record already so written (any the store saved) is kept as it is, the others are read and
// written anew.
bool ReadRecords(fw::BinaryStream& in, cPrefRecords& records) {
  const std::string_view bytes = in.Bytes();
  fw::Dictionary record;
  while (!in.Eof()) {
    const auto at = static_cast<std::size_t>(in.Position());
    if (const std::size_t length = WrittenLength(bytes.substr(at))) {
      records.AppendWritten(bytes.substr(at, length));
      in.Position(static_cast<std::int64_t>(at + length));
    } else {
      record.Clear();
      if (!ReadRecord(in, record)) return true;
      records.AppendWritten(record);
    }
    if (records.WrittenSize() > kLargestWritten) return false;
  }
  return true;
}

constexpr std::size_t kNameOffset = 1 + 8;  // a written record starts with the tag "PrefType"

}  // namespace

std::string_view cPrefRecords::Written(std::size_t index) const {
  const std::string_view written = written_->Bytes();
  const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : written.size();
  return written.substr(starts_[index], end - starts_[index]);
}

fw::Ref<fw::Dictionary> cPrefRecords::operator[](std::size_t index) const {
  auto& record = live_[index];
  if (!record) {
    // Read where it lies: a record kept in the buffer ends where its count says.
    record = fw::New<fw::Dictionary>();
    written_->Position(starts_[index]);
    ReadRecord(*written_, *record);
    written_->Position(written_->Length());
  }
  return record;
}

fw::Ref<fw::Dictionary> cPrefRecords::Find(const fw::String& name) const {
  auto live = live_.begin();
  for (std::size_t i = 0; i < starts_.size(); ++i) {
    if (live != live_.end() && live->first == i) {
      if (IsNamed(*live->second, name)) return live->second;
      ++live;
      continue;
    }
    const std::string_view written = Written(i);
    const auto length = static_cast<std::uint8_t>(written[kNameOffset]);
    if (written.substr(kNameOffset + 1, length) == name) return (*this)[i];
  }
  return nullptr;
}

void cPrefRecords::Append(const fw::Ref<fw::Dictionary>& record) {
  starts_.push_back(static_cast<std::uint32_t>(WrittenSize()));
  live_[starts_.size() - 1] = record;
}

void cPrefRecords::AppendWritten(const fw::Dictionary& record) {
  starts_.push_back(static_cast<std::uint32_t>(WrittenSize()));
  WriteRecord(*written_, record);
}

void cPrefRecords::AppendWritten(std::string_view written) {
  starts_.push_back(static_cast<std::uint32_t>(WrittenSize()));
  written_->WriteBytes(written);
}

// Runs of records kept as written go out as they are.
void cPrefRecords::WriteTo(fw::BinaryStream& out) const {
  const std::string_view written = written_->Bytes();
  std::size_t from = 0;
  for (const auto& [index, record] : live_) {
    out.WriteBytes(written.substr(from, starts_[index] - from));
    WriteRecord(out, *record);
    from = starts_[index] + Written(index).size();
  }
  out.WriteBytes(written.substr(from));
}

cPreferences::cPreferences(const fw::String& name) {
  PrefFile = fw::PreferencesFolder()->Child(name);
  PrefFile->MacType = "pref";
  PrefStream = PrefFile->OpenAsBinaryFile(true);
  // A file with no byte at all counts as no file; a header cut short by the end of the file
  // is a damaged file, not an empty header. A file too long for any real store is not read.
  const bool empty = !PrefStream || PrefStream->Length() == 0;
  const bool tooLong = !empty && PrefStream->Length() > kLargestFile;
  const fw::String header = empty || tooLong ? fw::String() : PrefStream->ReadPString();
  fw::BinaryStream records(header == kSaved ? PrefStream->ReadBytes(kLargestFile) : fw::String());
  if (header == kSaved && ReadRecords(records, PrefData)) {
    PrintInfo("Preferences: Loaded successfully");
  } else if (empty || (header.empty() && !tooLong && !PrefStream->PastEnd())) {
    PrintInfo("Preferences: Could not open file! Defaults are used.");
  } else {
    PrefData = cPrefRecords();
    PrintInfo("Preferences: Wrong format! Defaults are used.");
  }
  if (PrefStream) PrefStream->Close();
  PrefStream = nullptr;
}

// The file is written whole into a new file beside the old one, which takes the old one's
// place only when it is complete and on disk: a full disk or a kill during the save leaves
// the previous preferences as they were. In a folder that takes no new file the file is
// rewritten in place, and there the two headers matter: a kill halfway leaves "just
// starting", which the next start refuses as a whole. A file too long to load is not kept
// in memory to put back.
void cPreferences::Save() {
  PrefStream = PrefFile->CreateBinaryFile("pref", kLargestFile);
  if (!PrefStream) {
    PrintInfo(kFailedToSave);
    return;
  }
  PrefStream->WritePString(kSaving);
  PrefData.WriteTo(*PrefStream);
  PrefStream->Position(0);
  PrefStream->WritePString(kSaved);
  const bool saved = PrefStream->Close();
  PrefStream = nullptr;
  if (!saved) PrintInfo(kFailedToSave);
}

void cPreferences::SetData(const fw::String& name, const fw::Ref<fw::Dictionary>& data) {
  fw::Ref<fw::Dictionary> record = PrefData.Find(name);
  if (!record) {
    PrintInfo("Preferences: Creating key <" + name + ">");
    record = fw::New<fw::Dictionary>();
    record->Value(kNameKey, name);
    PrefData.Append(record);
  }
  for (std::int32_t i = 0; i < data->Count(); ++i) record->Value(data->Key(i), data->Value(data->Key(i)));
}

fw::Ref<fw::Dictionary> cPreferences::GetData(const fw::String& name) {
  if (auto record = PrefData.Find(name)) return record;
  PrintInfo("Preferences: Can't find key <" + name + ">");
  return nullptr;
}

void cPreferences::PrintInfo(const fw::String& text) { Info = Info.empty() ? text : Info + "\r" + text; }

void cPreferences::SetAndSave(const fw::String& name, const fw::Ref<fw::Dictionary>& data) {
  SetData(name, data);
  Save();
}
