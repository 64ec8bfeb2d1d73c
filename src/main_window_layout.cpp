// Window1's layout: the menu bar and the window's record, then the seven
// controls, each created, constructed, registered, given its properties and
// wired to its handler before the next one is made.
#include "main_window.h"
#include "menu_bar.h"
#include "property_record.h"

namespace pwgen {
namespace {

// Every step after registration fetches the control again by its name: the
// window owns it, the program keeps no reference.
template <class K> Ref<K> Fetch(Window& window, const String& name)
{
    return RuntimeCheckCast<K>(window._ControlByName(name), K::__Lookup());
}

template <class K> void CreateAndRegister(Window& window, const String& name)
{
    Ref<RectControl> control = RuntimeCheckCast<RectControl>(window.__New(K::__Lookup()), K::__Lookup());
    control->Constructor();
    window._AddControl(name, control);
}

// The class the window was made from, whose method table holds its handlers.
const ClassTable& WindowClass(const Window& window)
{
    if (!window.Class())
        RaiseRuntimeException("Window1: the window was made without a class table to take its handlers from");
    return *window.Class();
}

// The handler is taken from the window's method table as it stands now and
// bound to the window; the control calls it with itself.
template <class K, int EventIndex>
void AttachHandler(Window& window, const String& name, const char* handler, const char* signature)
{
    Ref<K> control = Fetch<K>(window, name);
    const MethodEntry& entry = WindowClass(window).RequireMethod(handler);
    Ref<Delegate> delegate
        = RuntimeCreateDelegate(&invokers::ControlHandler<K>, entry.thunk, RefTo<Object>(window), signature, 1);
    RuntimeAddEventHandler(control, EventIndex, &ControlEventStub<EventIndex>, std::move(delegate));
}

template <class K> void SetTextUnit(Window& window, const String& name)
{
    Fetch<K>(window, name)->SetTextUnit(FontUnit::Default);
}

template <class K> void ApplyRecord(Window& window, const String& name, const String& record)
{
    _SetProperties(Fetch<K>(window, name), record);
}

// A push button or a check box: text unit, record, Action handler.
template <class K>
void BuildClickable(
    Window& window, const String& name, const String& record, const char* handler, const char* signature)
{
    CreateAndRegister<K>(window, name);
    SetTextUnit<K>(window, name);
    ApplyRecord<K>(window, name, record);
    AttachHandler<K, IndexOf(K::Event::Action)>(window, name, handler, signature);
}

} // namespace

void Window1::Layout()
{
    SetMenuBar(global::MainMenuBar());
    _SetProperties(RefTo<Object>(*this), WindowRecord());
}

void Window1::CreateControls() { _CreateControls0(); }

void Window1::_CreateControls0()
{
    Window& window = *this;

    BuildClickable<PushButton>(window, "Generate", GenerateRecord(), "Generate_Action", "( PushButton )");
    BuildClickable<CheckBox>(window, "UseCaps", UseCapsRecord(), "UseCaps_Action", "( CheckBox )");
    BuildClickable<CheckBox>(window, "UseNumbers", UseNumbersRecord(), "UseNumbers_Action", "( CheckBox )");
    BuildClickable<CheckBox>(window, "UseSymbols", UseSymbolsRecord(), "UseSymbols_Action", "( CheckBox )");

    // The slider has no text and so no text unit.
    CreateAndRegister<Slider>(window, "PassSize");
    ApplyRecord<Slider>(window, "PassSize", PassSizeRecord());
    AttachHandler<Slider, IndexOf(Slider::Event::ValueChanged)>(
        window, "PassSize", "PassSize_ValueChanged", "( Slider )");

    CreateAndRegister<Label>(window, "Label1");
    SetTextUnit<Label>(window, "Label1");
    ApplyRecord<Label>(window, "Label1", Label1Record());

    CreateAndRegister<TextArea>(window, "TextArea1");
    SetTextUnit<TextArea>(window, "TextArea1");
    Fetch<TextArea>(window, "TextArea1")->SetLineSpacing(1.0);
    ApplyRecord<TextArea>(window, "TextArea1", TextArea1Record());
}

} // namespace pwgen
