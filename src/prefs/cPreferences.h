#pragma once
// The preferences store: named records of typed values, loaded from one file in the user's
// preferences folder when the store is made and written back whole on every save.
//
// A record is a Dictionary whose first key, PrefType, holds the record's name. The store
// never raises an error for a missing, unreadable, badly formed or unwritable file: each such
// case is one line in Info, and the program goes on with its defaults. A file longer than
// cPreferences::kLargestFile, or whose records would be written longer, counts as damaged.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "framework/binary_stream.h"
#include "framework/dictionary.h"
#include "framework/files.h"
#include "framework/strings.h"

// A store's records in file order. A record loaded from the file is kept as bytes in the
// store's own layout until a caller asks for it; from then on it is a Dictionary shared with the
// store. So a file of many small records (only a damaged or hand-made one has them) costs a few
// bytes of memory per byte of file, not a Dictionary per record, and a save copies the records
// nobody asked for as they are.
class cPrefRecords {
public:
  std::size_t size() const { return starts_.size(); }
  // The record at index (below size()), shared with the store from then on.
  fw::Ref<fw::Dictionary> operator[](std::size_t index) const;
  // The first record named `name`, shared with the store; nil when there is none.
  fw::Ref<fw::Dictionary> Find(const fw::String& name) const;
  void Append(const fw::Ref<fw::Dictionary>& record);
  // Appends a loaded record, written in the store's layout or as bytes already so written.
  void AppendWritten(const fw::Dictionary& record);
  void AppendWritten(std::string_view written);
  // The bytes of the records kept as written.
  std::size_t WrittenSize() const { return written_->Bytes().size(); }
  void WriteTo(fw::BinaryStream& out) const;

private:
  std::string_view Written(std::size_t index) const;

  std::unique_ptr<fw::BinaryStream> written_ = std::make_unique<fw::BinaryStream>();
  std::vector<std::uint32_t> starts_;  // each record's first byte in written_
  // The records handed out, by index; a record appended by a caller lives only here.
  mutable std::map<std::size_t, fw::Ref<fw::Dictionary>> live_;
};

class cPreferences {
public:
  // Loads the file named `name` in the preferences folder.
  explicit cPreferences(const fw::String& name);

  // Far beyond any real preferences file (the defaults take 108 bytes, a record of 160,000
  // keys about 2.3 MB); a longer file is refused unread.
  static constexpr std::int64_t kLargestFile = 8 << 20;

  // Writes every record, replacing the file only once the new one is complete on disk.
  void Save();
  // Copies every key of data into the first record named `name`, making the record when
  // there is none; data itself is never stored.
  void SetData(const fw::String& name, const fw::Ref<fw::Dictionary>& data);
  // The first record named `name`, shared with the store (later changes to it are saved);
  // nil when there is none.
  fw::Ref<fw::Dictionary> GetData(const fw::String& name);
  void PrintInfo(const fw::String& text);
  void SetAndSave(const fw::String& name, const fw::Ref<fw::Dictionary>& data);

  fw::Ref<fw::FolderItem> PrefFile;
  // Open only while the file is loaded or saved.
  fw::Ref<fw::BinaryStream> PrefStream;
  // The records in file order.
  cPrefRecords PrefData;
  // The store's log, its lines separated by CR.
  fw::String Info;
};
