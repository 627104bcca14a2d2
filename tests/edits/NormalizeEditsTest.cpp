#include <gtest/gtest.h>

#include "edits/NormalizeEdits.h"

namespace morvalent::edits {
namespace {

using platform::NormalForm;

TEST(NormalizeName, Table) {
    struct Case {
        const char* name;
        std::u16string text;
        NormalForm form;
        std::u16string expected;
    };
    const Case cases[] = {
        {"jamo from macOS composed", u"\u1112\u1161\u11AB\u1100\u1173\u11AF.docx", NormalForm::Nfc,
         u"한글.docx"},
        {"composed Hangul decomposed", u"한글.docx", NormalForm::Nfd,
         u"\u1112\u1161\u11AB\u1100\u1173\u11AF.docx"},
        {"composed stays", u"한글.docx", NormalForm::Nfc, u"한글.docx"},
        {"accent composed", u"Cafe\u0301.txt", NormalForm::Nfc, u"Café.txt"},
        {"full width to half width", u"ＡＢＣ１２３.txt", NormalForm::Nfkc, u"ABC123.txt"},
        {"compatibility jamo kept by NFC", u"ㅎㅏㄴ.txt", NormalForm::Nfc, u"ㅎㅏㄴ.txt"},
        {"undecodable bytes: left for the repair", u"\xDCC7\u1112\u1161\u11AB\xDCDB.txt",
         NormalForm::Nfc, u"\xDCC7\u1112\u1161\u11AB\xDCDB.txt"},
        {"emoji pair is no stray half", u"\U0001F389\u1112\u1161.png", NormalForm::Nfc,
         u"\U0001F389하.png"},
        {"emoji", u"🎉.png", NormalForm::Nfkc, u"🎉.png"},
        {"empty", u"", NormalForm::Nfc, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NormalizeName(c.text, c.form), c.expected);
    }
}

}  // namespace
}  // namespace morvalent::edits
