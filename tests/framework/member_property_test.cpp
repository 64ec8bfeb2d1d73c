// The properties that classes register from their members: each one writes
// its own member and reads it back, and leaves every other property of the
// object as it was.
#include "row_name.h"
#include "runtime/class_table.h"
#include "runtime/exception.h"
#include "ui/check_box.h"
#include "ui/label.h"
#include "ui/menu_item.h"
#include "ui/push_button.h"
#include "ui/text_area.h"
#include "ui/window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <variant>

namespace fw {
namespace {

// A value as text, so that values of any property type compare and print.
std::string Shown(const Value& value)
{
    if (const auto* b = std::get_if<bool>(&value))
        return *b ? "true" : "false";
    if (const auto* i = std::get_if<std::int32_t>(&value))
        return std::to_string(*i);
    if (const auto* s = std::get_if<String>(&value))
        return '"' + s->Bytes() + '"';
    if (const auto* c = std::get_if<Color>(&value))
        return "color " + std::to_string(c->red) + " " + std::to_string(c->green) + " " + std::to_string(c->blue);
    return "a value of another type";
}

// Every property the object's class and its bases have, by name, as read now.
std::map<std::string, std::string> ReadAll(const Object& object)
{
    std::map<std::string, std::string> values;
    for (const ClassTable* table = object.Class(); table; table = table->parent) {
        for (const PropertyDescriptor& property : table->properties)
            values.emplace(property.name, Shown(property.get(object)));
    }
    return values;
}

Ref<Object> NewWindow()
{
    Ref<Window> window = RuntimeCheckCast<Window>(RuntimeNewObject(Window::__Lookup()), Window::__Lookup());
    window->SetVisible(false);
    window->Constructor();
    return window;
}

Ref<Object> NewMenuItem()
{
    Ref<MenuItem> item = RuntimeCheckCast<MenuItem>(RuntimeNewObject(MenuItem::__Lookup()), MenuItem::__Lookup());
    item->Constructor();
    return item;
}

Ref<Object> NewPushButton() { return RuntimeNewObject(PushButton::__Lookup()); }

Ref<Object> NewCheckBox() { return RuntimeNewObject(CheckBox::__Lookup()); }

Ref<Object> NewLabel() { return RuntimeNewObject(Label::__Lookup()); }

Ref<Object> NewTextArea() { return RuntimeNewObject(TextArea::__Lookup()); }

Ref<Object> NewException() { return RuntimeNewObject(RuntimeException::__Lookup()); }

struct MemberPropertyCase {
    const char* name;
    Ref<Object> (*make)();
    const char* property;
    Value value; // differs from the property's value in a new object
    friend void PrintTo(const MemberPropertyCase& row, std::ostream* os) { *os << row.name; }
};

class MemberPropertyTest : public ::testing::TestWithParam<MemberPropertyCase> { };

TEST_P(MemberPropertyTest, ReadsBackWhatWasSetAndNothingElseChanges)
{
    const MemberPropertyCase& c = GetParam();
    const Ref<Object> object = c.make();
    const PropertyDescriptor* property = object->Class()->FindProperty(c.property);
    ASSERT_NE(property, nullptr) << object->Class()->name << " has no " << c.property;

    std::map<std::string, std::string> expected = ReadAll(*object);
    ASSERT_NE(expected.at(c.property), Shown(c.value)) << "the row's value is already the property's";
    property->set(*object, c.value);
    expected.at(c.property) = Shown(c.value);

    EXPECT_EQ(ReadAll(*object), expected);
}

INSTANTIATE_TEST_SUITE_P(Properties, MemberPropertyTest,
    ::testing::Values(MemberPropertyCase { "windowTitle", &NewWindow, "Title", Value(String("Another title")) },
        MemberPropertyCase { "windowMinWidth", &NewWindow, "MinWidth", Value(std::int32_t { 120 }) },
        MemberPropertyCase { "windowPlacement", &NewWindow, "Placement", Value(std::int32_t { 2 }) },
        MemberPropertyCase { "windowFrame", &NewWindow, "Frame", Value(std::int32_t { 3 }) },
        MemberPropertyCase { "windowMacProcId", &NewWindow, "MacProcId", Value(std::int32_t { 7 }) },
        MemberPropertyCase { "windowComposite", &NewWindow, "Composite", Value(true) },
        MemberPropertyCase { "windowLiveResize", &NewWindow, "LiveResize", Value(false) },
        MemberPropertyCase { "windowFullScreenButton", &NewWindow, "FullScreenButton", Value(true) },
        MemberPropertyCase { "menuItemName", &NewMenuItem, "Name", Value(String("FileQuit")) },
        MemberPropertyCase { "menuItemText", &NewMenuItem, "Text", Value(String("&Quit")) },
        MemberPropertyCase { "menuItemKeyboardShortcut", &NewMenuItem, "KeyboardShortcut", Value(String("Cmd+Q")) },
        MemberPropertyCase { "menuItemAutoEnable", &NewMenuItem, "AutoEnable", Value(false) },
        MemberPropertyCase { "menuItemVisible", &NewMenuItem, "Visible", Value(false) },
        MemberPropertyCase { "menuItemEnabled", &NewMenuItem, "Enabled", Value(false) },
        MemberPropertyCase { "controlName", &NewPushButton, "Name", Value(String("Generate")) },
        MemberPropertyCase { "controlIndex", &NewPushButton, "Index", Value(std::int32_t { 4 }) },
        MemberPropertyCase { "rectControlAutoDeactivate", &NewPushButton, "AutoDeactivate", Value(false) },
        MemberPropertyCase { "rectControlLockLeft", &NewPushButton, "LockLeft", Value(true) },
        MemberPropertyCase { "rectControlLockTop", &NewPushButton, "LockTop", Value(true) },
        MemberPropertyCase { "rectControlLockRight", &NewPushButton, "LockRight", Value(true) },
        MemberPropertyCase { "rectControlLockBottom", &NewPushButton, "LockBottom", Value(true) },
        MemberPropertyCase { "rectControlTabPanelIndex", &NewPushButton, "TabPanelIndex", Value(std::int32_t { 3 }) },
        MemberPropertyCase { "rectControlInitialParent", &NewPushButton, "InitialParent", Value(String("Panel1")) },
        MemberPropertyCase { "pushButtonCancel", &NewPushButton, "Cancel", Value(true) },
        MemberPropertyCase { "pushButtonButtonStyle", &NewPushButton, "ButtonStyle", Value(std::int32_t { 2 }) },
        MemberPropertyCase { "labelTransparent", &NewLabel, "Transparent", Value(true) },
        MemberPropertyCase { "textEditLimitText", &NewTextArea, "LimitText", Value(std::int32_t { 12 }) },
        MemberPropertyCase { "textEditMask", &NewTextArea, "Mask", Value(String("###")) },
        MemberPropertyCase { "textEditFormat", &NewTextArea, "Format", Value(String("#.00")) },
        MemberPropertyCase { "textEditHideSelection", &NewTextArea, "HideSelection", Value(false) },
        MemberPropertyCase { "textEditUseFocusRing", &NewTextArea, "UseFocusRing", Value(false) },
        MemberPropertyCase { "textEditStyled", &NewTextArea, "Styled", Value(false) },
        MemberPropertyCase {
            "textEditAutomaticallyCheckSpelling", &NewTextArea, "AutomaticallyCheckSpelling", Value(true) },
        MemberPropertyCase { "dataBoundDataField", &NewCheckBox, "DataField", Value(String("Length")) },
        MemberPropertyCase { "dataBoundDataSource", &NewLabel, "DataSource", Value(String("Settings")) },
        MemberPropertyCase { "exceptionMessage", &NewException, "Message", Value(String("went wrong")) }),
    RowName);

} // namespace
} // namespace fw
