// same-pixels A.png B.png: exit 0 when both pictures decode to the same size and pixels, 1 with
// the first difference otherwise, 2 when either cannot be read. The files themselves are not
// compared: another zlib or libpng may encode the same pixels into other bytes.
#include <cairo.h>

#include <cstdint>
#include <cstdio>

namespace {

struct Picture {
    explicit Picture(const char* path) : image(cairo_image_surface_create_from_png(path)) {}
    ~Picture() { cairo_surface_destroy(image); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    bool Loaded() const { return cairo_surface_status(image) == CAIRO_STATUS_SUCCESS; }
    int Width() const { return cairo_image_surface_get_width(image); }
    int Height() const { return cairo_image_surface_get_height(image); }

    // The pixel as 0xAARRGGBB; a picture without alpha reads as opaque, whatever its spare byte holds.
    std::uint32_t At(int x, int y) const
    {
        const unsigned char* row = cairo_image_surface_get_data(image)
                                   + static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(image);
        const std::uint32_t pixel = reinterpret_cast<const std::uint32_t*>(row)[x];
        return cairo_image_surface_get_format(image) == CAIRO_FORMAT_ARGB32 ? pixel : pixel | 0xFF000000u;
    }

    cairo_surface_t* image;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: same-pixels A.png B.png\n");
        return 2;
    }
    const Picture a(argv[1]);
    const Picture b(argv[2]);
    if (!a.Loaded() || !b.Loaded()) {
        std::fprintf(stderr, "same-pixels: cannot read %s\n", a.Loaded() ? argv[2] : argv[1]);
        return 2;
    }
    if (a.Width() != b.Width() || a.Height() != b.Height()) {
        std::printf("sizes differ: %dx%d and %dx%d\n", a.Width(), a.Height(), b.Width(), b.Height());
        return 1;
    }
    int differing = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.At(x, y) == b.At(x, y)) continue;
            if (differing++ == 0)
                std::printf("first difference at (%d, %d): %08x and %08x\n", x, y, a.At(x, y), b.At(x, y));
        }
    }
    if (differing > 0) std::printf("%d pixels differ\n", differing);
    return differing > 0 ? 1 : 0;
}
