#include "window/win32/fonts.h"

#include <cwchar>

namespace zarvek::win32 {

Fonts::Fonts() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTW font{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        font = metrics.lfMessageFont;
    } else {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    }
    normal_ = CreateFontIndirectW(&font);
    LOGFONTW bold = font;
    bold.lfWeight = FW_BOLD;
    bold_ = CreateFontIndirectW(&bold);
    LOGFONTW fixed = font;
    fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::wcsncpy(fixed.lfFaceName, L"Courier New", LF_FACESIZE - 1);
    fixed_ = CreateFontIndirectW(&fixed);
}

Fonts::~Fonts() {
    DeleteObject(normal_);
    DeleteObject(bold_);
    DeleteObject(fixed_);
}

}  // namespace zarvek::win32
