#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

const int Width = 16;
const int Height = 8;

// An RGB picture: red left half, blue right half.
std::vector<unsigned char> TwoColourPicture() {
    std::vector<unsigned char> pixels(Width * Height * 3, 0);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            pixels[(y * Width + x) * 3 + (x < Width / 2 ? 0 : 2)] = 255;
    return pixels;
}

std::vector<unsigned char> Encode(std::vector<unsigned char> pixels) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = Width;
    info.image_height = Height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = &pixels[info.next_scanline * Width * 3];
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> jpeg(buffer, buffer + size);
    free(buffer);
    return jpeg;
}

} // namespace

TEST(Libjpeg, DecodesWhatItEncoded) {
    std::vector<unsigned char> jpeg = Encode(TwoColourPicture());
    ASSERT_GT(jpeg.size(), 2u);
    EXPECT_EQ(0xFF, jpeg[0]);
    EXPECT_EQ(0xD8, jpeg[1]);

    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    ASSERT_EQ(JPEG_HEADER_OK, jpeg_read_header(&info, TRUE));
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    ASSERT_EQ(static_cast<JDIMENSION>(Width), info.output_width);
    ASSERT_EQ(static_cast<JDIMENSION>(Height), info.output_height);
    ASSERT_EQ(3, info.output_components);
    std::vector<unsigned char> pixels(Width * Height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &pixels[info.output_scanline * Width * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    const unsigned char* left = &pixels[(4 * Width + 2) * 3];
    const unsigned char* right = &pixels[(4 * Width + 13) * 3];
    EXPECT_GT(left[0], 200);
    EXPECT_LT(left[2], 60);
    EXPECT_LT(right[0], 60);
    EXPECT_GT(right[2], 200);
}
