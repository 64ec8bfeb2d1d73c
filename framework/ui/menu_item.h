// Menu items form a tree: a menu bar holds menus, a menu holds items. The
// tree is framework data; windows present it as Qt menus.
#pragma once

#include "runtime/class_table.h"
#include "runtime/event_names.h"
#include "runtime/object.h"
#include "runtime/value.h"
#include "text/string.h"

#include <array>
#include <cstdint>
#include <vector>

namespace fw {

class MenuBar;

class MenuItem : public Object {
public:
    // The item's events, in event-table order.
    enum class Event { Action, EnableMenu, EventCount };
    static constexpr std::array<const char*, 2> EventNames = { "Action", "EnableMenu" };
    static_assert(NamesEveryOwnEvent(Event::Action, EventNames));

    MenuItem();
    ~MenuItem() override;

    // Method-table entries, in slot order.
    virtual void Append(const Ref<MenuItem>& item);
    // The direct child of that name, or nil.
    virtual Ref<MenuItem> Child(String name);
    virtual Ref<MenuItem> Clone();
    virtual void Close();
    virtual void Constructor();
    virtual void ConstructorFrom(const Ref<MenuItem>& original);
    virtual void ConstructorWithText(String text, Value tag);
    virtual std::int32_t Count();
    virtual void Enable();
    virtual std::int32_t Handle(std::int32_t handleType);
    virtual void Insert(std::int32_t index, const Ref<MenuItem>& item);
    virtual Ref<MenuItem> Item(std::int32_t index);
    virtual void MenuItemEntry();
    virtual void MenuItemEntryWithText(String text, Value tag);
    virtual Ref<MenuItem> PopUp();
    virtual Ref<MenuItem> PopUpAt(std::int32_t left, std::int32_t top);
    virtual void Remove(std::int32_t index);
    virtual void Remove(const Ref<MenuItem>& item);
    virtual void Remove(String name);
    virtual void _DependencyList();
    virtual void _DisableEntirely();
    // The item of that name anywhere below this one, depth first, or nil.
    virtual Ref<MenuItem> _Lookup(String name);
    // The occurrence-th (from 0) item of that name below this one, or nil.
    virtual Ref<MenuItem> _Lookup(String name, std::int32_t occurrence);
    virtual void _SelfEnable();
    virtual void _Swap(String name, const Ref<MenuItem>& replacement);
    virtual void _InstallClone(const Ref<MenuItem>& original);

    static constexpr std::size_t MethodCount = 26;

    // Properties.
    const String& Name() const noexcept { return name_; }
    void SetName(String name);
    const String& Text() const noexcept { return text_; }
    void SetText(String text);
    bool AutoEnable() const noexcept { return autoEnable_; }
    void SetAutoEnable(bool value);
    bool Visible() const noexcept { return visible_; }
    void SetVisible(bool value);
    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool value);
    // "Cmd+" followed by a key; empty for none.
    const String& KeyboardShortcut() const noexcept { return keyboardShortcut_; }
    void SetKeyboardShortcut(String shortcut);
    const Value& Tag() const noexcept { return tag_; }

    const std::vector<Ref<MenuItem>>& Children() const noexcept { return children_; }
    MenuItem* Parent() const noexcept { return parent_; }
    bool IsSeparator() const { return text_ == String("-"); }

    // Raises Action for a user's choice: the class's handler runs as program
    // code; an item whose class handles no Action does the platform's standard
    // action for its name, if it has one.
    void RaiseAction();

    static const ClassTable* __Lookup();

protected:
    // Tells the bar at the root that the tree changed, so windows show it anew.
    void NotifyChanged();
    static void FillMethodTable(ClassTable& table);

private:
    void Adopt(const Ref<MenuItem>& item);
    void CopyPropertiesFrom(const MenuItem& original);
    Ref<MenuItem> FindBelow(const String& name, std::int32_t& occurrence);

    String name_;
    String text_;
    bool autoEnable_ = true;
    bool visible_ = true;
    bool enabled_ = true;
    String keyboardShortcut_;
    Value tag_;
    std::vector<Ref<MenuItem>> children_;
    MenuItem* parent_ = nullptr; // not owning: the parent owns this item
};

} // namespace fw
