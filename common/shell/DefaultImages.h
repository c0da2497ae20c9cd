#pragma once
// The first pictures of a window, before any value is shown.

#include <QSize>

#include "common/shell/Controls.h"
#include "common/shell/ResourceStore.h"

namespace shell {

// "L1_BackGround" into Img_Base_1; its size is the window size.
QSize LoadSkinBackground(Controls& controls, const ResourceStore& store);

// Every picture control's first picture, from skin set 1 and the state images.
void LoadDefaultSkinImages(Controls& controls, const ResourceStore& store);

}  // namespace shell
