// The window takes each control's handler out of its class's method table
// when it wires the control. A class table that lacks a handler stops the
// layout with an exception naming the class and the handler, in every build
// (the suite is built with NDEBUG), instead of binding a null entry.
#include "program_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace pwgen {
namespace {

using namespace pwgen::testing;

// Window1's class as the program builds it, without one handler's entry.
const fw::ClassTable* Window1ClassWithout(const std::string& missing)
{
    fw::ClassTable* table = fw::NewClass<Window1>(fw::Window::__Lookup(), "Window1.Window1", fw::Entries::Own);
    for (const fw::MethodEntry& entry : Window1::__Lookup()->methods->Entries()) {
        if (entry.name != missing)
            table->methods->Append(entry);
    }
    return table;
}

class HandlerLookupTest : public ProgramTest { };

TEST_F(HandlerLookupTest, AMissingHandlerStopsTheLayoutNamingTheClassAndTheHandler)
{
    const Ref<Window1> window
        = fw::RuntimeCheckCast<Window1>(fw::RuntimeNewObject(Window1::__Lookup()), Window1::__Lookup());
    window->SetClass(Window1ClassWithout("UseSymbols_Action"));

    try {
        window->_CreateControls0();
        ADD_FAILURE() << "no exception raised";
    } catch (const fw::RaisedException& raised) {
        const auto* exception = dynamic_cast<const fw::RuntimeException*>(raised.Exception().get());
        ASSERT_NE(exception, nullptr) << raised.what();
        EXPECT_EQ(exception->Message().Bytes(), "Window1.Window1 has no method UseSymbols_Action in its method table");
    }

    // The box whose handler is missing was made, but nothing was bound to it.
    const Ref<fw::Object> box = window->_ControlByName("UseSymbols");
    ASSERT_TRUE(box);
    EXPECT_FALSE(static_cast<fw::Control&>(*box).EventDelegate(fw::IndexOf(fw::CheckBox::Event::Action)));
    window->ReleaseControls();
}

} // namespace
} // namespace pwgen
