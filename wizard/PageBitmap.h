// Bitmaps of pages and objects are resources named in the configuration:
// the package's resource library answers first, the program's own
// resources after it.
#pragma once

#include <windows.h>

#include <string>

#include "platform/Gdi.h"

namespace setup {

// The bitmap resource name (or "#123" for a number) from the resource
// library when it is loaded and has it, else from the program; null when
// neither has it or the name is empty.
platform::UniqueBitmap LoadPageBitmap(const std::string& name);
// The bitmap's size in pixels; (0, 0) for a null bitmap.
SIZE GetBitmapSize(HBITMAP bitmap);

}  // namespace setup
