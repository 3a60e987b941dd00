#include "graph/JpegEncoder.h"

#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

constexpr UINT16 SCREEN_DPI = 96;

// libjpeg's own error handler ends the process; this one jumps back to the encoder, which
// then reports the failure.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->back, 1);
}

// The encoding proper, free of objects with destructors, so that the jump out of libjpeg
// skips nothing that must be cleaned up. The caller frees `buffer`.
bool encode(const QImage& rgb, int quality, unsigned char** buffer, unsigned long* size) {
    jpeg_compress_struct info;
    ErrorJump error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpBack;
    if (setjmp(error.back)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // The screen's 96 dots an inch, as the other pictures carry, so that a report shows
    // the graph at its on-screen size.
    info.density_unit = 1;
    info.X_density = SCREEN_DPI;
    info.Y_density = SCREEN_DPI;
    jpeg_start_compress(&info, TRUE);
    // Rows one at a time: an image's rows are padded to whole words.
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::optional<std::string> jpegBytes(const QImage& image, int quality) {
    if (image.isNull())
        return std::nullopt;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool encoded = encode(rgb, quality, &buffer, &size);
    std::optional<std::string> bytes;
    if (encoded && buffer)
        bytes = std::string(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}
