#include "settings/PrepareFontMap.h"

#include <cmath>

#include "host/msoutput.h"
#include "platform/paths.h"
#include "settings/FontMapDlg.h"
#include "settings/OptionNames.h"
#include "settings/FontMapTexts.h"
#include "settings/Profile.h"
#include "settings/QuorvelleSetup.h"
#include "support/DecimalText.h"

void PrepareFontMap(QuorvelleSetup& setup, EFuncState mode) {
  if (setup.UseFontOpt) return;  // texts take the Excel face names directly
  if (GetProfileInt(kProductSection, kValueShowFontMap, 1) && mode != kFuncUpdate) {
    CFontMapDlg dialog(0);
    dialog.m_tableMap = setup.fontMap;
    dialog.DoModal();
    setup.fontMap = dialog.m_tableMap;
    return;
  }
  if (GetProfileInt(kProductSection, kValueUseSameTextStyle, 0)) {
    std::string same = GetProfileString(kProductSection, kValueSameTextStyle, kActiveFont);
    if (same.empty()) same = kActiveFont;
    for (auto& e : setup.fontMap.entries) e.SetMSFont(same);
    return;
  }
  std::string path;
  if (GetProfileInt(kProductSection, kValueAutoLoadFontMap, 0))
    path = GetProfileString(kProductSection, kValueAfmFile, "");
  ExcelFontMapArray fileMap;
  if (!path.empty() && PathFileExistsA(path.c_str())) {
    fileMap.LoadFromFile(path, nullptr);
    const double factor = DecimalPrefixToDouble(fileMap.m_strTextWFactor);
    if (!fileMap.m_strTextWFactor.empty() && currentOptionSet) {
      if (std::isfinite(factor) && factor >= kLeastScale && factor <= kMostTextWFactor)
        currentOptionSet->TextWFactor = factor;
      else
        mdlOutput_printf(MSG_MESSAGE, kFontMapWidthFactorCannotDraw, fileMap.m_strTextWFactor.c_str(), path.c_str());
    }
  } else {
    if (!path.empty()) mdlOutput_printf(MSG_MESSAGE, kFontMapFileMissing, path.c_str());
    fileMap.LoadFromRegistry();
  }
  setup.fontMap.MergeFrom(fileMap, kActiveFont);
}
