#include "app/Assets.h"

#include <cstdint>

#include "framework/graphics.h"
#include "framework/picture_io.h"
#include "framework/strings.h"

namespace {

std::string& Folder() {
  static std::string folder = ":/";
  return folder;
}

fw::Ref<fw::Picture> GetPicture(std::int32_t id) {
  return fw::LoadPicture(Folder() + "pictures/" + fw::Str(id) + ".png");
}

fw::Ref<fw::Sound> GetSound(std::int32_t id) { return fw::Sound::Load(Folder() + "sounds/" + fw::Str(id) + ".wav"); }

fw::Ref<fw::Picture> Cached(fw::Ref<fw::Picture>& cache, std::int32_t id) {
  if (!cache) cache = GetPicture(id);
  return cache;
}

// The mask is drawn into the picture once, when the picture is loaded. The mask asset is
// fetched even when the picture failed, and a picture that came without its mask stays so.
fw::Ref<fw::Picture> CachedWithMask(fw::Ref<fw::Picture>& cache, std::int32_t id, fw::Ref<fw::Picture> (*mask)()) {
  if (cache) return cache;
  cache = GetPicture(id);
  const fw::Ref<fw::Picture> maskPicture = mask();
  if (!maskPicture || !cache) return cache;
  if (const fw::Ref<fw::Picture> into = cache->Mask()) into->Graphics()->DrawPicture(maskPicture, 0, 0);
  return cache;
}

fw::Ref<fw::Picture> cTitelBG, cTitelBGMask, cvelostralogosmall, cSpriteSmall, cSpriteBig, cSpriteBigInverse,
    cSpriteSmallInverse;
fw::Ref<fw::Sound> cRums;
fw::Ref<fw::Picture> cAboutBox, cColorShadesIcon, cColorShadesIconMask, cGeometryIcon, cGeometryIconMask, cHelpIconOn,
    cHelpIconOnMask, cInfoIcon, cInfoIconMask, cMatchingIcon, cMatchingIconMask, cVideoIcon, cVideoIconMask;

}  // namespace

fw::Ref<fw::Picture> TitelBG() { return CachedWithMask(cTitelBG, 168, TitelBGMask); }
fw::Ref<fw::Picture> TitelBGMask() { return Cached(cTitelBGMask, 169); }

fw::Ref<fw::Picture> velostralogosmall() {
  if (cvelostralogosmall) return cvelostralogosmall;
  cvelostralogosmall = GetPicture(170);
  if (cvelostralogosmall) cvelostralogosmall->Transparent(1);
  return cvelostralogosmall;
}

fw::Ref<fw::Picture> SpriteSmall() { return Cached(cSpriteSmall, 171); }
fw::Ref<fw::Picture> SpriteBig() { return Cached(cSpriteBig, 172); }
fw::Ref<fw::Picture> SpriteBigInverse() { return Cached(cSpriteBigInverse, 173); }
fw::Ref<fw::Picture> SpriteSmallInverse() { return Cached(cSpriteSmallInverse, 174); }

fw::Ref<fw::Sound> Rums() {
  if (!cRums) cRums = GetSound(168);
  return cRums;
}

fw::Ref<fw::Picture> AboutBox() { return Cached(cAboutBox, 175); }
fw::Ref<fw::Picture> ColorShadesIcon() { return CachedWithMask(cColorShadesIcon, 176, ColorShadesIconMask); }
fw::Ref<fw::Picture> ColorShadesIconMask() { return Cached(cColorShadesIconMask, 177); }
fw::Ref<fw::Picture> GeometryIcon() { return CachedWithMask(cGeometryIcon, 178, GeometryIconMask); }
fw::Ref<fw::Picture> GeometryIconMask() { return Cached(cGeometryIconMask, 179); }
fw::Ref<fw::Picture> HelpIconOn() { return CachedWithMask(cHelpIconOn, 180, HelpIconOnMask); }
fw::Ref<fw::Picture> HelpIconOnMask() { return Cached(cHelpIconOnMask, 181); }
fw::Ref<fw::Picture> InfoIcon() { return CachedWithMask(cInfoIcon, 182, InfoIconMask); }
fw::Ref<fw::Picture> InfoIconMask() { return Cached(cInfoIconMask, 183); }
fw::Ref<fw::Picture> MatchingIcon() { return CachedWithMask(cMatchingIcon, 184, MatchingIconMask); }
fw::Ref<fw::Picture> MatchingIconMask() { return Cached(cMatchingIconMask, 185); }
fw::Ref<fw::Picture> VideoIcon() { return CachedWithMask(cVideoIcon, 186, VideoIconMask); }
fw::Ref<fw::Picture> VideoIconMask() { return Cached(cVideoIconMask, 187); }

std::span<const AssetEntry> AllAssets() {
  static const AssetEntry entries[] = {
      {"TitelBG", 168, TitelBG, [] { cTitelBG.Reset(); }},
      {"TitelBGMask", 169, TitelBGMask, [] { cTitelBGMask.Reset(); }},
      {"velostralogosmall", 170, velostralogosmall, [] { cvelostralogosmall.Reset(); }},
      {"SpriteSmall", 171, SpriteSmall, [] { cSpriteSmall.Reset(); }},
      {"SpriteBig", 172, SpriteBig, [] { cSpriteBig.Reset(); }},
      {"SpriteBigInverse", 173, SpriteBigInverse, [] { cSpriteBigInverse.Reset(); }},
      {"SpriteSmallInverse", 174, SpriteSmallInverse, [] { cSpriteSmallInverse.Reset(); }},
      {"Rums", 168, nullptr, [] { cRums.Reset(); }},
      {"AboutBox", 175, AboutBox, [] { cAboutBox.Reset(); }},
      {"ColorShadesIcon", 176, ColorShadesIcon, [] { cColorShadesIcon.Reset(); }},
      {"ColorShadesIconMask", 177, ColorShadesIconMask, [] { cColorShadesIconMask.Reset(); }},
      {"GeometryIcon", 178, GeometryIcon, [] { cGeometryIcon.Reset(); }},
      {"GeometryIconMask", 179, GeometryIconMask, [] { cGeometryIconMask.Reset(); }},
      {"HelpIconOn", 180, HelpIconOn, [] { cHelpIconOn.Reset(); }},
      {"HelpIconOnMask", 181, HelpIconOnMask, [] { cHelpIconOnMask.Reset(); }},
      {"InfoIcon", 182, InfoIcon, [] { cInfoIcon.Reset(); }},
      {"InfoIconMask", 183, InfoIconMask, [] { cInfoIconMask.Reset(); }},
      {"MatchingIcon", 184, MatchingIcon, [] { cMatchingIcon.Reset(); }},
      {"MatchingIconMask", 185, MatchingIconMask, [] { cMatchingIconMask.Reset(); }},
      {"VideoIcon", 186, VideoIcon, [] { cVideoIcon.Reset(); }},
      {"VideoIconMask", 187, VideoIconMask, [] { cVideoIconMask.Reset(); }},
  };
  return entries;
}

void ReleaseAssets() {
  for (const AssetEntry& entry : AllAssets()) entry.release();
}

void SetAssetFolder(const std::string& folder) { Folder() = folder; }
