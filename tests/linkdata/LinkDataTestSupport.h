// Table cell headers with link data, placed in the design file, with extended
// attributes where a test needs them; the option set in force and the registry values
// that shape the link data.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "host/mselmdscr.h"
#include "host/mslinkage.h"
#include "host/msmodel.h"
#include "host/msxattr.h"
#include "output/LinkData.h"
#include "settings/Profile.h"
#include "settings/QuorvelleSetup.h"
#include "sim/SimHost.h"
#include "sim/SimOutput.h"
#include "sim/Strings.h"
#include "tests/TestSupport.h"

using Linkages = std::vector<std::pair<int, std::string>>;

class LinkDataTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    currentOptionSet = &setup;
  }
  void TearDown() override {
    currentOptionSet = nullptr;
    HostTest::TearDown();
  }

  static void PutSetting(const char* name, int value) { ASSERT_TRUE(WriteProfileInt(kProductSection, name, value)); }

  static MSElement NewHeader() {
    MSElement header;
    mdlCell_create(&header, u"Cell_Quorvelle", nullptr, 0);
    return header;
  }

  // The header added to the design file and read back, as a placed table's cell.
  static MSElement Place(const MSElement& header) {
    MSElementDescr* dscr = nullptr;
    mdlElmdscr_new(&dscr, nullptr, &header);
    const ULong filePos = mdlElmdscr_add(dscr);
    mdlElmdscr_freeAll(&dscr);
    MSElement placed;
    EXPECT_NE(0u, filePos);
    EXPECT_EQ(SUCCESS, mdlElement_read(&placed, mdlModelRef_getActive(), filePos));
    return placed;
  }

  // A header carrying the linkages, placed.
  static MSElement PlaceWithLinkages(const Linkages& linkages) {
    MSElement header = NewHeader();
    for (const auto& [key, text] : linkages) {
      std::u16string wide = sim::Utf8ToUtf16(text);
      EXPECT_EQ(SUCCESS, mdlLinkage_appendStringLinkage(&header, static_cast<UShort>(key), wide.c_str()));
    }
    return Place(header);
  }

  // Writes an extended attribute of the link handler on the placed cell.
  static void WriteAttribute(const MSElement& cell, UInt32 id, const std::vector<std::uint8_t>& bytes) {
    DgnModelRefP model = mdlModelRef_getActive();
    ElementRef ref = dgnCache_findElemByID(mdlModelRef_getCache(model), mdlElement_getID(&cell));
    ASSERT_NE(nullptr, ref);
    EditElemHandle edit(ref, model);
    ASSERT_EQ(SUCCESS, edit.ScheduleWriteXAttribute(XAttributeHandlerId(3900, 0), id,
                                                    static_cast<UInt32>(bytes.size()), bytes.data()));
    ASSERT_EQ(SUCCESS, edit.ReplaceInModel(ref));
  }

  static Linkages LinkagesOf(const MSElement& element) {
    Linkages result;
    for (const StringLinkage& l : element.linkages) result.emplace_back(l.key, sim::Utf16ToUtf8(l.text));
    return result;
  }

  static std::vector<int> KeysOf(const MSElement& element) {
    std::vector<int> keys;
    for (const StringLinkage& l : element.linkages) keys.push_back(l.key);
    return keys;
  }

  // The text of the first linkage with the key, or "(none)".
  static std::string TextOf(const MSElement& element, int key) {
    for (const StringLinkage& l : element.linkages)
      if (l.key == key) return sim::Utf16ToUtf8(l.text);
    return "(none)";
  }

  static std::vector<std::string> Boxes() { return sim::OutputTexts(sim::OutputKind::HostMessageBox); }

  // The message about the cell, with its element identifier.
  static std::string CellMessage(const char* format, const MSElement& cell) {
    char text[256];
    std::snprintf(text, sizeof text, format, static_cast<long>(static_cast<std::int32_t>(cell.id)));
    return text;
  }

  // The Windows path of a file in the test's folder.
  std::string WindowsPath(const std::string& relative) const {
    return sim::ToWindowsPath((dir.path() / relative).string());
  }

  QuorvelleSetup setup;
};

// The UTF-16LE bytes of a text written into a slot of a record.
inline void PutSlot(std::vector<std::uint8_t>& record, std::size_t offset, const std::u16string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    record[offset + 2 * i] = static_cast<std::uint8_t>(text[i] & 0xFF);
    record[offset + 2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
  }
}

// A link record of attribute 0.
inline std::vector<std::uint8_t> LinkRecord(const std::u16string& path, const std::u16string& sheet,
                                            const std::u16string& range, const std::u16string& time) {
  std::vector<std::uint8_t> record(2088, 0);
  PutSlot(record, 0, path);
  PutSlot(record, 522, sheet);
  PutSlot(record, 1044, range);
  PutSlot(record, 1566, time);
  return record;
}
