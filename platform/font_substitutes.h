#pragma once

namespace platform {

// Maps the font families the windows are designed with, which this platform
// lacks, to installed families of close metrics, and gives widgets without a
// family of their own the desktop's dialog font. Call once the application
// object exists and before any window is made.
void installFontSubstitutes();

} // namespace platform
