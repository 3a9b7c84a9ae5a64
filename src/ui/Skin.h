// The look the dialogs take from the host installation: the background colour in para.ini
// and the skin file, which here is a Qt style sheet.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

namespace wcthrm::ui {

// Light grey 226, 226, 226 as the platform writes colours: 0x00BBGGRR.
inline constexpr int32_t kDefaultBackground = 14869218;

// A platform colour value (blue in the high byte); values outside 0..0xFFFFFF (the platform's
// system colours) give the default background.
QColor BgrColor(int32_t value);

// "bgcolor" of section "Mainskin" in the host folder's para.ini, or the default.
QColor DialogBackground();

// The content of the host folder's skin/kxskin.skn, or an empty text when there is none or
// it is not a text (a binary skin of another kind).
QString SkinStyleSheet();

}  // namespace wcthrm::ui
