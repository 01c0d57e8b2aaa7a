// Font map files (".afm") and the archive form they share with the copy on a table.
#include <fstream>

#include "settings/OperationMode.h"
#include "platform/windows.h"
#include "settings/ExcelFontMap.h"
#include "settings/PrepareFontMap.h"
#include "settings/Profile.h"
#include "settings/QuorvelleSetup.h"
#include "sim/SimOutput.h"
#include "support/Archive.h"
#include "tests/TestSupport.h"

namespace {

class FontMapFileTest : public HostTest {
 protected:
  // Writes the bytes to a file of the scratch folder; its Windows path.
  std::string WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(dir.File(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return sim::ToWindowsPath(dir.File(name));
  }
  // A font map file of the version with one entry (Arial Bold to SHX romans).
  std::vector<std::uint8_t> AfmBytes(int version, const std::string& widthFactor, const char* signature = nullptr) {
    CArchiveWriter a;
    a.WriteString(signature ? signature : "Quorvelle MS Font Map");
    a.WriteInt32(version);
    if (version >= 2) a.WriteString(widthFactor);
    a.WriteInt32(1);
    a.WriteInt32(1);
    a.WriteString("Arial");
    a.WriteWideString(u"Bold");
    a.WriteString("romans");
    a.WriteInt32(300);
    a.WriteInt32(3);
    return a.bytes();
  }
  ExcelFontMapArray Original() {
    ExcelFontMapArray map;
    map.AddExcelFont("Calibri", false, false);
    map.m_strTextWFactor = "0.8";
    return map;
  }
};

TEST_F(FontMapFileTest, AnEmptyMapsFileIsThirtyFiveBytesAndMapsRoundTrip) {
  ExcelFontMapArray empty;
  std::string path = sim::ToWindowsPath(dir.File("empty.afm"));
  ASSERT_TRUE(empty.SaveToFile(path));
  std::ifstream in(dir.File("empty.afm"), std::ios::binary);
  std::string bytes(std::istreambuf_iterator<char>(in), {});
  ASSERT_EQ(35u, bytes.size());
  EXPECT_EQ('\x15', bytes[0]);
  EXPECT_EQ("Quorvelle MS Font Map", bytes.substr(1, 21));

  ExcelFontMapArray map;
  map.AddExcelFont("Arial", true, false);
  map.entries[0].m_strMSFont = std::string(300, 'x');  // a 16-bit length
  map.entries[0].m_nFontNum = 42;
  map.m_strTextWFactor = "1.2";
  ASSERT_TRUE(map.SaveToFile(path));
  ExcelFontMapArray back;
  ASSERT_TRUE(back.LoadFromFile(path, nullptr));
  ASSERT_EQ(1u, back.entries.size());
  EXPECT_EQ(map.entries[0].m_strMSFont, back.entries[0].m_strMSFont);
  EXPECT_EQ(42, back.entries[0].m_nFontNum);
  EXPECT_EQ("1.2", back.m_strTextWFactor);
  EXPECT_EQ(std::vector<std::string>{path + " is loaded."}, sim::OutputTexts(sim::OutputKind::Printf));
  EXPECT_FALSE(map.SaveToFile(""));
}

TEST_F(FontMapFileTest, VersionsUpToTwoLoadAndLaterOnesAreRefused) {
  ExcelFontMapArray map = Original();
  ASSERT_TRUE(map.LoadFromFile(WriteFile("v1.afm", AfmBytes(1, "")), nullptr));
  ASSERT_EQ(1u, map.entries.size());
  EXPECT_EQ("Bold", map.entries[0].m_strStyle);  // a wide string in the file
  EXPECT_EQ("0.8", map.m_strTextWFactor);        // version 1 carries no width factor

  sim::ClearOutputLog();
  map = Original();
  std::string v3 = WriteFile("v3.afm", AfmBytes(3, "1.0"));
  EXPECT_FALSE(map.LoadFromFile(v3, nullptr));
  EXPECT_EQ(std::vector<std::string>{"Invalid font map file: " + v3},
            sim::OutputTexts(sim::OutputKind::HostMessageBox));
  EXPECT_EQ("Calibri", map.entries[0].m_strExcelFont);

  // With a parent window the message is the dialog's own titled box.
  sim::ClearOutputLog();
  HWND parent = reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x1234));
  std::string other = WriteFile("other.afm", AfmBytes(2, "", "Something Else"));
  EXPECT_FALSE(map.LoadFromFile(other, parent));
  ASSERT_EQ(1u, sim::OutputLog().size());
  EXPECT_EQ(sim::OutputKind::WindowsMessageBox, sim::OutputLog()[0].kind);
  EXPECT_EQ("Korvu Quorvelle for MicroStation V8i", sim::OutputLog()[0].title);

  // The signature is compared without regard to case.
  EXPECT_TRUE(map.LoadFromFile(WriteFile("case.afm", AfmBytes(2, "", "QUORVELLE MS FONT MAP")), nullptr));
}

TEST_F(FontMapFileTest, DamagedFilesLeaveTheMapAsItWas) {
  std::vector<std::uint8_t> good = AfmBytes(2, "1.1");
  std::vector<std::uint8_t> truncated(good.begin(), good.end() - 5);
  CArchiveWriter huge;
  huge.WriteString("Quorvelle MS Font Map");
  huge.WriteInt32(2);
  huge.WriteString("");
  huge.WriteInt32(1);
  huge.WriteInt32(1000000000);  // a billion entries in a file of a few bytes
  CArchiveWriter longString;
  longString.WriteString("Quorvelle MS Font Map");
  longString.WriteInt32(2);
  for (std::uint8_t b : {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}) longString.WriteByte(b);  // a 2 GB string
  std::vector<std::uint8_t> oddWide = {0x15};
  for (char c : std::string("Quorvelle MS Font Map")) oddWide.push_back(static_cast<std::uint8_t>(c));
  for (std::uint8_t b : {2, 0, 0, 0, 0xFF, 0xFE, 0xFF, 3, 0x61, 0, 0x62}) oddWide.push_back(b);  // 3 units, 3 bytes

  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
  } cases[] = {{"truncated", truncated}, {"count", huge.bytes()}, {"length", longString.bytes()},
               {"wide", oddWide},        {"empty", {}}};
  for (const auto& c : cases) {
    sim::ClearOutputLog();
    ExcelFontMapArray map = Original();
    map.m_strTextWFactor = "0.8";
    std::string path = WriteFile(std::string(c.name) + ".afm", c.bytes);
    EXPECT_FALSE(map.LoadFromFile(path, nullptr)) << c.name;
    ASSERT_EQ(1u, map.entries.size()) << c.name;
    EXPECT_EQ("Calibri", map.entries[0].m_strExcelFont) << c.name;
    EXPECT_EQ("0.8", map.m_strTextWFactor) << c.name;
    EXPECT_EQ(std::vector<std::string>{"Invalid font map file: " + path}, sim::OutputTexts(sim::OutputKind::Printf))
        << c.name;
  }
  ExcelFontMapArray map;
  EXPECT_FALSE(map.LoadFromFile(sim::ToWindowsPath(dir.File("missing.afm")), nullptr));
  EXPECT_EQ(1u, sim::OutputTexts(sim::OutputKind::WindowsMessageBox).size());  // the file-error report
}

TEST_F(FontMapFileTest, AnAutoLoadedFilesWidthFactorReplacesTheOptionOnlyWhenItIsANumber) {
  WriteProfileInt("Quorvelle", "ShowFontMap", 0);
  WriteProfileInt("Quorvelle", "AutoLoadFontMap", 1);
  struct Case {
    const char* text;
    double expected;
  } cases[] = {{"0", 0.9}, {"abc", 0.9}, {"", 0.9}, {"1.2", 1.2}};
  for (const auto& c : cases) {
    QuorvelleSetup setup;
    setup.UseFontOpt = 0;
    setup.fontMap.AddExcelFont("Arial", true, false);
    currentOptionSet = &setup;
    WriteProfileString("Quorvelle", "QuorvelleAfmFile", WriteFile("auto.afm", AfmBytes(2, c.text)));
    PrepareFontMap(setup, kFuncCreate);
    EXPECT_DOUBLE_EQ(c.expected, setup.TextWFactor) << c.text;
    EXPECT_EQ("romans", setup.fontMap.entries[0].m_strMSFont) << c.text;
    currentOptionSet = nullptr;
  }
  // A configured file that is missing: said so, and the registry map is used.
  sim::ClearOutputLog();
  WriteProfileString("Quorvelle\\FontMap", "Arial*Bold", "(DGN) WORKING");
  std::string missing = sim::ToWindowsPath(dir.File("gone.afm"));
  WriteProfileString("Quorvelle", "QuorvelleAfmFile", missing);
  QuorvelleSetup setup;
  setup.UseFontOpt = 0;
  setup.fontMap.AddExcelFont("Arial", true, false);
  PrepareFontMap(setup, kFuncCreate);
  EXPECT_EQ(std::vector<std::string>{"Cannot find the font map file: " + missing + "."},
            sim::OutputTexts(sim::OutputKind::Printf));
  EXPECT_EQ("WORKING", setup.fontMap.entries[0].m_strMSFont);
}

}  // namespace
