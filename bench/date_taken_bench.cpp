// Reading the date taken of 10,000 JPEG files (each with an Exif block and 16 KB
// of image data) through ReadDateTaken, beside `exiftool -fast2 -DateTimeOriginal`
// over the same files, both measured in this run as wall time (the tool is a
// process of its own). The files are read once first so both find them cached.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/PhotoDate.h"
#include "platform/Text.h"

namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

std::string Jpeg(unsigned index) {
    char date[32];
    std::snprintf(date, sizeof date, "2024:%02u:%02u %02u:%02u:%02u", 1 + index % 12,
                  1 + index % 28, index % 24, index % 60, (index / 60) % 60);
    const std::string tiff =
        "II*\0\x08\0\0\0\x01\0\x69\x87\x04\0\x01\0\0\0\x1A\0\0\0\0\0\0\0"s
        "\x01\0\x03\x90\x02\0\x14\0\0\0\x2C\0\0\0\0\0\0\0"s +
        std::string(date, 19) + "\0"s;
    const std::string exif = "Exif\0\0"s + tiff;
    const std::size_t length = exif.size() + 2;
    // A start-of-scan marker, then bytes that stand for the picture.
    const std::string scan = "\xFF\xDA\0\x08\x01\x01\0\0\x3F\0"s + std::string(16384, '\x55');
    return "\xFF\xD8\xFF\xE1"s + char(length >> 8) + char(length & 0xFF) + exif + scan +
           "\xFF\xD9"s;
}

double WallSeconds(auto work) {
    const auto begin = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace morvalent;
    const int files = argc > 1 ? std::atoi(argv[1]) : 10000;
    if (!platform::CanReadDateTaken()) {
        std::printf("this build reads no photo dates\n");
        return 1;
    }
    const fs::path dir = fs::temp_directory_path() / "morvalent-date-bench";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::vector<std::u16string> paths;
    for (unsigned i = 0; i < unsigned(files); ++i) {
        const fs::path path = dir / ("IMG_" + std::to_string(i) + ".jpg");
        std::ofstream(path, std::ios::binary) << Jpeg(i);
        paths.push_back(platform::Utf8ToUtf16(path.string()));
    }
    const std::string tool =
        "exiftool -q -fast2 -DateTimeOriginal -s3 '" + dir.string() + "' > /dev/null";
    if (std::system(("cat '" + dir.string() + "'/* > /dev/null").c_str()) != 0) return 1;

    std::printf("%d JPEG files; wall time, 3 rounds in turns, best of each\n", files);
    double ours = 1e9;
    double theirs = 1e9;
    int found = 0;
    for (int round = 0; round < 3; ++round) {
        theirs = std::min(theirs, WallSeconds([&] {
                              if (std::system(tool.c_str()) != 0) std::printf("exiftool failed\n");
                          }));
        ours = std::min(ours, WallSeconds([&] {
                            found = 0;
                            for (const auto& path : paths)
                                found += bool(platform::ReadDateTaken(path));
                        }));
    }
    std::printf(
        "ReadDateTaken %8.1f ms (%d dates)   exiftool -fast2 %8.1f ms   ratio %.2fx "
        "(goal: within 0.5x)\n",
        ours * 1e3, found, theirs * 1e3, ours / theirs);
    fs::remove_all(dir);
    return 0;
}
