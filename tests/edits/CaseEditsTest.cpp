#include <gtest/gtest.h>

#include "edits/CaseEdits.h"

namespace morvalent::edits {
namespace {

TEST(ChangeCase, Table) {
    struct Case {
        const char* name;
        std::u16string text;
        bool isFolder;
        CaseChange change;
        std::u16string expected;
    };
    const Case cases[] = {
        {"name lower keeps extension", u"My Photo.JPG", false, CaseChange::NameLower,
         u"my photo.JPG"},
        {"name upper keeps extension", u"My Photo.jpg", false, CaseChange::NameUpper,
         u"MY PHOTO.jpg"},
        {"extension lower", u"My Photo.JPG", false, CaseChange::ExtensionLower, u"My Photo.jpg"},
        {"extension upper", u"archive.tar.gz", false, CaseChange::ExtensionUpper,
         u"archive.tar.GZ"},
        {"folder is all name", u"Vol.Two", true, CaseChange::NameUpper, u"VOL.TWO"},
        {"folder has no extension", u"Vol.Two", true, CaseChange::ExtensionLower, u"Vol.Two"},
        {"Hangul and digits untouched", u"사진 Ab 2024.txt", false, CaseChange::NameUpper,
         u"사진 AB 2024.txt"},
        {"emoji kept", u"Party 🎉 Time.png", false, CaseChange::NameLower, u"party 🎉 time.png"},
        {"Greek", u"ΑΘΗΝΑ.txt", false, CaseChange::NameLower, u"αθηνα.txt"},
        {"dotless name", u"README", false, CaseChange::NameLower, u"readme"},
        // C7 D1 B1 DB on disk: the Cyrillic letter is half of two Korean ones.
        {"undecodable bytes: left for the repair", u"\xDCC7\u0471\xDCDB.TXT", false,
         CaseChange::NameUpper, u"\xDCC7\u0471\xDCDB.TXT"},
        {"empty", u"", false, CaseChange::NameUpper, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChangeCase(c.text, c.isFolder, c.change), c.expected);
    }
}

}  // namespace
}  // namespace morvalent::edits
