#include "hwinfo/JpegPicture.h"
#include "toolkit/Canvas.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void jumpOut(j_common_ptr info) {
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

// Reads the scan lines into the bitmap's rows; the bitmap is made once the size is known.
// No object with a destructor lives here, because libjpeg's errors jump out with longjmp.
HBITMAP decodeInto(jpeg_decompress_struct& info, JumpingErrorManager& errors,
                   const unsigned char* data, std::size_t size) {
    HBITMAP volatile bitmap = nullptr;
    if (setjmp(errors.jump)) {
        if (bitmap)
            DeleteObject(bitmap);
        return nullptr;
    }
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    std::uint32_t* bits = nullptr;
    bitmap = tk::createDibSection(static_cast<int>(info.output_width),
                                  static_cast<int>(info.output_height), &bits);
    if (!bitmap)
        return nullptr;
    auto* rows = reinterpret_cast<unsigned char*>(bits);
    const std::size_t stride = std::size_t(info.output_width) * 4;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rows + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return bitmap;
}

} // namespace

HBITMAP DecodeJpeg(const unsigned char* data, std::size_t size) {
    if (!data || size == 0)
        return nullptr;
    jpeg_decompress_struct info = {};
    JumpingErrorManager errors = {};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOut;
    jpeg_create_decompress(&info);
    HBITMAP bitmap = decodeInto(info, errors, data, size);
    jpeg_destroy_decompress(&info);
    return bitmap;
}

HBITMAP LoadJpegResource(const wchar_t* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, RT_RCDATA);
    if (!found)
        return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded)
        return nullptr;
    return DecodeJpeg(static_cast<const unsigned char*>(LockResource(loaded)),
                      SizeofResource(module, found));
}
