#include "prefs/cPreferences.h"

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
// an entry is dropped, since its last values would be zeros of the reader's making, not the
// user's; one whose count promises more entries than follow keeps those it has.
void ReadRecords(fw::BinaryStream& in, std::vector<fw::Ref<fw::Dictionary>>& records) {
  while (!in.Eof()) {
    auto record = fw::New<fw::Dictionary>();
    in.ReadPString();
    record->Value(kNameKey, in.ReadPString());
    in.ReadPString();
    const std::int32_t count = in.ReadInt32();
    for (std::int32_t i = 1; i < count && !in.Eof(); ++i) ReadEntry(in, *record);
    if (in.PastEnd()) return;
    records.push_back(record);
  }
}

}  // namespace

cPreferences::cPreferences(const fw::String& name) {
  PrefFile = fw::PreferencesFolder()->Child(name);
  PrefFile->MacType = "pref";
  PrefStream = PrefFile->OpenAsBinaryFile(true);
  // A file with no byte at all counts as no file; a header cut short by the end of the file
  // is a damaged file, not an empty header.
  const bool empty = !PrefStream || PrefStream->Length() == 0;
  const fw::String header = empty ? fw::String() : PrefStream->ReadPString();
  if (header == kSaved) {
    ReadRecords(*PrefStream, PrefData);
    PrintInfo("Preferences: Loaded successfully");
  } else if (empty || (header.empty() && !PrefStream->PastEnd())) {
    PrintInfo("Preferences: Could not open file! Defaults are used.");
  } else {
    PrintInfo("Preferences: Wrong format! Defaults are used.");
  }
  if (PrefStream) PrefStream->Close();
  PrefStream = nullptr;
}

// The file is written whole into a new file beside the old one, which takes the old one's
// place only when it is complete and on disk: a full disk or a kill during the save leaves
// the previous preferences as they were. In a folder that takes no new file the file is
// rewritten in place, and there the two headers matter: a kill halfway leaves "just
// starting", which the next start refuses as a whole.
void cPreferences::Save() {
  PrefStream = PrefFile->CreateBinaryFile("pref");
  if (!PrefStream) {
    PrintInfo(kFailedToSave);
    return;
  }
  PrefStream->WritePString(kSaving);
  for (const auto& record : PrefData) WriteRecord(*PrefStream, *record);
  PrefStream->Position(0);
  PrefStream->WritePString(kSaved);
  const bool saved = PrefStream->Close();
  PrefStream = nullptr;
  if (!saved) PrintInfo(kFailedToSave);
}

void cPreferences::SetData(const fw::String& name, const fw::Ref<fw::Dictionary>& data) {
  fw::Ref<fw::Dictionary> record;
  for (const auto& candidate : PrefData)
    if (IsNamed(*candidate, name)) {
      record = candidate;
      break;
    }
  if (!record) {
    PrintInfo("Preferences: Creating key <" + name + ">");
    record = fw::New<fw::Dictionary>();
    record->Value(kNameKey, name);
    PrefData.push_back(record);
  }
  for (std::int32_t i = 0; i < data->Count(); ++i) record->Value(data->Key(i), data->Value(data->Key(i)));
}

fw::Ref<fw::Dictionary> cPreferences::GetData(const fw::String& name) {
  for (const auto& record : PrefData)
    if (IsNamed(*record, name)) return record;
  PrintInfo("Preferences: Can't find key <" + name + ">");
  return nullptr;
}

void cPreferences::PrintInfo(const fw::String& text) { Info = Info.empty() ? text : Info + "\r" + text; }

void cPreferences::SetAndSave(const fw::String& name, const fw::Ref<fw::Dictionary>& data) {
  SetData(name, data);
  Save();
}
