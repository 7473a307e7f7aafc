#include "framework/CFont.h"

#include <cwchar>

#include "framework/Cp1251.h"

BOOL CFont::CreateFontIndirect(const LOGFONTA* description) {
    LOGFONTW wide{};
    wide.lfHeight = description->lfHeight;
    wide.lfWidth = description->lfWidth;
    wide.lfEscapement = description->lfEscapement;
    wide.lfOrientation = description->lfOrientation;
    wide.lfWeight = description->lfWeight;
    wide.lfItalic = description->lfItalic;
    wide.lfUnderline = description->lfUnderline;
    wide.lfStrikeOut = description->lfStrikeOut;
    wide.lfCharSet = description->lfCharSet;
    wide.lfOutPrecision = description->lfOutPrecision;
    wide.lfClipPrecision = description->lfClipPrecision;
    wide.lfQuality = description->lfQuality;
    wide.lfPitchAndFamily = description->lfPitchAndFamily;
    std::wcsncpy(wide.lfFaceName, Widen(description->lfFaceName).c_str(), LF_FACESIZE - 1);
    DeleteObject();
    m_hFont = ::CreateFontIndirectW(&wide);
    return m_hFont != nullptr;
}
