// Address lists through the real program: files of the kinds spreadsheets, mail programs and phones
// export, given on the command line and once chosen with the Addresses button and filled from the import
// preview; every address is read back from "wm.dat" after the program has closed.
#include <gtest/gtest.h>

#include "acceptance_fixture.h"
#include "model/sheet_persistence.h"
#include "real_input.h"
#include "res/resource_ids.h"
#include "screen_capture.h"

namespace tagmora::acceptance {
namespace {

using namespace std::chrono_literals;
using testing::TestFolder;

constexpr const char* kUntouched = "-";

std::string Utf16LittleEndian(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(
        CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], static_cast<int>(wide.size()))));
    std::string bytes = "\xFF\xFE";
    for (const wchar_t c : wide) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes;
}

// A header and records of named values, as an export writes them: every column, most of them empty.
std::string Export(const std::vector<std::string>& header,
                   const std::vector<std::vector<std::pair<std::string, std::string>>>& records) {
    auto quoted = [](const std::string& v) {
        return v.find_first_of(",\"\r\n") == std::string::npos ? v : "\"" + v + "\"";
    };
    std::string text;
    for (std::size_t c = 0; c < header.size(); ++c)
        text += (c ? "," : "") + quoted(header[c]);
    for (const auto& record : records) {
        text += "\r\n";
        for (std::size_t c = 0; c < header.size(); ++c) {
            std::string value;
            for (const auto& [name, v] : record)
                value = name == header[c] ? v : value;
            text += (c ? "," : "") + quoted(value);
        }
    }
    return text + "\r\n";
}

const std::vector<std::string> kOutlookHeader = {"Title",
                                                 "First Name",
                                                 "Middle Name",
                                                 "Last Name",
                                                 "Suffix",
                                                 "Company",
                                                 "Department",
                                                 "Job Title",
                                                 "Business Street",
                                                 "Business Street 2",
                                                 "Business Street 3",
                                                 "Business City",
                                                 "Business State",
                                                 "Business Postal Code",
                                                 "Business Country/Region",
                                                 "Home Street",
                                                 "Home Street 2",
                                                 "Home Street 3",
                                                 "Home City",
                                                 "Home State",
                                                 "Home Postal Code",
                                                 "Home Country/Region",
                                                 "Other Street",
                                                 "Other City",
                                                 "Other State",
                                                 "Other Postal Code",
                                                 "Other Country/Region",
                                                 "Assistant's Phone",
                                                 "Business Fax",
                                                 "Business Phone",
                                                 "Company Main Phone",
                                                 "Home Phone",
                                                 "Mobile Phone",
                                                 "Account",
                                                 "Assistant's Name",
                                                 "Birthday",
                                                 "Business Address PO Box",
                                                 "Categories",
                                                 "E-mail Address",
                                                 "E-mail Type",
                                                 "E-mail Display Name",
                                                 "Home Address PO Box",
                                                 "Initials",
                                                 "Manager's Name",
                                                 "Notes",
                                                 "Office Location",
                                                 "Private",
                                                 "Profession",
                                                 "Spouse",
                                                 "User 1",
                                                 "Web Page"};

const std::vector<std::string> kGoogleHeader = {"Name",
                                                "Given Name",
                                                "Additional Name",
                                                "Family Name",
                                                "Yomi Name",
                                                "Name Prefix",
                                                "Name Suffix",
                                                "Initials",
                                                "Nickname",
                                                "Birthday",
                                                "Gender",
                                                "Location",
                                                "Occupation",
                                                "Notes",
                                                "Group Membership",
                                                "E-mail 1 - Type",
                                                "E-mail 1 - Value",
                                                "Phone 1 - Type",
                                                "Phone 1 - Value",
                                                "Address 1 - Type",
                                                "Address 1 - Formatted",
                                                "Address 1 - Street",
                                                "Address 1 - City",
                                                "Address 1 - PO Box",
                                                "Address 1 - Region",
                                                "Address 1 - Postal Code",
                                                "Address 1 - Country",
                                                "Address 1 - Extended Address",
                                                "Organization 1 - Type",
                                                "Organization 1 - Name",
                                                "Organization 1 - Title",
                                                "Organization 1 - Department"};

struct ListFile {
    const char* name;
    std::string bytes;
    std::vector<std::string> expected;  // as the labels store them
};

std::vector<ListFile> Corpus() {
    return {
        {"excel-utf8.csv",
         "\xEF\xBB\xBFName;Firma;Stra\xC3\x9F"
         "e;PLZ;Ort\r\n"
         "J\xC3\xB6rg M\xC3\xBCller;\"M\xC3\xBCller & S\xC3\xB6hne; GmbH\";\"Hauptstra\xC3\x9F"
         "e 1\r\nHinterhaus\";"
         "10115;Berlin\r\n;;;;\r\n\r\n\"Anna \"\"Nan\"\" Berg\";;  Ring 2 ;20095;Hamburg",
         {"J\xF6rg M\xFCller\r\nM\xFCller && S\xF6hne; GmbH\r\nHauptstra\xDF"
          "e 1\r\nHinterhaus\r\n10115 Berlin",
          "Anna \"Nan\" Berg\r\nRing 2\r\n20095 Hamburg"}},
        {"excel-ansi.csv",
         "Vorname;Nachname;Stra\xDF"
         "e;PLZ;Ort\r\nRen\xE9;Gr\xF6\xDF"
         "e;\xC4u\xDF"
         "ere Str. 5;80331;M\xFCnchen\r\n",
         {"Ren\xE9 Gr\xF6\xDF"
          "e\r\n\xC4u\xDF"
          "ere Str. 5\r\n80331 M\xFCnchen"}},
        {"unicode.tsv",
         Utf16LittleEndian("First Name\tLast Name\tCompany\tAddress 1\tCity\tState\tZIP\r\n"
                           "Ann\tLee\tA&B\t1 Main St\tBoston\tMA\t02110\r\n"
                           "\xC5\x81ukasz\tNowak\t\tul. D\xC5\x82uga 3\tGda\xC5\x84sk\t\t80-001\r\n"),
         {"Ann Lee\r\nA&&B\r\n1 Main St\r\nBoston, MA 02110",
          "?ukasz Nowak\r\nul. D?uga 3\r\n80-001 Gda?sk"}},
        {"google.csv",
         Export(kGoogleHeader, {{{"Name", "Marie Curie"},
                                 {"Given Name", "Marie"},
                                 {"Family Name", "Curie"},
                                 {"Name Prefix", "Mme"},
                                 {"Group Membership", "* myContacts"},
                                 {"Phone 1 - Value", "+33 1"},
                                 {"Address 1 - Formatted", "1 Rue Pierre\nParis"},
                                 {"Address 1 - Street", "1 Rue Pierre"},
                                 {"Address 1 - City", "Paris"},
                                 {"Address 1 - Postal Code", "75005"},
                                 {"Address 1 - Country", "France"},
                                 {"Address 1 - Extended Address", "B\xC3\xA2t. B"},
                                 {"Organization 1 - Name", "Institut"},
                                 {"Organization 1 - Department", "Physique"}},
                                {{"Name", "Bob"}, {"E-mail 1 - Value", "bob@example.org"}}}),
         {"Mme Marie Curie\r\nInstitut\r\nPhysique\r\n1 Rue Pierre\r\nB\xE2t. B\r\n75005 Paris\r\nFrance",
          "Bob"}},
        {"plain.csv",
         "Kay Oslo,Storgata 1,0155 Oslo\r\"Lee, Ann\",\"12 \"\"Old\"\" Rd\",Rome\n,,\r\nBo,,Lund",
         {"Kay Oslo\r\nStorgata 1\r\n0155 Oslo", "Lee, Ann\r\n12 \"Old\" Rd\r\nRome", "Bo\r\nLund"}},
        {"phone.vcf",
         "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jane;;;\r\nFN:Jane Doe\r\nORG:Example "
         "Inc.;\r\nTEL;TYPE=CELL:+1 555\r\n"
         "ADR;TYPE=HOME:;;42 Elm St\\nApt 5;Springfield;IL;62701;USA\r\nEND:VCARD\r\n"
         "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Zo\xC3\xAB Smith\r\nEND:VCARD\r\n",
         {"Jane Doe\r\nExample Inc.\r\n42 Elm St\r\nApt 5\r\nSpringfield, IL 62701\r\nUSA", "Zo\xEB Smith"}},
        {"folded.vcf",
         "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Dr. Maximilian\r\n  von Lange\r\nORG:Lange & Partner\r\n"
         "ADR;TYPE=work:;;Lange Stra\xC3\x9F"
         "e 100\\, Hof;Fra\r\n nkfurt am Main;;60311;Deutschl\r\n and\r\nEND:VCARD\r\n",
         {"Dr. Maximilian von Lange\r\nLange && Partner\r\nLange Stra\xDF"
          "e 100, Hof\r\n60311 Frankfurt am Main\r\n"
          "Deutschland"}},
    };
}

class AddressImportTest : public AcceptanceTest {
  protected:
    // 32 enabled labels, none of which holds an address yet.
    LabelSheet EmptySheet() {
        LabelSheet sheet;
        sheet.MutableSettings().COLS = 4;
        sheet.MutableSettings().ROWS = 8;
        sheet.SetAllEnabled(true);
        sheet.SetAllDest(kUntouched);
        return sheet;
    }
    void ExpectLabels(const std::vector<std::string>& expected, const std::string& what) {
        const LabelSheet saved = SheetIn(StateFile());
        for (std::size_t i = 0; i <= expected.size(); ++i)
            EXPECT_EQ(i < expected.size() ? expected[i] : kUntouched, saved.Slot(static_cast<int>(i)).DEST)
                << what << ", label " << i;
    }
    // The messages of the run, each answered with Return, until the program has closed after Escape.
    std::string CloseAnswering(ProgramSession& session) {
        std::string said;
        const auto answer = [&] {
            HWND box = session.FindOtherDialog();
            if (box && Activate(box)) {
                said += MessageBoxText(box);
                PressKey(VK_RETURN);
                WaitUntil([box] { return !IsWindow(box); }, 5s);
            }
            return !session.Running();
        };
        answer();
        EXPECT_TRUE(Activate(session.MainWindow()));
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitUntil(answer, 15s)) << "the program did not close";
        return said;
    }
};

TEST_F(AddressImportTest, EveryListOnTheCommandLineFillsTheEnabledLabelsExactly) {
    const std::vector<ListFile> corpus = Corpus();
    ASSERT_TRUE(SaveSheetToPath(EmptySheet(), folder.File("empty.tgm")));
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        TestFolder::WriteBytes(folder.File(corpus[i].name), corpus[i].bytes);
        // The first list comes after a setup file; the others fill the sheet the program starts with.
        ASSERT_TRUE(SaveSheetToPath(i == 0 ? LabelSheet() : EmptySheet(), StateFile()));
        const std::string list = "\"" + folder.File(corpus[i].name) + "\"";
        auto session = Start(true, i == 0 ? "\"" + folder.File("empty.tgm") + "\" " + list : list);
        ASSERT_TRUE(session->Started());
        EXPECT_EQ("", CloseAnswering(*session)) << corpus[i].name;
        ExpectLabels(corpus[i].expected, corpus[i].name);
    }
    // A refused list says why and where, and leaves the sheet as it was.
    TestFolder::WriteBytes(folder.File("open.csv"), "Name,City\r\nAnn,Rome\r\n\"Bo,Oslo\r\n");
    ASSERT_TRUE(SaveSheetToPath(EmptySheet(), StateFile()));
    auto session = Start(true, folder.File("open.csv"));
    EXPECT_NE(std::string::npos, CloseAnswering(*session).find("quotation mark on line 3"));
    ExpectLabels({}, "open.csv");
}

TEST_F(AddressImportTest, TheAddressesButtonShowsThePreviewAndFillTheLabelsWritesThem) {
    const std::vector<std::string> expected = {
        "Mr. John Q. Public Jr.\r\nContoso && Co\r\nSales\r\n1 Microsoft Way\r\nBuilding 9\r\n"
        "Redmond, WA 98052\r\nUnited States of America",
        "Erika Mustermann\r\nHeidestra\xDF"
        "e 17\r\n51147 K\xF6ln\r\nDeutschland"};
    TestFolder::WriteBytes(folder.File("outlook.csv"),
                           Export(kOutlookHeader, {{{"Title", "Mr."},
                                                    {"First Name", "John"},
                                                    {"Middle Name", "Q."},
                                                    {"Last Name", "Public"},
                                                    {"Suffix", "Jr."},
                                                    {"Company", "Contoso & Co"},
                                                    {"Department", "Sales"},
                                                    {"Job Title", "Buyer"},
                                                    {"Business Street", "1 Microsoft Way"},
                                                    {"Business Street 2", "Building 9"},
                                                    {"Business City", "Redmond"},
                                                    {"Business State", "WA"},
                                                    {"Business Postal Code", "98052"},
                                                    {"Business Country/Region", "United States of America"},
                                                    {"Home Street", "9 Lake Rd"},
                                                    {"Home City", "Kirkland"},
                                                    {"Business Phone", "+1 425"},
                                                    {"E-mail Address", "jq@example.com"},
                                                    {"Notes", "Met at the fair,\nlikes tea"},
                                                    {"Private", "False"}},
                                                   {{"First Name", "Erika"},
                                                    {"Last Name", "Mustermann"},
                                                    {"Home Street",
                                                     "Heidestra\xC3\x9F"
                                                     "e 17"},
                                                    {"Home City", "K\xC3\xB6ln"},
                                                    {"Home Postal Code", "51147"},
                                                    {"Home Country/Region", "Deutschland"},
                                                    {"Mobile Phone", "+49 170"},
                                                    {"Private", "False"}}}));
    ASSERT_TRUE(SaveSheetToPath(EmptySheet(), StateFile()));
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    Click(ControlCentre(session->MainWindow(), IDC_ADDRESSES));
    HWND chooser = WaitForWindow(*session, "Open", 10s);
    ASSERT_NE(nullptr, chooser) << "the Addresses button opened no file chooser";
    Sleep(500);
    TypeText(folder.File("outlook.csv") + "\n");
    HWND preview = WaitForWindow(*session, "Addresses from a file", 10s);
    ASSERT_NE(nullptr, preview) << "choosing the list showed no preview";
    const std::string summary = WindowText(GetDlgItem(preview, IDC_IMPORT_SUMMARY));
    EXPECT_NE(std::string::npos, summary.find("separator: comma")) << summary;
    EXPECT_NE(std::string::npos, summary.find("2 addresses for 32 enabled labels")) << summary;
    EXPECT_NE(std::string::npos,
              WindowText(GetDlgItem(preview, IDC_IMPORT_ADDRESSES)).find("Contoso & Co\r\nSales"));
    Sleep(300);
    RECT frame{};
    GetWindowRect(preview, &frame);
    EXPECT_TRUE(ScreenCapture(frame).SavePng(ScreenshotPath("address_import_preview.png")));
    Click(ControlCentre(preview, IDC_IMPORT_FILL));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(preview); }, 5s))
        << "Fill the labels did not close the preview";
    EXPECT_EQ("", CloseAnswering(*session));
    ExpectLabels(expected, "outlook.csv");
}

}  // namespace
}  // namespace tagmora::acceptance
