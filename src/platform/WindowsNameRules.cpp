#include "platform/NameRules.h"

// The same rules on both systems: Windows applies them to every name, Linux to names
// on volumes made for Windows.
namespace morvalent::platform {
namespace {

char16_t UpperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 0x20) : c; }

bool EqualsNoCase(std::u16string_view text, std::u16string_view upper) {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (UpperAscii(text[i]) != upper[i]) return false;
    }
    return true;
}

bool IsDeviceName(std::u16string_view name) {
    // CON, NUL, COM1 and the like name devices in every folder, with any extension
    // and with spaces before it ("NUL .txt" is NUL too).
    std::u16string_view stem = name.substr(0, name.find(u'.'));
    while (!stem.empty() && stem.back() == u' ') stem.remove_suffix(1);
    for (std::u16string_view device : {u"CON", u"PRN", u"AUX", u"NUL",
                                       // The console's own two and the old clock device.
                                       u"CONIN$", u"CONOUT$", u"CLOCK$"}) {
        if (EqualsNoCase(stem, device)) return true;
    }
    if (stem.size() != 4) return false;
    // COM0-COM9 and LPT0-LPT9, with the superscript digits 1-3 among them.
    const char16_t digit = stem[3];
    const bool isDigit = (digit >= u'0' && digit <= u'9') || digit == u'\u00B9' ||
                         digit == u'\u00B2' || digit == u'\u00B3';
    const std::u16string_view prefix = stem.substr(0, 3);
    return isDigit && (EqualsNoCase(prefix, u"COM") || EqualsNoCase(prefix, u"LPT"));
}

}  // namespace

bool BreaksWindowsNameRules(std::u16string_view name) {
    if (name.empty() || name == u"." || name == u"..") return true;
    for (char16_t c : name) {
        // ':' would name a stream of another file on NTFS.
        if (c < 0x20 || std::u16string_view(u"<>:\"/\\|?*").find(c) != std::u16string_view::npos) {
            return true;
        }
    }
    if (name.back() == u'.' || name.back() == u' ') return true;
    return IsDeviceName(name);
}

}  // namespace morvalent::platform
