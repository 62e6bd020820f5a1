#pragma once
// The pictures and the sound of the program, loaded on first use and kept until shut-down.
#include "framework/picture.h"
#include "framework/ref.h"
#include "framework/sound.h"

fw::Ref<fw::Picture> SpriteSmall();        // the tracing sprite on the white preview
fw::Ref<fw::Picture> SpriteBig();          // ... on a white full-screen pattern
fw::Ref<fw::Picture> SpriteBigInverse();   // ... on a black full-screen pattern
fw::Ref<fw::Picture> SpriteSmallInverse(); // ... on the black preview
fw::Ref<fw::Sound> Rums();                 // the sprite's bounce

// Shut-down: releases every cached asset, in a fixed order.
void ReleaseAssets();
