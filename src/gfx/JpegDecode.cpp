#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>

#include <jpeglib.h>  // needs <cstdio> first

#include "gfx/ImageDecode.h"

namespace vortala {

namespace {

// libjpeg reports errors by calling error_exit, which by default ends the process; ours jumps
// back to the decode call instead. Only C objects live between the setjmp and the jump.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings (level -1) mean damaged data, such as a file cut short, which libjpeg would patch
// with grey: treat them as errors. Trace messages are dropped.
void JumpOnWarning(j_common_ptr info, int level) {
    if (level < 0) JumpOnError(info);
}

// A crafted progressive file can ask for an endless number of scans.
constexpr int kMaxScans = 1000;
void LimitScans(j_common_ptr info) {
    auto* decoder = reinterpret_cast<j_decompress_ptr>(info);
    if (decoder->is_decompressor && decoder->input_scan_number > kMaxScans) JumpOnError(info);
}

struct Output {
    std::vector<std::uint8_t>* pixels;  // rows top first, appended as decoded
    int width, height;
};

// Appends rows one at a time, so memory follows the data actually present rather than the size
// the header claims.
bool DecodeRows(const std::uint8_t* data, std::size_t size, Output* out) {
    jpeg_decompress_struct decoder;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    std::memset(&decoder, 0, sizeof decoder);
    decoder.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.emit_message = JumpOnWarning;
    progress.progress_monitor = LimitScans;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    jpeg_create_decompress(&decoder);
    decoder.progress = &progress;
    decoder.mem->max_memory_to_use = 256L << 20;
    jpeg_mem_src(&decoder, data, static_cast<unsigned long>(size));
    jpeg_read_header(&decoder, TRUE);
    const JDIMENSION most = kMaxPictureSide;
    if (decoder.image_width > most || decoder.image_height > most) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    decoder.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decoder);
    out->width = static_cast<int>(decoder.output_width);
    out->height = static_cast<int>(decoder.output_height);
    const JDIMENSION rowBytes = decoder.output_width * 3;
    JSAMPARRAY row =
        (*decoder.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&decoder), JPOOL_IMAGE, rowBytes, 1);
    while (decoder.output_scanline < decoder.output_height) {
        jpeg_read_scanlines(&decoder, row, 1);
        const std::uint8_t* rgb = row[0];
        std::size_t at = out->pixels->size();
        out->pixels->resize(at + std::size_t{decoder.output_width} * 4);
        std::uint8_t* rgba = out->pixels->data() + at;
        for (JDIMENSION x = 0; x < decoder.output_width; ++x, rgb += 3, rgba += 4) {
            rgba[0] = rgb[0];
            rgba[1] = rgb[1];
            rgba[2] = rgb[2];
            rgba[3] = 255;
        }
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    return true;
}

void FlipRows(std::vector<std::uint8_t>& pixels, std::size_t rowBytes) {
    if (rowBytes == 0) return;
    const std::size_t rows = pixels.size() / rowBytes;
    for (std::size_t top = 0, bottom = rows; top + 1 < bottom; ++top, --bottom) {
        std::swap_ranges(pixels.begin() + static_cast<std::ptrdiff_t>(top * rowBytes),
                         pixels.begin() + static_cast<std::ptrdiff_t>((top + 1) * rowBytes),
                         pixels.begin() + static_cast<std::ptrdiff_t>((bottom - 1) * rowBytes));
    }
}

}  // namespace

DecodeResult DecodeJpeg(const std::uint8_t* data, std::size_t size, std::string_view name) {
    DecodeResult result;
    Image image;
    Output out{&image.pixels, 0, 0};
    if (data == nullptr || size == 0 || !DecodeRows(data, size, &out)) {
        result.caption = "BMP Unit";
        result.message = "Couldn't load JPG Resource - \"" + std::string(name) + "\"";
        return result;
    }
    image.width = out.width;
    image.height = out.height;
    image.channels = 4;
    FlipRows(image.pixels, static_cast<std::size_t>(image.width) * 4);
    result.image = std::move(image);
    return result;
}

}  // namespace vortala
