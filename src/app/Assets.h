#pragma once
// The pictures and the sound of the program, loaded on first use and kept until shut-down.

// Shut-down: releases every cached asset, in a fixed order.
void ReleaseAssets();
