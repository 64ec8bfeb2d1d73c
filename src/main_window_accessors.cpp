// Window1's accessors: each control and each menu item, found by its name
// every time; nothing is cached.
#include "main_window.h"

namespace pwgen {
namespace {

template <class K> Ref<K> ControlNamed(Window& window, const char* name)
{
    return RuntimeCheckCast<K>(window._ControlByName(name), K::__Lookup());
}

template <class K> Ref<K> MenuItemNamed(Window& window, const char* name)
{
    const Ref<MenuBar>& bar = CheckNotNil(window.MenuBar(), "the window's menu bar");
    return RuntimeCheckCast<K>(bar->_Lookup(name), K::__Lookup());
}

} // namespace

Ref<PushButton> Window1::Generate() { return ControlNamed<PushButton>(*this, "Generate"); }
Ref<CheckBox> Window1::UseCaps() { return ControlNamed<CheckBox>(*this, "UseCaps"); }
Ref<CheckBox> Window1::UseNumbers() { return ControlNamed<CheckBox>(*this, "UseNumbers"); }
Ref<CheckBox> Window1::UseSymbols() { return ControlNamed<CheckBox>(*this, "UseSymbols"); }
Ref<Slider> Window1::PassSize() { return ControlNamed<Slider>(*this, "PassSize"); }
Ref<Label> Window1::Label1() { return ControlNamed<Label>(*this, "Label1"); }
Ref<TextArea> Window1::TextArea1() { return ControlNamed<TextArea>(*this, "TextArea1"); }

Ref<MenuItem> Window1::EditMenu() { return MenuItemNamed<MenuItem>(*this, "EditMenu"); }
Ref<MenuItem> Window1::EditSelectAll() { return MenuItemNamed<MenuItem>(*this, "EditSelectAll"); }
Ref<MenuItem> Window1::EditSeparator2() { return MenuItemNamed<MenuItem>(*this, "EditSeparator2"); }
Ref<MenuItem> Window1::EditClear() { return MenuItemNamed<MenuItem>(*this, "EditClear"); }
Ref<MenuItem> Window1::EditPaste() { return MenuItemNamed<MenuItem>(*this, "EditPaste"); }
Ref<MenuItem> Window1::EditCopy() { return MenuItemNamed<MenuItem>(*this, "EditCopy"); }
Ref<MenuItem> Window1::EditCut() { return MenuItemNamed<MenuItem>(*this, "EditCut"); }
Ref<MenuItem> Window1::EditSeparator1() { return MenuItemNamed<MenuItem>(*this, "EditSeparator1"); }
Ref<MenuItem> Window1::EditUndo() { return MenuItemNamed<MenuItem>(*this, "EditUndo"); }
Ref<MenuItem> Window1::FileMenu() { return MenuItemNamed<MenuItem>(*this, "FileMenu"); }
Ref<QuitMenuItem> Window1::FileQuit() { return MenuItemNamed<QuitMenuItem>(*this, "FileQuit"); }

} // namespace pwgen
