// Writes the program icon: grey balls falling onto two tilted navy shelves on a black rounded
// square, drawn from code so the artwork is reproducible from the source alone. Built and run
// on the build host. Cascadium.ico carries every size the icon group needs; the web page takes
// PNGs of the same drawing, full-bleed ones for the systems that cut icons to their own shape.
//
// Usage: make-icon <output.ico>
//        make-icon <output.png> <size> [full-bleed]

#include "tools/PngFile.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

constexpr int Sizes[] = {16, 22, 24, 32, 44, 48, 64};
constexpr int Supersampling = 4;

// How a picture frames the drawing: on its own rounded square with transparent corners, or as a
// full black square with the drawing shrunk into the middle circle that a maskable or home-screen
// icon keeps whatever shape the system cuts it to.
enum class Framing { RoundedSquare, FullBleed };

// The drawing's farthest point, the lower shelf's right end, lies 0.50 from the centre; a
// maskable icon is sure to keep only the circle of radius 0.40.
constexpr double FullBleedScale = 0.78;

struct Rgba {
    double r, g, b, a;
};

struct Ball {
    double x, y, radius;
};

struct Shelf {
    double x0, y0, x1, y1, halfThickness;
};

// Unit coordinates, y pointing down: one shelf falls to the right, the lower one to the left,
// as in the Cascadium world.
constexpr Shelf Shelves[] = {
    {0.12, 0.50, 0.62, 0.62, 0.045},
    {0.40, 0.84, 0.90, 0.72, 0.045},
};
constexpr Ball Balls[] = {
    {0.30, 0.19, 0.105},
    {0.66, 0.27, 0.085},
    {0.46, 0.44, 0.090},
    {0.78, 0.58, 0.080},
};

const Rgba Black{0, 0, 0, 1};
const Rgba Navy{0, 0, 128, 1};
const Rgba BallFill{192, 192, 192, 1};
const Rgba BallLine{128, 128, 128, 1};

double DistanceToSegment(double px, double py, const Shelf& s)
{
    const double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
    double t = ((px - s.x0) * dx + (py - s.y0) * dy) / (dx * dx + dy * dy);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return std::hypot(px - (s.x0 + t * dx), py - (s.y0 + t * dy));
}

bool InsideRoundedSquare(double x, double y)
{
    constexpr double Corner = 0.18;
    const double cx = x < Corner ? Corner : (x > 1 - Corner ? 1 - Corner : x);
    const double cy = y < Corner ? Corner : (y > 1 - Corner ? 1 - Corner : y);
    return x >= 0 && x <= 1 && y >= 0 && y <= 1 && std::hypot(x - cx, y - cy) <= Corner;
}

// The colour at one unit-square point of the drawing; transparent outside the rounded square
// unless the picture is full-bleed.
Rgba Sample(double x, double y, double lineWidth, Framing framing)
{
    if (framing == Framing::RoundedSquare && !InsideRoundedSquare(x, y)) return Rgba{0, 0, 0, 0};
    Rgba colour = Black;
    for (const Shelf& shelf : Shelves)
        if (DistanceToSegment(x, y, shelf) <= shelf.halfThickness) colour = Navy;
    for (const Ball& ball : Balls) {
        const double d = std::hypot(x - ball.x, y - ball.y);
        if (d <= ball.radius) colour = d > ball.radius - lineWidth ? BallLine : BallFill;
    }
    return colour;
}

// Premultiplied average over a grid of subsamples, returned straight (not premultiplied).
Rgba Pixel(int px, int py, int size, Framing framing)
{
    const double scale = framing == Framing::FullBleed ? FullBleedScale : 1.0;
    const double lineWidth = 1.0 / (size * scale);
    Rgba sum{0, 0, 0, 0};
    for (int sy = 0; sy < Supersampling; ++sy)
        for (int sx = 0; sx < Supersampling; ++sx) {
            const double x = 0.5 + ((px + (sx + 0.5) / Supersampling) / size - 0.5) / scale;
            const double y = 0.5 + ((py + (sy + 0.5) / Supersampling) / size - 0.5) / scale;
            const Rgba c = Sample(x, y, lineWidth, framing);
            sum.r += c.r * c.a;
            sum.g += c.g * c.a;
            sum.b += c.b * c.a;
            sum.a += c.a;
        }
    if (sum.a == 0) return sum;
    return Rgba{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / (Supersampling * Supersampling)};
}

void Put16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFFu);
    Put16(out, value >> 16);
}

std::uint8_t Channel(double value)
{
    return static_cast<std::uint8_t>(std::lround(value < 0 ? 0 : (value > 255 ? 255 : value)));
}

// One icon image: a 32-bit bottom-up DIB of double height (colour rows, then the AND mask).
std::vector<std::uint8_t> IconImage(int size)
{
    const int maskStride = ((size + 31) / 32) * 4;
    std::vector<std::uint8_t> image;
    Put32(image, 40);
    Put32(image, static_cast<std::uint32_t>(size));
    Put32(image, static_cast<std::uint32_t>(size * 2));
    Put16(image, 1);
    Put16(image, 32);
    Put32(image, 0);
    Put32(image, static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
    for (int i = 0; i < 4; ++i) Put32(image, 0);

    std::vector<std::uint8_t> mask(static_cast<size_t>(maskStride * size), 0);
    for (int row = 0; row < size; ++row) {
        const int y = size - 1 - row;
        for (int x = 0; x < size; ++x) {
            const Rgba c = Pixel(x, y, size, Framing::RoundedSquare);
            image.push_back(Channel(c.b));
            image.push_back(Channel(c.g));
            image.push_back(Channel(c.r));
            image.push_back(Channel(c.a * 255));
            if (c.a < 0.5)
                mask[static_cast<size_t>(row * maskStride + x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    image.insert(image.end(), mask.begin(), mask.end());
    return image;
}

// One PNG picture's pixels, top row first, as straight RGBA.
std::vector<std::uint8_t> RgbaRows(int size, Framing framing)
{
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const Rgba c = Pixel(x, y, size, framing);
            rgba.insert(rgba.end(), {Channel(c.r), Channel(c.g), Channel(c.b), Channel(c.a * 255)});
        }
    return rgba;
}

std::vector<std::uint8_t> IcoFile()
{
    constexpr int count = sizeof Sizes / sizeof Sizes[0];
    std::vector<std::vector<std::uint8_t>> images;
    for (int size : Sizes) images.push_back(IconImage(size));

    std::vector<std::uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, count);
    std::uint32_t offset = 6 + 16 * count;
    for (int i = 0; i < count; ++i) {
        file.push_back(static_cast<std::uint8_t>(Sizes[i]));
        file.push_back(static_cast<std::uint8_t>(Sizes[i]));
        file.push_back(0);
        file.push_back(0);
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, static_cast<std::uint32_t>(images[static_cast<size_t>(i)].size()));
        Put32(file, offset);
        offset += static_cast<std::uint32_t>(images[static_cast<size_t>(i)].size());
    }
    for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
    return file;
}

bool EndsWith(const char* text, const char* ending)
{
    const size_t length = std::strlen(text), endingLength = std::strlen(ending);
    return length >= endingLength && std::strcmp(text + length - endingLength, ending) == 0;
}

// Parses a PNG's size: a whole number of pixels from 1 to 4096, or 0 when it is none.
int PictureSize(const char* text)
{
    char* end = nullptr;
    const long size = std::strtol(text, &end, 10);
    return *end == '\0' && size >= 1 && size <= 4096 ? static_cast<int>(size) : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::uint8_t> file;
    if (argc == 2 && EndsWith(argv[1], ".ico")) {
        file = IcoFile();
    } else if ((argc == 3 || (argc == 4 && std::strcmp(argv[3], "full-bleed") == 0)) && EndsWith(argv[1], ".png") &&
               PictureSize(argv[2]) != 0) {
        const int size = PictureSize(argv[2]);
        file = PngFile(size, RgbaRows(size, argc == 4 ? Framing::FullBleed : Framing::RoundedSquare));
    } else {
        std::fprintf(stderr, "usage: make-icon <output.ico>\n       make-icon <output.png> <size> [full-bleed]\n");
        return 2;
    }

    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    if (!out) {
        std::fprintf(stderr, "make-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
