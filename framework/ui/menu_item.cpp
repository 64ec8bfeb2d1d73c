#include "ui/menu_item.h"

#include "runtime/exception.h"
#include "runtime/member_property.h"
#include "runtime/method_row.h"
#include "runtime/trace.h"
#include "ui/menu_bar.h"
#include "ui/runtime_host.h"
#include "ui/standard_edit_actions.h"

#include <algorithm>
#include <cassert>
#include <string>

namespace fw {

MenuItem::MenuItem() = default;

MenuItem::~MenuItem()
{
    for (const Ref<MenuItem>& child : children_)
        child->parent_ = nullptr;
}

void MenuItem::Adopt(const Ref<MenuItem>& item)
{
    CheckNotNil(item, "the menu item");
    if (item.get() == this)
        RaiseRuntimeException("a menu item cannot hold itself");
    for (const MenuItem* ancestor = parent_; ancestor; ancestor = ancestor->parent_) {
        if (ancestor == item.get())
            RaiseRuntimeException("a menu item cannot hold one of its own parents");
    }
    if (item->parent_)
        RaiseRuntimeException(String("the menu item " + item->name_.Bytes() + " is in a menu already"));
}

void MenuItem::Append(const Ref<MenuItem>& item)
{
    Adopt(item);
    TraceCall("MenuItem.Append", [&] { return name_.Bytes() + " " + item->name_.Bytes(); });
    children_.push_back(item);
    item->parent_ = this;
    NotifyChanged();
}

Ref<MenuItem> MenuItem::Child(String name)
{
    TraceCall("MenuItem.Child", name.Bytes());
    for (const Ref<MenuItem>& child : children_) {
        if (child->name_ == name)
            return child;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::Clone()
{
    Ref<Object> object = RuntimeNewObject(Class());
    Ref<MenuItem> clone(static_cast<MenuItem*>(object.get()));
    clone->CopyPropertiesFrom(*this);
    for (const Ref<MenuItem>& child : children_)
        clone->Append(child->Clone());
    return clone;
}

void MenuItem::Close() { }
void MenuItem::Constructor() { TraceCall("MenuItem.Constructor"); }

void MenuItem::ConstructorFrom(const Ref<MenuItem>& original)
{
    CheckNotNil(original, "MenuItem.Constructor: the original");
    CopyPropertiesFrom(*original);
}

void MenuItem::ConstructorWithText(String text, Value tag)
{
    SetText(std::move(text));
    tag_ = std::move(tag);
}

std::int32_t MenuItem::Count() { return static_cast<std::int32_t>(children_.size()); }

void MenuItem::Enable() { SetEnabled(true); }

std::int32_t MenuItem::Handle(std::int32_t) { RaiseUnsupported("MenuItem.Handle"); }

void MenuItem::Insert(std::int32_t index, const Ref<MenuItem>& item)
{
    if (index < 0 || index > Count())
        RaiseRuntimeException(String("MenuItem.Insert: index " + std::to_string(index) + " is out of bounds"));
    Adopt(item);
    children_.insert(children_.begin() + index, item);
    item->parent_ = this;
    NotifyChanged();
}

Ref<MenuItem> MenuItem::Item(std::int32_t index)
{
    if (index < 0 || index >= Count())
        RaiseRuntimeException(String("MenuItem.Item: index " + std::to_string(index) + " is out of bounds"));
    return children_[static_cast<std::size_t>(index)];
}

void MenuItem::MenuItemEntry() { Constructor(); }
void MenuItem::MenuItemEntryWithText(String text, Value tag) { ConstructorWithText(std::move(text), std::move(tag)); }
Ref<MenuItem> MenuItem::PopUp() { RaiseUnsupported("MenuItem.PopUp"); }
Ref<MenuItem> MenuItem::PopUpAt(std::int32_t, std::int32_t) { RaiseUnsupported("MenuItem.PopUp"); }

void MenuItem::Remove(std::int32_t index)
{
    Ref<MenuItem> item = Item(index);
    children_.erase(children_.begin() + index);
    item->parent_ = nullptr;
    NotifyChanged();
}

void MenuItem::Remove(const Ref<MenuItem>& item)
{
    const auto found = std::find(children_.begin(), children_.end(), item);
    if (found != children_.end())
        Remove(static_cast<std::int32_t>(found - children_.begin()));
}

void MenuItem::Remove(String name)
{
    if (Ref<MenuItem> item = Child(std::move(name)))
        Remove(item);
}

void MenuItem::_DependencyList() { }

void MenuItem::_DisableEntirely()
{
    SetEnabled(false);
    for (const Ref<MenuItem>& child : children_)
        child->_DisableEntirely();
}

Ref<MenuItem> MenuItem::FindBelow(const String& name, std::int32_t& occurrence)
{
    for (const Ref<MenuItem>& child : children_) {
        if (child->name_ == name && occurrence-- == 0)
            return child;
        if (Ref<MenuItem> found = child->FindBelow(name, occurrence))
            return found;
    }
    return nullptr;
}

// Searches by itself: a subclass may give the form with an occurrence a
// meaning of its own, which a look-up by name alone must not pick up.
Ref<MenuItem> MenuItem::_Lookup(String name)
{
    TraceCall("MenuItem._Lookup", name.Bytes());
    std::int32_t first = 0;
    return FindBelow(name, first);
}

Ref<MenuItem> MenuItem::_Lookup(String name, std::int32_t occurrence)
{
    TraceCall("MenuItem._Lookup", [&] { return name.Bytes() + " " + std::to_string(occurrence); });
    if (occurrence < 0)
        return nullptr;
    return FindBelow(name, occurrence);
}

void MenuItem::_SelfEnable()
{
    if (autoEnable_)
        SetEnabled(true);
}

void MenuItem::_Swap(String name, const Ref<MenuItem>& replacement)
{
    Ref<MenuItem> old = _Lookup(name);
    if (!old)
        RaiseRuntimeException(String("MenuItem._Swap: no item named " + name.Bytes()));
    MenuItem* parent = old->parent_;
    const auto index = static_cast<std::int32_t>(
        std::find(parent->children_.begin(), parent->children_.end(), old) - parent->children_.begin());
    parent->Remove(index);
    parent->Insert(index, replacement);
}

void MenuItem::_InstallClone(const Ref<MenuItem>& original)
{
    CheckNotNil(original, "MenuItem._InstallClone: the original");
    CopyPropertiesFrom(*original);
    while (!children_.empty())
        Remove(0);
    for (const Ref<MenuItem>& child : original->children_)
        Append(child->Clone());
}

void MenuItem::CopyPropertiesFrom(const MenuItem& original)
{
    name_ = original.name_;
    text_ = original.text_;
    autoEnable_ = original.autoEnable_;
    visible_ = original.visible_;
    enabled_ = original.enabled_;
    keyboardShortcut_ = original.keyboardShortcut_;
    tag_ = original.tag_;
    NotifyChanged();
}

void MenuItem::SetName(String name)
{
    TraceCall("MenuItem.Name", name.Bytes());
    name_ = std::move(name);
}

void MenuItem::SetText(String text)
{
    TraceCall("MenuItem.Text", text.Bytes());
    text_ = std::move(text);
    NotifyChanged();
}

void MenuItem::SetAutoEnable(bool value)
{
    TraceCall("MenuItem.AutoEnable", value ? "true" : "false");
    autoEnable_ = value;
    NotifyChanged();
}

void MenuItem::SetVisible(bool value)
{
    TraceCall("MenuItem.Visible", value ? "true" : "false");
    visible_ = value;
    NotifyChanged();
}

void MenuItem::SetEnabled(bool value)
{
    enabled_ = value;
    NotifyChanged();
}

void MenuItem::SetKeyboardShortcut(String shortcut)
{
    TraceCall("MenuItem.KeyboardShortcut", [&] { return name_.Bytes() + " " + shortcut.Bytes(); });
    keyboardShortcut_ = std::move(shortcut);
    NotifyChanged();
}

void MenuItem::NotifyChanged()
{
    MenuItem* root = this;
    while (root->parent_)
        root = root->parent_;
    if (auto* bar = dynamic_cast<MenuBar*>(root))
        bar->RefreshPresentations();
}

void MenuItem::RaiseAction()
{
    Ref<MenuItem> self = RefTo(*this);
    if (const Thunk* handler = Class()->EventHandler(IndexOf(Event::Action))) {
        RunProgramCode([&] { (*handler)(*self, {}); });
        return;
    }
    RunStandardEditAction(name_);
}

void MenuItem::FillMethodTable(ClassTable& t)
{
    using M = MenuItem;
    const MethodRow rows[] = {
        Method("Append", &M::Append),
        Method("Child", &M::Child),
        Method("Clone", &M::Clone),
        Method("Close", &M::Close),
        Method("Constructor", &M::Constructor),
        Method("Constructor", &M::ConstructorFrom),
        Method("Constructor", &M::ConstructorWithText),
        Method("Count", &M::Count),
        Method("Enable", &M::Enable),
        MethodWithSignature("Handle", &M::Handle, WrittenSignature::UnmodelledType, "(MenuItem.HandleType) as Int32"),
        Method("Insert", &M::Insert),
        Method("Item", &M::Item),
        Method("MenuItem", &M::MenuItemEntry),
        Method("MenuItem", &M::MenuItemEntryWithText),
        Method("PopUp", &M::PopUp),
        Method("PopUp", &M::PopUpAt),
        Method("Remove", static_cast<void (M::*)(std::int32_t)>(&M::Remove)),
        Method("Remove", static_cast<void (M::*)(const Ref<MenuItem>&)>(&M::Remove)),
        Method("Remove", static_cast<void (M::*)(String)>(&M::Remove)),
        Method("_DependencyList", &M::_DependencyList),
        Method("_DisableEntirely", &M::_DisableEntirely),
        Method("_Lookup", static_cast<Ref<MenuItem> (M::*)(String)>(&M::_Lookup)),
        Method("_Lookup", static_cast<Ref<MenuItem> (M::*)(String, std::int32_t)>(&M::_Lookup)),
        Method("_SelfEnable", &M::_SelfEnable),
        Method("_Swap", &M::_Swap),
        Method("_InstallClone", &M::_InstallClone),
    };
    AddFrameworkMethods(t, rows);
    assert(t.methods->Size() == MethodCount);
}

const ClassTable* MenuItem::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<MenuItem>(ObjectClass(), "MenuItem", Entries::Own);
        FillMethodTable(*t);
        AddOwnEvents(*t, Event::Action, EventNames);
        using M = MenuItem;
        AddMemberProperty(t, "Name", &M::Name, &M::SetName);
        AddMemberProperty(t, "Text", &M::Text, &M::SetText);
        AddMemberProperty(t, "KeyboardShortcut", &M::KeyboardShortcut, &M::SetKeyboardShortcut);
        AddMemberProperty(t, "AutoEnable", &M::AutoEnable, &M::SetAutoEnable);
        AddMemberProperty(t, "Visible", &M::Visible, &M::SetVisible);
        AddMemberProperty(t, "Enabled", &M::Enabled, &M::SetEnabled);
        return t;
    }();
    return table;
}

} // namespace fw
