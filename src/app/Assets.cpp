#include "app/Assets.h"

// Stand-ins until the asset loader lands: every asset is missing.
fw::Ref<fw::Picture> SpriteSmall() { return nullptr; }
fw::Ref<fw::Picture> SpriteBig() { return nullptr; }
fw::Ref<fw::Picture> SpriteBigInverse() { return nullptr; }
fw::Ref<fw::Picture> SpriteSmallInverse() { return nullptr; }
fw::Ref<fw::Sound> Rums() { return nullptr; }

void ReleaseAssets() {}
