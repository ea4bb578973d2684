#include "hwinfo/JpegPicture.h"
#include "toolkit/Canvas.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace corvane {

namespace {

struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void jumpOut(j_common_ptr info) {
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

// libjpeg's errors jump out of the next two with longjmp: no object with a destructor
// lives in them.

// Reads the header and starts decompressing into 32-bit pixels; false on an error.
bool startDecompress(jpeg_decompress_struct& info, JumpingErrorManager& errors,
                     const unsigned char* data, std::size_t size) {
    if (setjmp(errors.jump))
        return false;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    return true;
}

// Reads the scan lines into rows of output_width 32-bit pixels; false on an error.
bool readRows(jpeg_decompress_struct& info, JumpingErrorManager& errors, unsigned char* rows) {
    if (setjmp(errors.jump))
        return false;
    const std::size_t stride = std::size_t(info.output_width) * 4;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rows + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

// The picture in a bitmap made once its size is known.
tk::BitmapHandle decode(jpeg_decompress_struct& info, JumpingErrorManager& errors,
                        const unsigned char* data, std::size_t size) {
    if (!startDecompress(info, errors, data, size))
        return {};
    std::uint32_t* bits = nullptr;
    tk::BitmapHandle bitmap = tk::createDibSection(static_cast<int>(info.output_width),
                                                   static_cast<int>(info.output_height), &bits);
    if (!bitmap || !readRows(info, errors, reinterpret_cast<unsigned char*>(bits)))
        return {};
    return bitmap;
}

} // namespace

tk::BitmapHandle DecodeJpeg(const unsigned char* data, std::size_t size) {
    if (!data || size == 0)
        return {};
    jpeg_decompress_struct info = {};
    JumpingErrorManager errors = {};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOut;
    jpeg_create_decompress(&info);
    tk::BitmapHandle bitmap = decode(info, errors, data, size);
    jpeg_destroy_decompress(&info);
    return bitmap;
}

tk::BitmapHandle LoadJpegResource(const wchar_t* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, RT_RCDATA);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded)
        return {};
    return DecodeJpeg(static_cast<const unsigned char*>(LockResource(loaded)),
                      SizeofResource(module, found));
}

} // namespace corvane
