#include <gtest/gtest.h>

#include "addresses/address_file.h"
#include "addresses/column_roles.h"
#include "addresses/delimited_text.h"
#include "addresses/text_encoding.h"
#include "test_folder.h"

namespace tagmora {
namespace {

// The addresses of a file's text, as the labels would store them.
std::vector<std::string> Addresses(const std::string& bytes) {
    const AddressFile file = ReadAddressBytes(bytes, "list.csv");
    EXPECT_EQ("", file.refusal);
    return ComposeAddresses(file.table, file.plan, 1000).dests;
}

TEST(AddressEncoding, IsFoundFromTheBytesAndEndsInTheCodePage) {
    EXPECT_EQ(TextEncoding::Utf16LittleEndian, DetectTextEncoding("\xFF\xFE"
                                                                  "a\0"));
    EXPECT_EQ(TextEncoding::Utf16BigEndian, DetectTextEncoding("\xFE\xFF\0a"));
    EXPECT_EQ(TextEncoding::Utf8WithMark, DetectTextEncoding("\xEF\xBB\xBF"
                                                             "a"));
    EXPECT_EQ(TextEncoding::Utf8, DetectTextEncoding("M\xC3\xBCller"));
    EXPECT_EQ(TextEncoding::Ansi, DetectTextEncoding("M\xFCller"));
    EXPECT_EQ(TextEncoding::Ansi, DetectTextEncoding("\xED\xA0\x80"));  // a surrogate is no UTF-8
    // "Mü" then U+1F600 as a surrogate pair, then an unpaired surrogate.
    const std::string le("\xFF\xFEM\0\xFC\0\x3D\xD8\x00\xDE\x00\xD8", 12);
    EXPECT_EQ("M\xC3\xBC\xF0\x9F\x98\x80\xEF\xBF\xBD", DecodeToUtf8(le, TextEncoding::Utf16LittleEndian));
    EXPECT_EQ("M\xC3\xBC", DecodeToUtf8(std::string("\xFE\xFF\0M\0\xFC", 6), TextEncoding::Utf16BigEndian));

    std::string dest;
    EXPECT_TRUE(ToStoredDest("M\xC3\xBCller & S\xC3\xB6hne \xE2\x82\xAC", dest));
    EXPECT_EQ("M\xFCller && S\xF6hne \x80", dest);
    EXPECT_FALSE(
        ToStoredDest("\xC5\x81\xC3\xB3"
                     "d\xC5\xBA",
                     dest));  // Łódź: Ł and ź are not in 1252
    EXPECT_EQ(
        "?\xF3"
        "d?",
        dest);
    EXPECT_EQ((std::vector<std::string>{"Stra\xDF"
                                        "e 1"}),
              Addresses("Stra\xDF"
                        "e 1\n"));
}

TEST(DelimitedText, FindsTheSeparatorAndReadsQuotesAndEveryLineEnd) {
    EXPECT_EQ(';', DetectSeparator("Name;City\r\n\"Smith, J\";Rome\r\n\r\nKay;Oslo"));
    EXPECT_EQ(',', DetectSeparator("a,b,c\n\"x;y\",2,3\n"));
    EXPECT_EQ('\t', DetectSeparator("a\tb,c\nd\te,f\n"));
    EXPECT_EQ('\0', DetectSeparator("one\ntwo\n"));

    const DelimitedResult read =
        ReadDelimitedText("a,\"b \"\"q\"\", c\",\r\n\"two\nlines\" x,y\rlast,\"\"", ',');
    ASSERT_EQ(0u, read.unterminatedQuoteLine);
    ASSERT_EQ(3u, read.table.RecordCount());
    EXPECT_EQ(3u, read.table.FieldCount(0));
    EXPECT_EQ("b \"q\", c", read.table.Field(0, 1));
    EXPECT_EQ("", read.table.Field(0, 2));
    EXPECT_EQ("two\nlines x", read.table.Field(1, 0));
    EXPECT_EQ(4u, read.table.Line(2));  // the quoted line break counts as a line of the file
    EXPECT_EQ("", read.table.Field(2, 1));
    EXPECT_EQ(3u, ReadDelimitedText("a\nb\n\"c\nd", ',').unterminatedQuoteLine);

    const AddressFile open = ReadAddressBytes("Name,City\nA,B\n\"C,D\n", "open.csv");
    EXPECT_NE(std::string::npos, open.refusal.find("line 3")) << open.refusal;
}

TEST(AddressColumns, RecogniseTheExportsNamesInThreeLanguages) {
    struct Case {
        const char* name;
        ColumnRole role;
        const char* group;
    };
    const Case cases[] = {
        {"First Name", ColumnRole::FirstName, ""},
        {"Business Street 2", ColumnRole::AddressLine2, "business"},
        {"Home Postal Code", ColumnRole::Postcode, "home"},
        {"Business Country/Region", ColumnRole::Country, "business"},
        {"Address 1 - Street", ColumnRole::Street, "address1"},
        {"Address 2 - Region", ColumnRole::State, "address2"},
        {"Address 1", ColumnRole::AddressLine1, ""},
        {"Organization Name", ColumnRole::Company, ""},
        {"Stra\xC3\x9F"
         "e gesch\xC3\xA4"
         "ftlich",
         ColumnRole::Street, "geschaftlich"},
        {"PLZ", ColumnRole::Postcode, ""},
        {"Weitere Vornamen", ColumnRole::MiddleName, ""},
        {"Bundesland/Kanton privat", ColumnRole::State, "privat"},
        {"Pr\xC3\xA9nom", ColumnRole::FirstName, ""},
        {"SOCI\xC3\x89T\xC3\x89", ColumnRole::Company, ""},
        {"Code postal (bureau)", ColumnRole::Postcode, "bureau"},
        {"E-mail Address", ColumnRole::None, ""},
        {"Business Phone", ColumnRole::None, ""},
        {"Address 1 - Formatted", ColumnRole::None, ""},
    };
    for (const Case& c : cases) {
        const ColumnMeaning meaning = RecogniseColumn(c.name);
        EXPECT_EQ(c.role, meaning.role) << c.name;
        EXPECT_EQ(c.group, meaning.group) << c.name;
    }
}

TEST(AddressComposing, FollowsTheHeadersOrderAndLeavesNoEmptyLine) {
    EXPECT_EQ(
        (std::vector<std::string>{
            "Dr. Ann B. Lee Jr.\r\nA&&B Ltd\r\nSales\r\n1 Main St\r\nSuite 4\r\nBoston, MA 02110\r\nUSA",
            "Jo Kay\r\n12345 Berlin", "Solo GmbH\r\nHof 2\r\nBack house\r\n8000 Z\xFCrich"}),
        Addresses("Country;Zip;City;State;Street;Address 2;Department;Company;Suffix;Last Name;"
                  "Middle Name;First Name;Title;Phone\n"
                  "USA;02110;Boston;MA;1 Main St;Suite 4;Sales;A&B Ltd;Jr.;Lee;B.;Ann;Dr.;555\n"
                  " ; 12345 ;  Berlin ;;;;;;; Kay ;;Jo;;\n"
                  ";;;;;;;;;;;;;555\n"
                  ";8000;Z\xC3\xBCrich;;\"Hof 2\r\n\r\n  Back house \";;;Solo GmbH;;;;;;\n"));
    // Outlook: the first of the business and home addresses that holds text; a name column when no part.
    EXPECT_EQ((std::vector<std::string>{"Ann Lee\r\nHome 5\r\n99 Town", "Firm\r\nWork 1\r\n11 City"}),
              Addresses("Name,First Name,Last Name,Business Street,Business City,Business Postal Code,"
                        "Home Street,Home City,Home Postal Code\n"
                        "X,Ann,Lee,,,,Home 5,Town,99\nFirm,,,Work 1,City,11,Home 9,Village,22\n"));
    // No header: every field in column order.
    EXPECT_EQ((std::vector<std::string>{"Kay\r\nOslo", "Lee\r\n1 Rd\r\nRome"}),
              Addresses("Kay,,Oslo\r\n\r\n,,\r\nLee,1 Rd,Rome"));
}

TEST(AddressComposing, ReadsVCardsOfEachVersion) {
    EXPECT_EQ(
        (std::vector<std::string>{
            "Jos\xE9 Ruiz\r\nACME\r\nLab\r\nCalle 1\r\nFloor 2\r\n28001 Madrid\r\nSpain",
            "Ann Lee\r\nPO 7\r\nBoston, MA 02110", "M\xFCller"}),
        Addresses("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Ruiz;Jos=C3=\r\n"
                  "=A9\r\nORG:ACME;Lab\r\nADR;HOME:;Floor 2;Calle 1;Madrid;;28001;Spain\r\n"
                  "ADR;WORK:;;Other 9;Sevilla;;;\r\nEND:VCARD\r\n"
                  "begin:vcard\nVERSION:3.0\nFN:Ann Lee\nitem1.ADR;TYPE=WORK:;;PO 7;Boston;MA;021\n 10;\n"
                  "END:VCARD\nBEGIN:VCARD\nVERSION:4.0\nFN:M\xC3\xBC\n\tller\nEND:VCARD\n"));
}

TEST(AddressFileRefusals, NameTheCauseAndTheLabelsFillInSlotOrder) {
    testing::TestFolder folder;
    EXPECT_NE(std::string::npos, ReadAddressBytes("", "e.csv").refusal.find("holds no addresses"));
    EXPECT_NE(std::string::npos, ReadAddressBytes(",,\n , \n", "e.csv").refusal.find("holds no addresses"));
    EXPECT_NE(std::string::npos,
              ReadAddressBytes(std::string("GIF89a\0\x01\x02", 9), "p.csv").refusal.find("not a list"));
    EXPECT_NE("", ReadAddressFile(folder.File("missing.csv")).refusal);
    EXPECT_TRUE(IsAddressListPath("C:\\A.CSV") && IsAddressListPath("x.tab") && IsAddressListPath("p.vcf"));
    EXPECT_FALSE(IsAddressListPath("x.tgm") || IsAddressListPath("csv"));

    LabelSheet sheet;
    sheet.MutableSettings().COLS = 2;
    sheet.MutableSettings().ROWS = 2;
    sheet.SetAllEnabled(false);
    sheet.Slot(1).enabled = sheet.Slot(3).enabled = sheet.Slot(5).enabled = true;
    EXPECT_EQ(2u, FillEnabledLabels(sheet, {"a", "b", "c"}));
    EXPECT_EQ("a", sheet.Slot(1).DEST);
    EXPECT_EQ("b", sheet.Slot(3).DEST);
    EXPECT_EQ(kDefaultDest, sheet.Slot(5).DEST);  // not shown
}

}  // namespace
}  // namespace tagmora
