// The one header through which the program sees the application framework.
#pragma once

#include "runtime/class_table.h"
#include "runtime/delegate.h"
#include "runtime/exception.h"
#include "runtime/method_row.h"
#include "runtime/object.h"
#include "runtime/property_setter.h"
#include "runtime/thunk.h"
#include "services/random.h"
#include "services/system.h"
#include "text/string.h"
#include "text/text.h"
#include "ui/application.h"
#include "ui/check_box.h"
#include "ui/clipboard.h"
#include "ui/control.h"
#include "ui/label.h"
#include "ui/menu_bar.h"
#include "ui/menu_item.h"
#include "ui/push_button.h"
#include "ui/quit_menu_item.h"
#include "ui/runtime_host.h"
#include "ui/slider.h"
#include "ui/text_area.h"
#include "ui/window.h"

namespace pwgen {

using namespace fw;

// A new, unconstructed object of class T.
template <class T> Ref<T> NewObject() { return RuntimeCheckCast<T>(RuntimeNewObject(T::__Lookup()), T::__Lookup()); }

} // namespace pwgen
