#pragma once
// A stream of bytes on an open file, in the layout the program's files use: 32-bit integers
// and Doubles big-endian, strings as one length byte followed by that many bytes of UTF-8.
//
// A stream never blocks and never throws: a read that asks for more than the file still
// holds yields zero (or the empty string), leaves the stream at its end and sets PastEnd.
// Writes that fail are remembered, and Close reports them.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "framework/strings.h"

class QFileDevice;

namespace fw {

class BinaryStream {
public:
  // How a stream that replaces a file (FolderItem::CreateBinaryFile) ends.
  struct Replacing {
    // The file is rewritten in place and this was its content: it is put back when the
    // rewrite fails or the stream is dropped unclosed, and Close ends the file at the
    // furthest byte written.
    std::optional<String> previous;
    // Runs once the new content has taken the old one's place.
    std::function<void()> replaced;
  };

  explicit BinaryStream(std::unique_ptr<QFileDevice> file, Replacing replacing = {});
  ~BinaryStream();
  BinaryStream(const BinaryStream&) = delete;
  BinaryStream& operator=(const BinaryStream&) = delete;

  std::uint8_t ReadUInt8();
  std::int32_t ReadInt32();
  double ReadDouble();
  String ReadPString();

  void WriteUInt8(std::uint8_t value);
  void WriteInt32(std::int32_t value);
  void WriteDouble(double value);
  // A string longer than 255 bytes is cut to its first 255 bytes, less the bytes of a
  // character that would be split.
  void WritePString(const String& value);

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

private:
  bool Read(char* bytes, std::int64_t count);
  void Write(const char* bytes, std::int64_t count);
  bool CloseInPlace();
  void PutPreviousBack();

  std::unique_ptr<QFileDevice> file_;
  Replacing replacing_;
  std::int64_t end_ = 0;  // the furthest byte written
  // Kept by the stream, since asking the file system on every Eof would cost a system call
  // per value read; nothing else writes to the file while the stream has it open.
  std::int64_t length_ = 0;
  bool pastEnd_ = false;
  bool writeFailed_ = false;
};

}  // namespace fw
