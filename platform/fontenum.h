// The font families the system offers, enumerated for a device context.
#pragma once

#include "platform/wintypes.h"

struct HDC__;
using HDC = HDC__*;

constexpr int LF_FACESIZE = 32;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr DWORD TRUETYPE_FONTTYPE = 0x0004;

struct LOGFONTA {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  char lfFaceName[LF_FACESIZE];
};
struct TEXTMETRICA;

// Called once for each font (of each character set); a zero result stops the
// enumeration.
using FONTENUMPROCA = int (*)(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType, LPARAM lParam);

// The screen's device context for the window (NULL: the whole screen); give it back
// with ReleaseDC.
HDC GetDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);
// Every font whose face and character set match the pattern (an empty face name:
// every family; DEFAULT_CHARSET: every character set). The last value the callback
// returned.
int EnumFontFamiliesExA(HDC hdc, LOGFONTA* lpLogfont, FONTENUMPROCA lpProc, LPARAM lParam, DWORD dwFlags);
