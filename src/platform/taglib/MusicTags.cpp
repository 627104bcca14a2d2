// Music tags through TagLib; built where TagLib is found.
#include <taglib/fileref.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>
#include <taglib/tdebuglistener.h>
#include <taglib/textidentificationframe.h>
#include <taglib/tiostream.h>
#include <taglib/tpropertymap.h>

#include <algorithm>
#include <exception>
#include <limits>
#include <mutex>

#include "platform/MediaInfo.h"
#include "platform/PlainFile.h"
#include "platform/Text.h"
#include "platform/TextFiles.h"

namespace morvalent::platform {
namespace {

// TagLib tells of damaged files on the standard error; the rows without a value
// say enough.
class QuietListener : public TagLib::DebugListener {
  public:
    void printMessage(const TagLib::String&) override {}
};

// The file as TagLib reads it: through the program's own reader (plain files only,
// paths of any form on every system), read-only, and never asked for more bytes
// than the file has, whatever a damaged header claims.
class ReadOnlyStream : public TagLib::IOStream {
  public:
    ReadOnlyStream(std::u16string_view path, std::string name)
        : file_(path), name_(std::move(name)) {}

    TagLib::FileName name() const override { return name_.c_str(); }
    TagLib::ByteVector readBlock(unsigned long length) override {
        const std::uint64_t size = file_.SizeHint();
        if (position_ >= size || length == 0 || !file_.Seek(position_)) return {};
        const auto wanted = std::size_t(std::min<std::uint64_t>(length, size - position_));
        TagLib::ByteVector bytes(static_cast<unsigned int>(wanted), '\0');
        const auto got = file_.Read(bytes.data(), wanted);
        if (!got) return {};
        bytes.resize(static_cast<unsigned int>(*got));
        position_ += *got;
        return bytes;
    }
    void writeBlock(const TagLib::ByteVector&) override {}
    void insert(const TagLib::ByteVector&, unsigned long, unsigned long) override {}
    void removeBlock(unsigned long, unsigned long) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return file_.IsOpen(); }
    void seek(long offset, Position from) override {
        std::int64_t base = 0;
        if (from == Current) base = std::int64_t(position_);
        if (from == End) base = std::int64_t(file_.SizeHint());
        position_ = std::uint64_t(std::max<std::int64_t>(0, base + offset));
    }
    long tell() const override {
        return long(std::min<std::uint64_t>(position_, std::numeric_limits<long>::max()));
    }
    long length() override {
        return long(std::min<std::uint64_t>(file_.SizeHint(), std::numeric_limits<long>::max()));
    }
    void truncate(long) override {}

  private:
    InputFile file_;
    std::string name_;
    std::uint64_t position_ = 0;
};

// TagLib chooses the format by the name's extension: an ASCII name that has it.
std::string NameForTagLib(std::u16string_view path) {
    std::string name = "file.";
    const auto dot = path.find_last_of(u'.');
    if (dot == std::u16string_view::npos) return name;
    for (char16_t c : path.substr(dot + 1)) {
        if (c >= 0x80 || c == u'/' || c == u'\\') return "file.";
        name.push_back(char(c));
    }
    return name;
}

std::u16string FromTagLib(const TagLib::String& text) { return Utf8ToUtf16(text.to8Bit(true)); }

// Whether an MP3's value came from text stored as ISO-8859-1: its ID3v2 frame says
// so, or it has no frame and the value is the ID3v1 tag's, which is Latin-1 always.
bool StoredAsLatin1(TagLib::MPEG::File* mpeg, const char* frameId, const TagLib::String& value) {
    if (mpeg == nullptr) return false;
    if (mpeg->hasID3v2Tag()) {
        const auto& frames = mpeg->ID3v2Tag()->frameListMap()[frameId];
        if (!frames.isEmpty() && !frames.front()->toString().isEmpty()) {
            const auto* text =
                dynamic_cast<TagLib::ID3v2::TextIdentificationFrame*>(frames.front());
            return text != nullptr && text->textEncoding() == TagLib::String::Latin1;
        }
    }
    if (!mpeg->hasID3v1Tag()) return false;
    TagLib::ID3v1::Tag* v1 = mpeg->ID3v1Tag();
    return v1->artist() == value || v1->album() == value || v1->title() == value ||
           v1->genre() == value;
}

std::optional<TagText> Text(const TagLib::String& value, TagLib::MPEG::File* mpeg,
                            const char* frameId) {
    if (value.isEmpty()) return std::nullopt;
    return TagText{FromTagLib(value), StoredAsLatin1(mpeg, frameId, value)};
}

std::optional<unsigned> Positive(unsigned value) {
    if (value == 0) return std::nullopt;
    return value;
}

}  // namespace

bool CanReadMusicTags() { return true; }

MusicTags ReadMusicTags(std::u16string_view path) {
    static QuietListener quiet;
    static std::once_flag once;
    std::call_once(once, [] { TagLib::setDebugListener(&quiet); });
    MusicTags tags;
    if (!IsPlainFile(path)) return tags;
    try {
        ReadOnlyStream stream(path, NameForTagLib(path));
        if (!stream.isOpen()) return tags;
        TagLib::FileRef ref(&stream, false);
        if (ref.isNull() || ref.tag() == nullptr) return tags;
        TagLib::Tag* tag = ref.tag();
        auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(ref.file());
        tags.artist = Text(tag->artist(), mpeg, "TPE1");
        tags.album = Text(tag->album(), mpeg, "TALB");
        tags.title = Text(tag->title(), mpeg, "TIT2");
        tags.genre = Text(tag->genre(), mpeg, "TCON");
        tags.track = Positive(tag->track());
        tags.year = Positive(tag->year());
        const TagLib::StringList disc = ref.file()->properties()["DISCNUMBER"];
        if (!disc.isEmpty()) {
            const std::int32_t number = ParseLeadingInt(FromTagLib(disc.front()));
            if (number > 0) tags.disc = unsigned(number);
        }
    } catch (const std::exception&) {
        // Out of memory on a hostile file: no tags.
        return MusicTags{};
    }
    return tags;
}

}  // namespace morvalent::platform
