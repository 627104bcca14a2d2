// Damaged and hostile media files against the metadata readers. Not a benchmark:
// build it with the debug preset (AddressSanitizer and UBSan) and run
// `build/debug/bench/bench_media_fuzz [FILES]`. It writes FILES (default 400)
// files made from small valid MP3s, JPEGs and MP4s by flipping bytes, cutting
// them short, writing huge sizes into them and repeating pieces, reads each with
// every reader, and prints the slowest file. A crash or a sanitizer report ends
// the run; a hang never lets it finish.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/MediaInfo.h"
#include "platform/Text.h"
#include "support/TestJpeg.h"
#include "support/TestMedia.h"

namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;
using morvalent::testing::Id3v2Frame;

struct Sample {
    std::string extension;
    std::string bytes;
};

std::vector<Sample> Samples() {
    using namespace morvalent::testing;
    const std::string utf16 = "\xFF\xFE"s + "A\0\x00\xAC"s;
    return {
        {".mp3", Mp3(Id3v2Frame("TPE1", 0, "\xB0\xA1\xBC\xF6") + Id3v2Frame("TIT2", 1, utf16) +
                         Id3v2Frame("TRCK", 0, "3/9"),
                     "Title", "Artist", 3)},
        {".mp3", Mp3("", "Only v1", "Artist", 1)},
        {".jpg", JpegWithDateTaken("2024:05:17 14:03:09")},
        {".mp4", Mp4WithMovieHeader(3798766989, 600, 6000)},
        {".mov", Mp4WithMovieHeader(3798766989, 1000, 5000, 1)},
    };
}

std::string Damage(std::string bytes, std::mt19937& random) {
    auto at = [&](std::size_t size) {
        return size == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
    };
    const int kind = int(random() % 5);
    if (bytes.empty()) return bytes;
    switch (kind) {
        case 0:  // flipped bytes
            for (int i = 0, n = 1 + int(random() % 16); i < n; ++i)
                bytes[at(bytes.size())] ^= char(random());
            break;
        case 1:  // cut short
            bytes.resize(at(bytes.size()));
            break;
        case 2:  // a huge size or count somewhere
            for (int i = 0, n = 1 + int(random() % 4); i < n; ++i) {
                const std::size_t where = at(bytes.size());
                for (std::size_t k = where; k < std::min(bytes.size(), where + 4); ++k) {
                    bytes[k] = random() % 2 ? '\xFF' : '\x7F';
                }
            }
            break;
        case 3: {  // a piece repeated
            const std::size_t from = at(bytes.size());
            const std::size_t length =
                std::min<std::size_t>(bytes.size() - from, 1 + random() % 64);
            const std::string piece = bytes.substr(from, length);
            for (int i = 0, n = 1 + int(random() % 8); i < n; ++i) bytes.insert(from, piece);
            break;
        }
        default:  // noise after a valid start
            bytes.resize(std::min<std::size_t>(bytes.size(), 12));
            for (int i = 0; i < 200; ++i) bytes.push_back(char(random()));
            break;
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace morvalent;
    const int files = argc > 1 ? std::atoi(argv[1]) : 400;
    const fs::path dir = fs::temp_directory_path() / "morvalent-media-fuzz";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::mt19937 random(20241208);
    const std::vector<Sample> samples = Samples();
    double slowest = 0;
    std::string slowestName;
    int values = 0;
    for (int i = 0; i < files; ++i) {
        const Sample& sample = samples[std::size_t(i) % samples.size()];
        const std::string name = "damaged_" + std::to_string(i) + sample.extension;
        std::ofstream(dir / name, std::ios::binary) << Damage(sample.bytes, random);
        const std::u16string path = platform::Utf8ToUtf16((dir / name).string());
        const auto begin = std::chrono::steady_clock::now();
        const platform::MusicTags music = platform::ReadMusicTags(path);
        const platform::PhotoInfo photo = platform::ReadPhotoInfo(path);
        const platform::VideoInfo video = platform::ReadVideoInfo(path);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        values += bool(music.artist) + bool(music.title) + bool(photo.taken) + bool(video.recorded);
        if (seconds > slowest) {
            slowest = seconds;
            slowestName = name;
        }
    }
    std::printf("%d damaged files read; %d values still found; slowest %s %.1f ms\n", files, values,
                slowestName.c_str(), slowest * 1e3);
    fs::remove_all(dir);
    return 0;
}
