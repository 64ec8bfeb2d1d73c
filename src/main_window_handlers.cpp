// Window1's event handlers: every user action on the controls makes a new
// password; the button also copies and selects it; closing the window quits.
#include "app.h"
#include "main_window.h"

namespace pwgen {
namespace {

// What the label beside the slider says after its number.
const Text kCharsLong = " chars long";

// A new password from the boxes' current states, shown and, with `copy`, put
// on the clipboard.
void Regenerate(bool copy)
{
    Ref<App> application = global::App();
    application->assemble(global::App()->valid_letters(), copy);
}

} // namespace

void Window1::Generate_Action(Ref<PushButton> /*button*/)
{
    Regenerate(true);
    global::Window1()->TextArea1()->SetSelStart(0);
    Ref<TextArea> textArea = global::Window1()->TextArea1();
    textArea->SetSelLength(Len(global::Window1()->TextArea1()->Text()));
}

void Window1::UseCaps_Action(Ref<CheckBox> /*box*/) { Regenerate(false); }
void Window1::UseNumbers_Action(Ref<CheckBox> /*box*/) { Regenerate(false); }
void Window1::UseSymbols_Action(Ref<CheckBox> /*box*/) { Regenerate(false); }

void Window1::PassSize_ValueChanged(Ref<Slider> slider)
{
    Ref<Label> label = Label1();
    const std::int32_t length = slider->Value();
    label->SetText(RuntimeStringFromText(RuntimeConcatText(Int32::ToText(length), kCharsLong)));
    Regenerate(false);
}

void Window1::Event_Close() { Quit(0); }

} // namespace pwgen
