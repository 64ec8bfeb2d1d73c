// The eight property records as the window's design gives them: every item in
// record order, with its type and value, typed here and not taken from the
// program.
#pragma once

#include "record_encoder.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

namespace test_support::record {

// Every control record's Index: -2^31.
inline constexpr Value kIndex = Int(std::numeric_limits<std::int32_t>::min());
inline constexpr Value kEmpty = Str("");

inline constexpr Item kWindowRecord[] = {
    { "Placement", Int(0) },
    { "Width", Int(600) },
    { "Height", Int(209) },
    { "MinWidth", Int(64) },
    { "MinHeight", Int(64) },
    { "MaxWidth", Int(32000) },
    { "MaxHeight", Int(32000) },
    { "Frame", Int(0) },
    { "Composite", Bool(false) },
    { "HasBackColor", Bool(false) },
    { "BackColor", kWhite },
    { "Title", Str("Password Generator") },
    { "Visible", Bool(true) },
    { "FullScreen", Bool(false) },
    { "MenuBarVisible", Bool(true) },
    { "CloseButton", Bool(true) },
    { "Resizeable", Bool(false) },
    { "LiveResize", Bool(true) },
    { "MaximizeButton", Bool(true) },
    { "MinimizeButton", Bool(true) },
    { "FullScreenButton", Bool(false) },
    { "MacProcID", Int(0) },
};

inline constexpr Item kGenerateRecord[] = {
    { "InitialParent", kEmpty },
    { "Underline", Bool(false) },
    { "Italic", Bool(false) },
    { "Bold", Bool(false) },
    { "TextFont", Str("System") },
    { "ButtonStyle", Int(0) },
    { "AutoDeactivate", Bool(true) },
    { "HelpTag", kEmpty },
    { "Visible", Bool(true) },
    { "Enabled", Bool(true) },
    { "Cancel", Bool(false) },
    { "Default", Bool(true) },
    { "Caption", Str("Generate password and copy to clipboard") },
    { "TabStop", Bool(true) },
    { "TabIndex", Int(1) },
    { "TabPanelIndex", Int(0) },
    { "LockBottom", Bool(true) },
    { "LockRight", Bool(true) },
    { "LockTop", Bool(true) },
    { "LockLeft", Bool(true) },
    { "Height", Int(47) },
    { "Width", Int(560) },
    { "Top", Int(149) },
    { "Left", Int(20) },
    { "Index", kIndex },
    { "Name", Str("Generate") },
};

// The three check boxes have one item order; they differ in caption, tab
// index, top edge and name.
constexpr std::array<Item, 27> CheckBoxRecord(
    std::string_view caption, std::int32_t tabIndex, std::int32_t top, std::string_view name)
{
    return { {
        { "InitialParent", kEmpty },
        { "DataField", kEmpty },
        { "DataSource", kEmpty },
        { "Value", Bool(true) },
        { "State", Int(1) },
        { "Underline", Bool(false) },
        { "Italic", Bool(false) },
        { "Bold", Bool(false) },
        { "TextFont", Str("System") },
        { "AutoDeactivate", Bool(true) },
        { "HelpTag", kEmpty },
        { "Visible", Bool(true) },
        { "Enabled", Bool(true) },
        { "Caption", Str(caption) },
        { "TabStop", Bool(true) },
        { "TabIndex", Int(tabIndex) },
        { "TabPanelIndex", Int(0) },
        { "LockBottom", Bool(true) },
        { "LockRight", Bool(true) },
        { "LockTop", Bool(true) },
        { "LockLeft", Bool(true) },
        { "Height", Int(24) },
        { "Width", Int(126) },
        { "Top", Int(top) },
        { "Left", Int(480) },
        { "Index", kIndex },
        { "Name", Str(name) },
    } };
}

inline constexpr auto kUseCapsRecord = CheckBoxRecord("Use CAPS", 2, 21, "UseCaps");
inline constexpr auto kUseNumbersRecord = CheckBoxRecord("Use Numbers", 3, 53, "UseNumbers");
inline constexpr auto kUseSymbolsRecord = CheckBoxRecord("Use Symbols", 4, 85, "UseSymbols");

inline constexpr Item kPassSizeRecord[] = {
    { "InitialParent", kEmpty },
    { "TickStyle", Int(0) },
    { "LiveScroll", Bool(true) },
    { "PageStep", Int(20) },
    { "LineStep", Int(2) },
    { "Maximum", Int(200) },
    { "Value", Int(32) },
    { "Minimum", Int(8) },
    { "AutoDeactivate", Bool(true) },
    { "HelpTag", kEmpty },
    { "Visible", Bool(true) },
    { "Enabled", Bool(true) },
    { "TabStop", Bool(true) },
    { "TabIndex", Int(5) },
    { "TabPanelIndex", Int(0) },
    { "LockBottom", Bool(true) },
    { "LockRight", Bool(true) },
    { "LockTop", Bool(true) },
    { "LockLeft", Bool(true) },
    { "Height", Int(27) },
    { "Width", Int(444) },
    { "Top", Int(117) },
    { "Left", Int(20) },
    { "Index", kIndex },
    { "Name", Str("PassSize") },
};

inline constexpr Item kLabel1Record[] = {
    { "InitialParent", kEmpty },
    { "DataField", kEmpty },
    { "DataSource", kEmpty },
    { "Underline", Bool(false) },
    { "Italic", Bool(false) },
    { "Bold", Bool(false) },
    { "TextFont", Str("System") },
    { "AutoDeactivate", Bool(true) },
    { "HelpTag", kEmpty },
    { "Transparent", Bool(false) },
    { "Selectable", Bool(false) },
    { "Visible", Bool(true) },
    { "Enabled", Bool(true) },
    { "Multiline", Bool(false) },
    { "TextColor", kBlack },
    { "TextAlign", Int(0) },
    { "Text", Str("32 chars long") },
    { "TabIndex", Int(6) },
    { "TabPanelIndex", Int(0) },
    { "LockBottom", Bool(true) },
    { "LockRight", Bool(true) },
    { "LockTop", Bool(true) },
    { "LockLeft", Bool(true) },
    { "Height", Int(20) },
    { "Width", Int(100) },
    { "Top", Int(117) },
    { "Left", Int(480) },
    { "Index", kIndex },
    { "Name", Str("Label1") },
    { "TabStop", Bool(true) },
};

inline constexpr Item kTextArea1Record[] = {
    { "DataField", kEmpty },
    { "DataSource", kEmpty },
    { "AutomaticallyCheckSpelling", Bool(true) },
    { "Alignment", Int(2) },
    { "AcceptTabs", Bool(false) },
    { "LimitText", Int(0) },
    { "ReadOnly", Bool(false) },
    { "Mask", kEmpty },
    { "Text", kEmpty },
    { "Underline", Bool(false) },
    { "Italic", Bool(false) },
    { "Bold", Bool(false) },
    { "TextFont", Str("System") },
    { "HideSelection", Bool(true) },
    { "AutoDeactivate", Bool(true) },
    { "HelpTag", kEmpty },
    { "Visible", Bool(true) },
    { "Format", kEmpty },
    { "Enabled", Bool(true) },
    { "BackColor", kWhite },
    { "TextColor", kBlack },
    { "UseFocusRing", Bool(true) },
    { "Styled", Bool(true) },
    { "ScrollbarVertical", Bool(true) },
    { "ScrollbarHorizontal", Bool(true) },
    { "Multiline", Bool(true) },
    { "Border", Bool(true) },
    { "TabStop", Bool(true) },
    { "TabIndex", Int(7) },
    { "TabPanelIndex", Int(0) },
    { "LockBottom", Bool(true) },
    { "LockRight", Bool(true) },
    { "LockTop", Bool(true) },
    { "LockLeft", Bool(true) },
    { "Height", Int(89) },
    { "Width", Int(444) },
    { "Top", Int(20) },
    { "Left", Int(20) },
    { "Index", kIndex },
    { "Name", Str("TextArea1") },
};

} // namespace test_support::record
