// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decodes the pictures the program carries. It uses libjpeg directly rather than Qt's
// image plugins, so it can run on any thread before the application object exists.

#include <QImage>
#include <string_view>

namespace ninebox {

// A 32-bit RGB image, or a null image when the bytes are not a JPEG libjpeg can read.
QImage decodeJpeg(std::string_view bytes);

}  // namespace ninebox
