#pragma once
// The pictures and the sound of the program. Each accessor loads its asset on first use,
// prepares it once (the masks, the logo's transparency) and keeps it until shut-down; when
// the asset cannot be loaded it returns nil, and the next call tries again.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "framework/picture.h"
#include "framework/ref.h"
#include "framework/sound.h"

fw::Ref<fw::Picture> TitelBG();            // the explanation window's title bar, 270 x 32
fw::Ref<fw::Picture> TitelBGMask();
fw::Ref<fw::Picture> velostralogosmall();  // the logo on the title bar; white is transparent
fw::Ref<fw::Picture> SpriteSmall();        // the tracing sprite on the white preview
fw::Ref<fw::Picture> SpriteBig();          // ... on a white full-screen pattern
fw::Ref<fw::Picture> SpriteBigInverse();   // ... on a black full-screen pattern
fw::Ref<fw::Picture> SpriteSmallInverse(); // ... on the black preview
fw::Ref<fw::Sound> Rums();                 // the sprite's bounce
fw::Ref<fw::Picture> AboutBox();           // the About page, 370 x 300
fw::Ref<fw::Picture> ColorShadesIcon();    // the toolbar's icons, each with its mask
fw::Ref<fw::Picture> ColorShadesIconMask();
fw::Ref<fw::Picture> GeometryIcon();
fw::Ref<fw::Picture> GeometryIconMask();
fw::Ref<fw::Picture> HelpIconOn();
fw::Ref<fw::Picture> HelpIconOnMask();
fw::Ref<fw::Picture> InfoIcon();
fw::Ref<fw::Picture> InfoIconMask();
fw::Ref<fw::Picture> MatchingIcon();
fw::Ref<fw::Picture> MatchingIconMask();
fw::Ref<fw::Picture> VideoIcon();
fw::Ref<fw::Picture> VideoIconMask();

// One row per asset, in the order in which shut-down releases them: its accessor's name, its
// resource id (pictures and the sound are numbered apart), the accessor for a picture (none
// for the sound), and release, which drops the cached asset.
struct AssetEntry {
  std::string_view name;
  std::int32_t id;
  fw::Ref<fw::Picture> (*picture)();
  void (*release)();
};
std::span<const AssetEntry> AllAssets();

// Shut-down: releases every cached asset, in the order of AllAssets.
void ReleaseAssets();

// Where the assets are read from: the resources bundled into the program (":/", the default)
// or a folder ending in "/". A picture is "pictures/<id>.png" in it, the sound
// "sounds/<id>.wav"; pictures and sounds are numbered separately.
void SetAssetFolder(const std::string& folder);
