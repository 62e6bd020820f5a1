#pragma once
// The preferences store: named records of typed values, loaded from one file in the user's
// preferences folder when the store is made and written back whole on every save.
//
// A record is a Dictionary whose first key, PrefType, holds the record's name. The store
// never raises an error for a missing, unreadable, badly formed or unwritable file: each such
// case is one line in Info, and the program goes on with its defaults.
#include <vector>

#include "framework/dictionary.h"
#include "framework/files.h"
#include "framework/strings.h"

class cPreferences {
public:
  // Loads the file named `name` in the preferences folder.
  explicit cPreferences(const fw::String& name);

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
  std::vector<fw::Ref<fw::Dictionary>> PrefData;
  // The store's log, its lines separated by CR.
  fw::String Info;
};
