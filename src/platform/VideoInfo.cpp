// The recording time and length of MP4, QuickTime and 3GP videos, from the movie
// header; plain code on every system.
#include "platform/FileTime.h"
#include "platform/MediaInfo.h"
#include "platform/Mp4Boxes.h"
#include "platform/PlainFile.h"
#include "platform/TextFiles.h"

namespace morvalent::platform {
namespace {

constexpr std::uint64_t kSecondsFrom1904To1970 = 2'082'844'800;
// 9999-12-31 23:59:59 UTC: the last moment a four-digit year shows.
constexpr std::uint64_t kLastUnixSecond = 253'402'300'799;

}  // namespace

VideoInfo ReadVideoInfo(std::u16string_view path) {
    VideoInfo info;
    if (!IsPlainFile(path)) return info;
    InputFile file(path);
    if (!file.IsOpen()) return info;
    const ReadAt read = [&file](std::uint64_t offset, char* buffer,
                                std::size_t size) -> std::optional<std::size_t> {
        if (!file.Seek(offset)) return std::nullopt;
        return file.Read(buffer, size);
    };
    const auto header = ReadMovieHeader(file.SizeHint(), read);
    if (!header) return info;
    // Cameras without a set clock write 0, and some write Unix seconds, which read
    // as a time before 1970: no time rather than a wrong one.
    if (header->creationTime > kSecondsFrom1904To1970 &&
        header->creationTime - kSecondsFrom1904To1970 <= kLastUnixSecond) {
        const auto unix = std::int64_t(header->creationTime - kSecondsFrom1904To1970);
        info.recorded = LocalTimeOf(FileTimeFromUnix(unix, 0));
    }
    if (header->timescale != 0 && header->duration != 0) {
        const std::uint64_t whole = header->duration / header->timescale;
        const std::uint64_t rest = header->duration % header->timescale;
        info.durationSeconds = whole + (rest >= header->timescale - rest ? 1 : 0);
    }
    return info;
}

}  // namespace morvalent::platform
