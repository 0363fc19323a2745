#pragma once

#include "DialogTemplate.h"

#include <utility>

// Style sets that recur across the templates, built from the named Win32 bits.
namespace TemplateStyle {

inline constexpr std::uint32_t PushButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
inline constexpr std::uint32_t StaticText = WS_CHILD | WS_VISIBLE | WS_GROUP;
inline constexpr std::uint32_t EditBox =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
inline constexpr std::uint32_t DropDownList =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT;

// Every template is a modal frame in 8 point "MS Sans Serif"; only the main
// page adds an extended style.
inline DialogTemplate PageTemplate(int id, const char* caption, int cx, int cy,
                                   std::vector<ControlTemplate> controls,
                                   std::uint32_t exStyle = 0) {
    return {id, caption, cx, cy, exStyle, "MS Sans Serif", 8, std::move(controls)};
}

} // namespace TemplateStyle
