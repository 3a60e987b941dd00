#pragma once

#include <optional>
#include <string>

class QImage;

// The image as a colour JPEG file (JFIF) of the given quality (0-100), encoded with
// libjpeg in memory. Nothing when the image is empty or the encoder fails.
std::optional<std::string> jpegBytes(const QImage& image, int quality);
