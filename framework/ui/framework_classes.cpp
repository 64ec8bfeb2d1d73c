#include "ui/framework_classes.h"

#include "runtime/delegate.h"
#include "runtime/exception.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/menu_bar.h"
#include "ui/quit_menu_item.h"
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
    MenuItem::__Lookup();
    MenuBar::__Lookup();
    QuitMenuItem::__Lookup();
}

} // namespace fw
