#include "ui/framework_classes.h"

#include "runtime/delegate.h"
#include "runtime/exception.h"
#include "services/random.h"
#include "ui/application.h"
#include "ui/check_box.h"
#include "ui/clipboard.h"
#include "ui/control.h"
#include "ui/label.h"
#include "ui/menu_bar.h"
#include "ui/push_button.h"
#include "ui/quit_menu_item.h"
#include "ui/rect_control.h"
#include "ui/slider.h"
#include "ui/text_area.h"
#include "ui/text_edit.h"
#include "ui/window.h"

namespace fw {

void SetUpFrameworkClasses()
{
    ObjectClass();
    RuntimeException::__Lookup();
    NilObjectException::__Lookup();
    IllegalCastException::__Lookup();
    Delegate::__Lookup();
    Application::__Lookup();
    Window::__Lookup();
    Control::__Lookup();
    // Each control class after its base.
    RectControl::__Lookup();
    PushButton::__Lookup();
    CheckBox::__Lookup();
    Slider::__Lookup();
    Label::__Lookup();
    TextEdit::__Lookup();
    TextArea::__Lookup();
    MenuItem::__Lookup();
    MenuBar::__Lookup();
    QuitMenuItem::__Lookup();
    Clipboard::__Lookup();
    Random::__Lookup();
}

} // namespace fw
