#include "model/setup_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/working_folder.h"

namespace tagmora {
namespace {

class SetupFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previousFolder_ = WorkingFolder();
        SetWorkingFolder("C:\\Labels\\");
    }
    void TearDown() override { SetWorkingFolder(previousFolder_); }

  private:
    std::string previousFolder_;
};

const std::string kDefaultDestText =
    "Left click this label\r\nto enable/disable it.\r\n\r\nRight click this label\r\nto change the address.";

TEST_F(SetupFileTest, DefaultSheetIsWrittenByteForByte) {
    std::string expected =
        "[TAGMORA PRO SETUP FILE]\r\n"
        "YFLP=0\nBDON=1\nSDON1=1\nSDON2=1\nLGON=1\nDLGM=0\nDLGX=-1\nDLGY=-1\nWMM=210\nHMM=297\nCOLS=2\nROWS="
        "4\n"
        "COLSPC=2\nROWSPC=0\nTOPMRG=12\nLFTMRG=1\nRGTMRG=4\nBOTMRG=0\n"
        "<FONT>Tahoma</FONT>\n";
    for (int i = 0; i < 8; ++i) {
        expected +=
            "<DEST" + std::to_string(i) + ">" + kDefaultDestText + "</DEST" + std::to_string(i) + ">\n";
    }
    expected +=
        "<COLDIV>00000000</COLDIV>\n<COLD>00000000</COLD>\n<COLS1>00000000</COLS1>\n<COLS2>00000000</COLS2>\n"
        "<SEND1>Sender\xBB</SEND1>\n"
        "<SEND2>senders address\r\npress setup to\r\nchange this</SEND2>\n"
        "<LOGO>{{WKDIR}}\\GFX\\Ostrel.bmp</LOGO>\n"
        "<ONOF>1001" +
        std::string(124, '0') + "</ONOF>\n";

    const LabelSheet sheet;
    EXPECT_EQ(expected, WriteSetupFile(sheet));
}

LabelSheet RichSheet() {
    LabelSheet sheet;
    SheetSettings& s = sheet.MutableSettings();
    s.SDON1 = false;
    s.SDON2 = true;
    s.LGON = false;
    s.BDON = false;
    s.YFLP = true;
    s.WMM = 216;
    s.HMM = 356;
    s.COLS = 8;
    s.ROWS = 16;
    s.COLSPC = 100;
    s.ROWSPC = 3;
    s.LFTMRG = 0;
    s.RGTMRG = 7;
    s.TOPMRG = 99;
    s.BOTMRG = 5;
    s.DLGX = -32000;
    s.DLGY = 1234;
    s.DLGM = true;
    s.COLD = 0x000000FF;
    s.COLS1 = 0x00ABCDEF;
    s.COLS2 = 0x00FFFFFF;
    s.COLDIV = 0x00102030;
    s.LOGO = "C:\\Labels\\Art\\logo.bmp";
    s.SEND1 = "Smith && Sons\r\n1 High St\r\n";  // the trailing line break of a sender text survives
    s.SEND2 = "  two\r\n  lines";
    s.FONT = "Times New Roman";
    for (int i = 0; i < kSlotCount; ++i) {
        sheet.Slot(i).enabled = (i * 7) % 3 == 0;
        sheet.Slot(i).DEST = "Slot " + std::to_string(i) + "\r\nSome Road, Town\r\nAB" + std::to_string(i);
    }
    return sheet;
}

TEST_F(SetupFileTest, AWrittenSheetReadsBackEqual) {
    const LabelSheet original = RichSheet();
    const std::string text = WriteSetupFile(original);
    EXPECT_NE(std::string::npos, text.find("<LOGO>{{WKDIR}}Art\\logo.bmp</LOGO>"));

    LabelSheet read;
    ReadSetupFile(text, read);
    EXPECT_EQ(original.Settings(), read.Settings());
    for (int i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(original.Slot(i), read.Slot(i)) << "slot " << i;
    }
    EXPECT_EQ(text, WriteSetupFile(read));
}

TEST_F(SetupFileTest, LogoFollowsAMovedProgramFolder) {
    LabelSheet sheet = RichSheet();
    const std::string text = WriteSetupFile(sheet);
    SetWorkingFolder("D:\\Moved\\");
    LabelSheet read;
    ReadSetupFile(text, read);
    EXPECT_EQ("D:\\Moved\\Art\\logo.bmp", read.Settings().LOGO);
}

TEST_F(SetupFileTest, MissingKeysAndSectionsFallBack) {
    LabelSheet sheet = RichSheet();
    ReadSetupFile("something else entirely", sheet);
    const SheetSettings& s = sheet.Settings();
    const SheetSettings defaults;
    EXPECT_TRUE(s.BDON && s.SDON1 && s.SDON2 && s.LGON);
    EXPECT_FALSE(s.YFLP || s.DLGM);
    EXPECT_EQ(defaults.WMM, s.WMM);
    EXPECT_EQ(defaults.HMM, s.HMM);
    EXPECT_EQ(2, s.COLS);
    EXPECT_EQ(4, s.ROWS);
    EXPECT_EQ(-1, s.DLGX);
    EXPECT_EQ(12, s.TOPMRG);
    EXPECT_EQ(0u, s.COLD);
    EXPECT_EQ("", s.SEND1);
    EXPECT_EQ("", s.SEND2);
    EXPECT_EQ("", s.LOGO);
    EXPECT_EQ("", s.FONT);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ("", sheet.Slot(i).DEST);
    for (int i = 8; i < kSlotCount; ++i)
        EXPECT_EQ(kDefaultDestText, sheet.Slot(i).DEST);
    for (int i = 0; i < kSlotCount; ++i)
        EXPECT_FALSE(sheet.Slot(i).enabled);
}

TEST_F(SetupFileTest, KeysAreReadTheWayHandEditedFilesNeed) {
    LabelSheet sheet;
    // A comma ends a value; CR LF line ends read the same; the header is ignored.
    ReadSetupFile("COLS=3,ROWS=5\r\nCOLSPC=9\r\nBDON=0\r\n", sheet);
    EXPECT_EQ(3, sheet.Settings().COLS);
    EXPECT_EQ(5, sheet.Settings().ROWS);
    EXPECT_EQ(9, sheet.Settings().COLSPC);
    EXPECT_FALSE(sheet.Settings().BDON);

    // A flag line followed much later by an address holding a comma still reads its leading number.
    ReadSetupFile("BDON=1\nLGON=0\n<DEST0>Road, Town</DEST0>\n", sheet);
    EXPECT_TRUE(sheet.Settings().BDON);
    EXPECT_FALSE(sheet.Settings().LGON);
    EXPECT_EQ("Road, Town", sheet.Slot(0).DEST);
}

TEST_F(SetupFileTest, SectionsTrimDestLogoAndFontButNotSenderTexts) {
    LabelSheet sheet;
    ReadSetupFile(
        "<DEST1>\r\n  Line one\r\nLine two\r\n\r\n</DEST1><DEST10>ten</DEST10>"
        "<SEND1>Sender\r\n\r\n</SEND1><FONT> Arial \t</FONT><LOGO>\r\nC:\\x.bmp </LOGO>",
        sheet);
    EXPECT_EQ("Line one\r\nLine two", sheet.Slot(1).DEST);
    EXPECT_EQ("Sender\r\n\r\n", sheet.Settings().SEND1);
    EXPECT_EQ("Arial", sheet.Settings().FONT);
    EXPECT_EQ("C:\\x.bmp", sheet.Settings().LOGO);
}

TEST_F(SetupFileTest, ColoursArePlacedFromTheRight) {
    LabelSheet sheet;
    ReadSetupFile("<COLD>0000FF</COLD><COLDIV>00C0F0FF</COLDIV><COLS1></COLS1><COLS2>00ff00</COLS2>", sheet);
    EXPECT_EQ(0x000000FFu, sheet.Settings().COLD);
    EXPECT_EQ(0x00C0F0FFu, sheet.Settings().COLDIV);
    EXPECT_EQ(0u, sheet.Settings().COLS1);
    EXPECT_EQ(0x0000FF00u, sheet.Settings().COLS2);  // lower-case digits are read as their capitals
}

TEST_F(SetupFileTest, ATagInsideATextCutsItOnTheNextRead) {
    LabelSheet sheet;
    sheet.MutableSettings().SEND1 = "before</SEND1>after";
    LabelSheet read;
    ReadSetupFile(WriteSetupFile(sheet), read);
    EXPECT_EQ("before", read.Settings().SEND1);
}

TEST_F(SetupFileTest, SlotsBeyondTheGridKeepFlagsButGetTheDefaultText) {
    LabelSheet sheet;
    sheet.SetAllDest("Smith && Sons");
    sheet.Slot(100).enabled = true;
    const std::string text = WriteSetupFile(sheet);
    EXPECT_EQ(std::string::npos, text.find("<DEST8>"));

    LabelSheet read;
    read.SetAllDest("stale");
    ReadSetupFile(text, read);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ("Smith && Sons", read.Slot(i).DEST);
    for (int i = 8; i < kSlotCount; ++i)
        EXPECT_EQ(kDefaultDestText, read.Slot(i).DEST);
    EXPECT_TRUE(read.Slot(100).enabled);
}

TEST_F(SetupFileTest, AShortOnOffSectionReadsTheMissingFlagsAsOff) {
    LabelSheet sheet;
    sheet.SetAllEnabled(true);
    ReadSetupFile("<ONOF>11</ONOF>", sheet);
    EXPECT_TRUE(sheet.Slot(0).enabled);
    EXPECT_TRUE(sheet.Slot(1).enabled);
    for (int i = 2; i < kSlotCount; ++i)
        EXPECT_FALSE(sheet.Slot(i).enabled) << i;

    // 127 flags: slot 127 sits just past the end of the text and reads as off.
    ReadSetupFile("<ONOF>" + std::string(127, '1') + "</ONOF>", sheet);
    EXPECT_TRUE(sheet.Slot(126).enabled);
    EXPECT_FALSE(sheet.Slot(127).enabled);
}

TEST_F(SetupFileTest, UnusableGridAndPaperValuesAreBroughtBackIntoRange) {
    struct Case {
        const char* text;
        int cols, rows, wmm, hmm;
    };
    const Case cases[] = {
        {"COLS=0\nROWS=-3\n", 1, 1, 210, 297},
        {"COLS=8\nROWS=17\n", 8, 16, 210, 297},
        {"COLS=9\nROWS=16\n", 9, 14, 210, 297},
        {"COLS=10\nROWS=4\n", 10, 4, 210, 297},  // still works: kept
        {"COLS=2147483647\nROWS=2147483647\n", 128, 1, 210, 297},
        {"WMM=0\nHMM=-5\n", 2, 4, 210, 297},
        {"WMM=297\nHMM=210\n", 2, 4, 297, 210},  // out of the dialog's range but usable: kept
        {"HMM=300\nWMM=", 2, 4, 210, 300},       // last line without a line feed reads 0
        {"WMM=10001\nHMM=2147483647\n", 2, 4, 10000, 10000},
    };
    for (const auto& c : cases) {
        LabelSheet sheet;
        ReadSetupFile(c.text, sheet);
        EXPECT_EQ(c.cols, sheet.Settings().COLS) << c.text;
        EXPECT_EQ(c.rows, sheet.Settings().ROWS) << c.text;
        EXPECT_EQ(c.wmm, sheet.Settings().WMM) << c.text;
        EXPECT_EQ(c.hmm, sheet.Settings().HMM) << c.text;
        EXPECT_LE(sheet.LabelCount(), kSlotCount);
    }
}

TEST_F(SetupFileTest, MarginsAndGapsComeIntoTenMetresEitherWayAndTypedValuesStay) {
    LabelSheet sheet;
    ReadSetupFile(
        "TOPMRG=2147483647\nBOTMRG=-2147483648\nLFTMRG=-37\nRGTMRG=10001\nCOLSPC=-10000\nROWSPC=99\n", sheet);
    const SheetSettings& s = sheet.Settings();
    EXPECT_EQ((std::vector<int>{10000, -10000, -37, 10000, -10000, 99}),
              (std::vector<int>{s.TOPMRG, s.BOTMRG, s.LFTMRG, s.RGTMRG, s.COLSPC, s.ROWSPC}));
}

TEST_F(SetupFileTest, TheFirstOccurrenceCounts) {
    LabelSheet sheet;
    ReadSetupFile("ROWS=6\nROWS=9\n<FONT>A</FONT><FONT>B</FONT>", sheet);
    EXPECT_EQ(6, sheet.Settings().ROWS);
    EXPECT_EQ("A", sheet.Settings().FONT);
}

}  // namespace
}  // namespace tagmora
