#pragma once
// A stream of bytes on an open file, in the layout the program's files use: 32-bit integers
// and Doubles big-endian, strings as one length byte followed by that many bytes of UTF-8.
//
// A stream never blocks and never throws: a read that asks for more than the file still
// holds yields zero (or the empty string), leaves the stream at its end and sets PastEnd.
// Writes that fail are remembered, and Close reports them. A stream made without a file holds
// its bytes in memory.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "framework/strings.h"

class QFileDevice;

namespace fw {

class BinaryStream {
public:
  // How a stream that replaces a file (FolderItem::CreateBinaryFile) ends.
  struct Replacing {
    // The stream writes a new file that Close moves over this path; a new file that does not
    // get there is removed.
    String target;
    // Or the file is rewritten in place: Close ends it at the furthest byte written. Its old
    // content, when it was kept, is put back when the rewrite fails or the stream is dropped
    // unclosed; a rewrite without it that fails leaves the file as far as it was written.
    bool inPlace = false;
    std::optional<String> previous;
    // Runs once the new content has taken the old one's place.
    std::function<void()> replaced;
  };

  explicit BinaryStream(std::unique_ptr<QFileDevice> file);
  BinaryStream(std::unique_ptr<QFileDevice> file, Replacing replacing);
  // A stream on these bytes in memory, at position 0.
  explicit BinaryStream(String bytes = {});
  ~BinaryStream();
  BinaryStream(const BinaryStream&) = delete;
  BinaryStream& operator=(const BinaryStream&) = delete;

  std::uint8_t ReadUInt8();
  std::int32_t ReadInt32();
  double ReadDouble();
  String ReadPString();
  // Up to count bytes, fewer at the end of the file.
  String ReadBytes(std::int64_t count);

  void WriteUInt8(std::uint8_t value);
  void WriteInt32(std::int32_t value);
  void WriteDouble(double value);
  // A string longer than 255 bytes is cut to its first 255 bytes, less the bytes of a
  // character that would be split.
  void WritePString(const String& value);
  void WriteBytes(std::string_view bytes);

  std::int64_t Position() const;
  void Position(std::int64_t position);
  std::int64_t Length() const;
  // Nothing left to read (named so because EOF is a C macro).
  bool Eof() const;
  // A read has asked for more bytes than the file held.
  bool PastEnd() const { return pastEnd_; }

  // Ends the stream. On a stream that replaces a file (FolderItem::CreateBinaryFile) this is
  // the moment the new content is flushed to disk and takes the old file's place in one step.
  // False when anything written may not have reached the file; a replacing stream then
  // leaves the old file as it was. Reads after Close yield zero, writes fail.
  bool Close();

  // What a stream in memory holds.
  const String& Bytes() const { return memory_; }

private:
  bool Read(char* bytes, std::int64_t count);
  void Write(const char* bytes, std::int64_t count);
  bool CloseNew();
  bool CloseInPlace();
  void PutPreviousBack();
  void Drop();

  std::unique_ptr<QFileDevice> file_;
  Replacing replacing_;
  bool inMemory_ = false;
  String memory_;
  std::int64_t memoryPosition_ = 0;
  std::int64_t end_ = 0;  // the furthest byte written
  // Kept by the stream, since asking the file system on every Eof would cost a system call
  // per value read; nothing else writes to the file while the stream has it open.
  std::int64_t length_ = 0;
  bool pastEnd_ = false;
  bool writeFailed_ = false;
};

}  // namespace fw
