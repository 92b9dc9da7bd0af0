// The application icon for the desktop's menus: the board's frame holding a
// 3 by 3 block of stones with the brass centre stone of the logo.
#pragma once

#include <string>

#include "canvas.h"
#include "palette.h"

namespace baker {

// The sizes the desktop asks for, at 1x and (96 to 512) for its doubled
// HiDPI folders; each is drawn at its own size, not scaled, so the small ones
// stay crisp and the large ones sharp.
inline constexpr int kAppIconSizes[] = {48, 64, 96, 128, 256, 512};

Canvas AppIcon(const Palette& p, int size);

// Writes FOLDER/SIZE.png for every size; false with a message on the error
// output when one cannot be written.
bool WriteAppIcons(const std::string& folder);

}  // namespace baker
