// Writes the sample mask: a five-pointed star whose grey value climbs
// clockwise from 10 at the top to 255, on black. Every threshold step of the
// demo (0.025, about 6 grey levels) sweeps another 9 degrees of the star away,
// threshold 0 keeps the whole disc and threshold 1 keeps only a sliver.
//
// Usage: make_sample_mask [output file]   (default: alpha.ppm)

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int size = 256;
constexpr double pi = 3.14159265358979323846;
constexpr int points = 5;
constexpr double outerRadius = 0.95;
constexpr double innerRadius = 0.4;

struct Point {
    double x, y;
};

std::vector<Point> starOutline()
{
    std::vector<Point> outline;
    for (int k = 0; k < 2 * points; ++k) {
        const double angle = pi / 2 + k * pi / points;
        const double radius = k % 2 == 0 ? outerRadius : innerRadius;
        outline.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
    return outline;
}

bool inside(const std::vector<Point>& polygon, Point p)
{
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point a = polygon[i];
        const Point b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            in = !in;
        }
    }
    return in;
}

// The grey value at p inside the star: 10 at twelve o'clock, rising
// clockwise to 255 just before it again.
unsigned char ramp(Point p)
{
    double clockwise = std::atan2(p.x, p.y);
    if (clockwise < 0) {
        clockwise += 2 * pi;
    }
    return static_cast<unsigned char>(std::lround(10 + 245 * clockwise / (2 * pi)));
}

} // namespace

int main(int argc, char** argv)
{
    const char* fileName = argc > 1 ? argv[1] : "alpha.ppm";
    const std::vector<Point> star = starOutline();

    // The demo puts the file's first row at the bottom of the disc, so rows are
    // written from the bottom of the picture up.
    std::vector<unsigned char> pixels;
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            const Point p{(column + 0.5) / size * 2 - 1, (row + 0.5) / size * 2 - 1};
            pixels.push_back(inside(star, p) ? ramp(p) : 0);
        }
    }

    std::FILE* out = std::fopen(fileName, "wb");
    if (!out) {
        std::perror(fileName);
        return 1;
    }
    std::fprintf(out, "P5 sample mask for alpha_test_demo\n%d %d\n255\n", size, size);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return std::fclose(out) == 0 ? 0 : 1;
}
