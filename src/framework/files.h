#pragma once
// Files and folders by path, and the user's preferences folder.
#include <cstdint>
#include <limits>

#include "framework/binary_stream.h"
#include "framework/ref.h"
#include "framework/strings.h"

namespace fw {

class FolderItem {
public:
  explicit FolderItem(String path) : path_(std::move(path)) {}

  const String& NativePath() const { return path_; }
  Ref<FolderItem> Child(const String& name) const;
  bool Exists() const;

  // The file opened for reading, or for reading and writing in place; nil when it is missing
  // (it is never created here), is a folder or cannot be opened so.
  Ref<BinaryStream> OpenAsBinaryFile(bool readWrite) const;

  // A new, empty file that is to replace this one. It is written beside the old file under a
  // hidden name of the program's own (".NAME.saving-" and six letters or digits), and the old
  // file stays untouched until the stream's Close flushes the new one to disk and moves it into
  // place in one step; a stream dropped unclosed, or whose writes failed, leaves the old file
  // as it was. A replacement that succeeds removes what earlier replacements killed halfway
  // left beside the file under such names, and nothing else. When the folder takes no new file
  // but the file itself can be written, the file is rewritten in place instead: a failed or
  // dropped rewrite puts the old content back (kept only up to keepUpTo bytes; a longer file is
  // left as far as it was written), and a kill during it leaves the file as far as it was
  // written. Nil when neither can be done (folder missing, a file that is not writable, a
  // folder of this name). Linux keeps no file types: the type is accepted and dropped.
  Ref<BinaryStream> CreateBinaryFile(const String& type,
                                     std::int64_t keepUpTo = std::numeric_limits<std::int64_t>::max()) const;

  // The platform file type. Linux keeps none, so it lives on this object only.
  String MacType;

private:
  String path_;
};

// The XDG config folder: $XDG_CONFIG_HOME when it is an absolute path, else ~/.config;
// made (private to the user) when missing.
Ref<FolderItem> PreferencesFolder();

}  // namespace fw
