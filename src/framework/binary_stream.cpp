#include "framework/binary_stream.h"

#include <QFile>
#include <QFileDevice>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

namespace fw {

namespace {
constexpr std::size_t kMaxPStringBytes = 255;

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

BinaryStream::BinaryStream(std::unique_ptr<QFileDevice> file) : BinaryStream(std::move(file), Replacing{}) {}

BinaryStream::BinaryStream(std::unique_ptr<QFileDevice> file, Replacing replacing)
    : file_(std::move(file)), replacing_(std::move(replacing)), length_(file_ ? file_->size() : 0) {}

BinaryStream::BinaryStream(String bytes) : inMemory_(true), memory_(std::move(bytes)) {}

// A replacing stream that was never closed is thrown away here, and the old file stays
// (a file rewritten in place gets its old content back).
BinaryStream::~BinaryStream() {
  if (file_) Drop();
}

void BinaryStream::Drop() {
  if (replacing_.inPlace) {
    PutPreviousBack();
  } else if (!replacing_.target.empty()) {
    file_->close();
    QFile::remove(file_->fileName());
    file_.reset();
  }
}

bool BinaryStream::Read(char* bytes, std::int64_t count) {
  if (inMemory_) {
    if (count <= Length() - memoryPosition_) {
      std::memcpy(bytes, memory_.data() + memoryPosition_, static_cast<std::size_t>(count));
      memoryPosition_ += count;
      return true;
    }
    memoryPosition_ = Length();
  } else if (file_ && file_->read(bytes, count) == count) {
    return true;
  }
  std::memset(bytes, 0, static_cast<std::size_t>(count));
  pastEnd_ = true;
  return false;
}

void BinaryStream::Write(const char* bytes, std::int64_t count) {
  if (inMemory_) {
    const auto at = static_cast<std::size_t>(memoryPosition_);
    memory_.replace(at, std::min(memory_.size() - at, static_cast<std::size_t>(count)), bytes,
                    static_cast<std::size_t>(count));
    memoryPosition_ += count;
    return;
  }
  if (file_ && file_->write(bytes, count) == count) {
    end_ = std::max<std::int64_t>(end_, file_->pos());
    length_ = std::max(length_, end_);
    return;
  }
  writeFailed_ = true;
}

std::uint8_t BinaryStream::ReadUInt8() {
  char byte = 0;
  Read(&byte, 1);
  return static_cast<std::uint8_t>(byte);
}

std::int32_t BinaryStream::ReadInt32() {
  unsigned char bytes[4];
  Read(reinterpret_cast<char*>(bytes), 4);
  std::uint32_t value = 0;
  for (unsigned char b : bytes) value = (value << 8) | b;
  return static_cast<std::int32_t>(value);
}

double BinaryStream::ReadDouble() {
  unsigned char bytes[8];
  Read(reinterpret_cast<char*>(bytes), 8);
  std::uint64_t bits = 0;
  for (unsigned char b : bytes) bits = (bits << 8) | b;
  return std::bit_cast<double>(bits);
}

String BinaryStream::ReadPString() {
  const std::uint8_t length = ReadUInt8();
  String text(length, '\0');
  if (!Read(text.data(), length)) return String();
  return text;
}

String BinaryStream::ReadBytes(std::int64_t count) {
  String bytes(static_cast<std::size_t>(std::clamp<std::int64_t>(count, 0, Length() - Position())), '\0');
  Read(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  return bytes;
}

void BinaryStream::WriteUInt8(std::uint8_t value) {
  const char byte = static_cast<char>(value);
  Write(&byte, 1);
}

void BinaryStream::WriteInt32(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const char bytes[4] = {static_cast<char>(bits >> 24), static_cast<char>(bits >> 16), static_cast<char>(bits >> 8),
                         static_cast<char>(bits)};
  Write(bytes, 4);
}

void BinaryStream::WriteDouble(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  char bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>(bits >> (56 - 8 * i));
  Write(bytes, 8);
}

void BinaryStream::WritePString(const String& value) {
  std::size_t length = value.size();
  if (length > kMaxPStringBytes) {
    length = kMaxPStringBytes;
    while (length > 0 && IsUtf8Continuation(value[length])) --length;
  }
  WriteUInt8(static_cast<std::uint8_t>(length));
  Write(value.data(), static_cast<std::int64_t>(length));
}

void BinaryStream::WriteBytes(std::string_view bytes) { Write(bytes.data(), static_cast<std::int64_t>(bytes.size())); }

std::int64_t BinaryStream::Position() const {
  if (inMemory_) return memoryPosition_;
  return file_ ? file_->pos() : 0;
}

void BinaryStream::Position(std::int64_t position) {
  if (inMemory_ && position >= 0 && position <= Length()) {
    memoryPosition_ = position;
    return;
  }
  // Moving flushes what is buffered, so a failure here can be a write that failed.
  if (file_ && file_->seek(position)) return;
  writeFailed_ = true;
}

std::int64_t BinaryStream::Length() const {
  if (inMemory_) return static_cast<std::int64_t>(memory_.size());
  return file_ ? length_ : 0;
}

bool BinaryStream::Eof() const { return (!file_ && !inMemory_) || Position() >= Length(); }

bool BinaryStream::Close() {
  if (!file_) return !writeFailed_;
  if (replacing_.inPlace) return CloseInPlace();
  if (!replacing_.target.empty()) return CloseNew();
  const std::unique_ptr<QFileDevice> file = std::move(file_);
  const bool written = !writeFailed_ && (!file->isWritable() || file->flush());
  file->close();
  return written && file->error() == QFileDevice::NoError;
}

// The new file takes the old one's place only once all of it has reached the disk; the
// rename then swaps them in one step.
bool BinaryStream::CloseNew() {
  const bool written = !writeFailed_ && file_->flush() && ::fsync(file_->handle()) == 0;
  const QString path = file_->fileName();
  file_->close();
  const bool closed = written && file_->error() == QFileDevice::NoError;
  file_.reset();
  if (!closed || std::rename(QFile::encodeName(path).constData(),
                                QFile::encodeName(QString::fromStdString(replacing_.target)).constData()) != 0) {
    QFile::remove(path);
    return false;
  }
  if (replacing_.replaced) replacing_.replaced();
  return true;
}

// A file rewritten in place counts as saved only once it ends at the last byte written and
// has reached the disk; otherwise it gets its old content back, when that was kept.
bool BinaryStream::CloseInPlace() {
  const bool written =
      !writeFailed_ && file_->resize(end_) && file_->flush() && ::fsync(file_->handle()) == 0;
  if (!written) {
    PutPreviousBack();
    return false;
  }
  file_->close();
  const bool closed = file_->error() == QFileDevice::NoError;
  file_.reset();
  if (closed && replacing_.replaced) replacing_.replaced();
  return closed;
}

// Through a handle of its own: the stream's handle may still hold bytes that could not be
// written, which closing it drops. The old content fits where it was, so a full disk does
// not stop it.
void BinaryStream::PutPreviousBack() {
  const QString path = file_->fileName();
  file_->close();
  file_.reset();
  if (!replacing_.previous) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) return;
  const String& previous = *replacing_.previous;
  file.write(previous.data(), static_cast<std::int64_t>(previous.size()));
  file.resize(static_cast<std::int64_t>(previous.size()));
}

}  // namespace fw
