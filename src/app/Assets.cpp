#include "app/Assets.h"

void ReleaseAssets() {}
