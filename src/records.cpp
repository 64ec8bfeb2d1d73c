// The eight property records: the window's and one for each of its seven
// controls, every item in record order. The lengths and item counts are
// checked at compile time.
#include "property_record.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <limits>

namespace pwgen {
namespace {

constexpr FieldValue kWhite = ColourValue(0xFF, 0xFF, 0xFF);
constexpr FieldValue kBlack = ColourValue(0x00, 0x00, 0x00);
constexpr FieldValue kEmpty = StringValue("");
constexpr FieldValue kSystemFont = StringValue("System");
constexpr FieldValue kTrue = BooleanValue(true);
constexpr FieldValue kFalse = BooleanValue(false);
// The Index every control record carries: the smallest 32-bit integer.
constexpr FieldValue kControlIndex = Int32Value(std::numeric_limits<std::int32_t>::min());

// The window: size and its limits, frame, colour, title, then the title-bar
// buttons. No position and no name.
constexpr RecordField kWindowItems[] = {
    { "Placement", Int32Value(0) },
    { "Width", Int32Value(600) },
    { "Height", Int32Value(209) },
    { "MinWidth", Int32Value(64) },
    { "MinHeight", Int32Value(64) },
    { "MaxWidth", Int32Value(32000) },
    { "MaxHeight", Int32Value(32000) },
    { "Frame", Int32Value(0) },
    { "Composite", kFalse },
    { "HasBackColor", kFalse },
    { "BackColor", kWhite },
    { "Title", StringValue("Password Generator") },
    { "Visible", kTrue },
    { "FullScreen", kFalse },
    { "MenuBarVisible", kTrue },
    { "CloseButton", kTrue },
    { "Resizeable", kFalse },
    { "LiveResize", kTrue },
    { "MaximizeButton", kTrue },
    { "MinimizeButton", kTrue },
    { "FullScreenButton", kFalse },
    { "MacProcID", Int32Value(0) },
};
static_assert(std::size(kWindowItems) == 22);
static_assert(RecordLength(kWindowItems) == 303);
static_assert(IsWellFormed(kWindowItems));

// The push button along the bottom, the default button.
constexpr RecordField kGenerateItems[] = {
    // Parent, font and style.
    { "InitialParent", kEmpty },
    { "Underline", kFalse },
    { "Italic", kFalse },
    { "Bold", kFalse },
    { "TextFont", kSystemFont },
    { "ButtonStyle", Int32Value(0) },
    // State and caption.
    { "AutoDeactivate", kTrue },
    { "HelpTag", kEmpty },
    { "Visible", kTrue },
    { "Enabled", kTrue },
    { "Cancel", kFalse },
    { "Default", kTrue },
    { "Caption", StringValue("Generate password and copy to clipboard") },
    // Focus order, anchoring and geometry.
    { "TabStop", kTrue },
    { "TabIndex", Int32Value(1) },
    { "TabPanelIndex", Int32Value(0) },
    { "LockBottom", kTrue },
    { "LockRight", kTrue },
    { "LockTop", kTrue },
    { "LockLeft", kTrue },
    { "Height", Int32Value(47) },
    { "Width", Int32Value(560) },
    { "Top", Int32Value(149) },
    { "Left", Int32Value(20) },
    // Identity.
    { "Index", kControlIndex },
    { "Name", StringValue("Generate") },
};
static_assert(std::size(kGenerateItems) == 26);
static_assert(RecordLength(kGenerateItems) == 339);
static_assert(IsWellFormed(kGenerateItems));

// The three check boxes share one item order and differ only in caption, tab
// index, top edge and name. All start checked.
constexpr std::array<RecordField, 27> CheckBoxItems(
    std::string_view caption, std::int32_t tabIndex, std::int32_t top, std::string_view name)
{
    return { {
        // Parent, data binding and state.
        { "InitialParent", kEmpty },
        { "DataField", kEmpty },
        { "DataSource", kEmpty },
        { "Value", kTrue },
        { "State", Int32Value(1) },
        // Font.
        { "Underline", kFalse },
        { "Italic", kFalse },
        { "Bold", kFalse },
        { "TextFont", kSystemFont },
        // Behaviour and caption.
        { "AutoDeactivate", kTrue },
        { "HelpTag", kEmpty },
        { "Visible", kTrue },
        { "Enabled", kTrue },
        { "Caption", StringValue(caption) },
        // Focus order, anchoring and geometry.
        { "TabStop", kTrue },
        { "TabIndex", Int32Value(tabIndex) },
        { "TabPanelIndex", Int32Value(0) },
        { "LockBottom", kTrue },
        { "LockRight", kTrue },
        { "LockTop", kTrue },
        { "LockLeft", kTrue },
        { "Height", Int32Value(24) },
        { "Width", Int32Value(126) },
        { "Top", Int32Value(top) },
        { "Left", Int32Value(480) },
        // Identity.
        { "Index", kControlIndex },
        { "Name", StringValue(name) },
    } };
}

constexpr auto kUseCapsItems = CheckBoxItems("Use CAPS", 2, 21, "UseCaps");
constexpr auto kUseNumbersItems = CheckBoxItems("Use Numbers", 3, 53, "UseNumbers");
constexpr auto kUseSymbolsItems = CheckBoxItems("Use Symbols", 4, 85, "UseSymbols");
static_assert(RecordLength(kUseCapsItems) == 320);
static_assert(RecordLength(kUseNumbersItems) == 326);
static_assert(RecordLength(kUseSymbolsItems) == 326);
static_assert(IsWellFormed(kUseCapsItems) && IsWellFormed(kUseNumbersItems) && IsWellFormed(kUseSymbolsItems));

// The password-length slider: 32 within 8 to 200. No font, caption or data
// binding.
constexpr RecordField kPassSizeItems[] = {
    // Parent, range and stepping.
    { "InitialParent", kEmpty },
    { "TickStyle", Int32Value(0) },
    { "LiveScroll", kTrue },
    { "PageStep", Int32Value(20) },
    { "LineStep", Int32Value(2) },
    { "Maximum", Int32Value(200) },
    { "Value", Int32Value(32) },
    { "Minimum", Int32Value(8) },
    // Behaviour.
    { "AutoDeactivate", kTrue },
    { "HelpTag", kEmpty },
    { "Visible", kTrue },
    { "Enabled", kTrue },
    // Focus order, anchoring and geometry.
    { "TabStop", kTrue },
    { "TabIndex", Int32Value(5) },
    { "TabPanelIndex", Int32Value(0) },
    { "LockBottom", kTrue },
    { "LockRight", kTrue },
    { "LockTop", kTrue },
    { "LockLeft", kTrue },
    { "Height", Int32Value(27) },
    { "Width", Int32Value(444) },
    { "Top", Int32Value(117) },
    { "Left", Int32Value(20) },
    // Identity.
    { "Index", kControlIndex },
    { "Name", StringValue("PassSize") },
};
static_assert(std::size(kPassSizeItems) == 25);
static_assert(RecordLength(kPassSizeItems) == 297);
static_assert(IsWellFormed(kPassSizeItems));

// The label beside the slider, showing the length; its TabStop comes after
// its Name.
constexpr RecordField kLabel1Items[] = {
    // Parent, data binding and font.
    { "InitialParent", kEmpty },
    { "DataField", kEmpty },
    { "DataSource", kEmpty },
    { "Underline", kFalse },
    { "Italic", kFalse },
    { "Bold", kFalse },
    { "TextFont", kSystemFont },
    // Behaviour and text.
    { "AutoDeactivate", kTrue },
    { "HelpTag", kEmpty },
    { "Transparent", kFalse },
    { "Selectable", kFalse },
    { "Visible", kTrue },
    { "Enabled", kTrue },
    { "Multiline", kFalse },
    { "TextColor", kBlack },
    { "TextAlign", Int32Value(0) },
    { "Text", StringValue("32 chars long") },
    // Focus order, anchoring and geometry.
    { "TabIndex", Int32Value(6) },
    { "TabPanelIndex", Int32Value(0) },
    { "LockBottom", kTrue },
    { "LockRight", kTrue },
    { "LockTop", kTrue },
    { "LockLeft", kTrue },
    { "Height", Int32Value(20) },
    { "Width", Int32Value(100) },
    { "Top", Int32Value(117) },
    { "Left", Int32Value(480) },
    // Identity, then the tab stop.
    { "Index", kControlIndex },
    { "Name", StringValue("Label1") },
    { "TabStop", kTrue },
};
static_assert(std::size(kLabel1Items) == 30);
static_assert(RecordLength(kLabel1Items) == 367);
static_assert(IsWellFormed(kLabel1Items));

// The read-write text area the password is shown in, empty at the start.
constexpr RecordField kTextArea1Items[] = {
    // Data binding and editing.
    { "DataField", kEmpty },
    { "DataSource", kEmpty },
    { "AutomaticallyCheckSpelling", kTrue },
    { "Alignment", Int32Value(2) },
    { "AcceptTabs", kFalse },
    { "LimitText", Int32Value(0) },
    { "ReadOnly", kFalse },
    { "Mask", kEmpty },
    { "Text", kEmpty },
    // Font.
    { "Underline", kFalse },
    { "Italic", kFalse },
    { "Bold", kFalse },
    { "TextFont", kSystemFont },
    // Behaviour and appearance.
    { "HideSelection", kTrue },
    { "AutoDeactivate", kTrue },
    { "HelpTag", kEmpty },
    { "Visible", kTrue },
    { "Format", kEmpty },
    { "Enabled", kTrue },
    { "BackColor", kWhite },
    { "TextColor", kBlack },
    { "UseFocusRing", kTrue },
    { "Styled", kTrue },
    { "ScrollbarVertical", kTrue },
    { "ScrollbarHorizontal", kTrue },
    { "Multiline", kTrue },
    { "Border", kTrue },
    // Focus order, anchoring and geometry.
    { "TabStop", kTrue },
    { "TabIndex", Int32Value(7) },
    { "TabPanelIndex", Int32Value(0) },
    { "LockBottom", kTrue },
    { "LockRight", kTrue },
    { "LockTop", kTrue },
    { "LockLeft", kTrue },
    { "Height", Int32Value(89) },
    { "Width", Int32Value(444) },
    { "Top", Int32Value(20) },
    { "Left", Int32Value(20) },
    // Identity.
    { "Index", kControlIndex },
    { "Name", StringValue("TextArea1") },
};
static_assert(std::size(kTextArea1Items) == 40);
static_assert(RecordLength(kTextArea1Items) == 496);
static_assert(IsWellFormed(kTextArea1Items));

// Writes `items` the first time and hands out the same String after.
template <const auto& items> const fw::String& BuiltOnce()
{
    static const fw::String record = WriteRecord(items);
    return record;
}

} // namespace

const fw::String& WindowRecord() { return BuiltOnce<kWindowItems>(); }
const fw::String& GenerateRecord() { return BuiltOnce<kGenerateItems>(); }
const fw::String& UseCapsRecord() { return BuiltOnce<kUseCapsItems>(); }
const fw::String& UseNumbersRecord() { return BuiltOnce<kUseNumbersItems>(); }
const fw::String& UseSymbolsRecord() { return BuiltOnce<kUseSymbolsItems>(); }
const fw::String& PassSizeRecord() { return BuiltOnce<kPassSizeItems>(); }
const fw::String& Label1Record() { return BuiltOnce<kLabel1Items>(); }
const fw::String& TextArea1Record() { return BuiltOnce<kTextArea1Items>(); }

std::span<const RecordField> WindowRecordItems() { return kWindowItems; }
std::span<const RecordField> GenerateRecordItems() { return kGenerateItems; }
std::span<const RecordField> UseCapsRecordItems() { return kUseCapsItems; }
std::span<const RecordField> UseNumbersRecordItems() { return kUseNumbersItems; }
std::span<const RecordField> UseSymbolsRecordItems() { return kUseSymbolsItems; }
std::span<const RecordField> PassSizeRecordItems() { return kPassSizeItems; }
std::span<const RecordField> Label1RecordItems() { return kLabel1Items; }
std::span<const RecordField> TextArea1RecordItems() { return kTextArea1Items; }

} // namespace pwgen
