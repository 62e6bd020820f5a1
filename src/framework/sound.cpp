#include "framework/sound.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSoundEffect>
#include <vector>
#include <QUrl>
#include <algorithm>
#include <memory>

namespace fw {

namespace {

std::int64_t& AllPlays() {
  static std::int64_t plays = 0;
  return plays;
}

// The effect plays only WAV data; anything else is refused up front rather than failing later,
// out of sight, in the audio back end.
bool IsWave(const QString& path) {
  if (path.isEmpty()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(12);
  return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

std::vector<QPointer<QSoundEffect>>& Effects() {
  static std::vector<QPointer<QSoundEffect>> effects;
  return effects;
}

QUrl SourceUrl(const QString& path) {
  if (path.startsWith(":/")) return QUrl("qrc" + path);
  return QUrl::fromLocalFile(path);
}

}  // namespace

// The effect belongs to the Qt application, so that it never outlives it; a sound released
// after the application ended finds it gone.
struct Sound::Output {
  QPointer<QSoundEffect> effect;
};

Ref<Sound> Sound::Load(const std::string& path) {
  if (!IsWave(QString::fromStdString(path))) return nullptr;
  return Ref<Sound>(std::shared_ptr<Sound>(new Sound(path)));
}

Sound::Sound(const std::string& path) : output_(std::make_unique<Output>()) {
  // Without a Qt application there is no event loop to feed an output: the sound stays silent.
  if (!QCoreApplication::instance()) return;
  output_->effect = new QSoundEffect(QCoreApplication::instance());
  output_->effect->setSource(SourceUrl(QString::fromStdString(path)));
  output_->effect->setVolume(1.0f);
  Effects().push_back(output_->effect);
}

void WaitForSoundsToLoad() {
  // Qt decodes a sample on a thread of its own; tearing its sample cache down at exit while
  // that thread still decodes can deadlock. A short sound is loaded in a moment: wait for it.
  QElapsedTimer waited;
  waited.start();
  const auto loading = [] {
    for (const auto& effect : Effects())
      if (effect && effect->status() == QSoundEffect::Loading) return true;
    return false;
  };
  while (QCoreApplication::instance() && loading() && waited.elapsed() < 2000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

Sound::~Sound() { delete output_->effect.data(); }

void Sound::Volume(std::int32_t volume) {
  volume_ = std::clamp(volume, 0, 100);
  if (output_->effect) output_->effect->setVolume(static_cast<float>(volume_) / 100.0f);
}

void Sound::Play() {
  ++plays_;
  ++AllPlays();
  if (output_->effect) output_->effect->play();
}

std::int64_t Sound::PlayCount() { return AllPlays(); }

}  // namespace fw
