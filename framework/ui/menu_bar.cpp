#include "ui/menu_bar.h"

#include "runtime/method_row.h"
#include "ui/menu_presenter.h"

#include <QMenuBar>
#include <algorithm>
#include <cassert>

namespace fw {

MenuBar::MenuBar() = default;
MenuBar::~MenuBar() = default;

void MenuBar::_DependencyList() { }

void MenuBar::_InstallClone(const Ref<MenuItem>& original)
{
    MenuItem::_InstallClone(original);
    RefreshPresentations();
}

void MenuBar::AddPresentation(QMenuBar* qtBar)
{
    const auto known = std::find(presentations_.begin(), presentations_.end(), qtBar);
    if (known == presentations_.end())
        presentations_.emplace_back(qtBar);
}

void MenuBar::RefreshPresentations()
{
    if (refreshing_)
        return;
    refreshing_ = true;
    std::erase_if(presentations_, [](const QPointer<QMenuBar>& bar) { return bar.isNull(); });
    for (const QPointer<QMenuBar>& qtBar : presentations_)
        BuildQtMenuBar(*qtBar, *this);
    refreshing_ = false;
}

const ClassTable* MenuBar::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<MenuBar>(MenuItem::__Lookup(), "MenuBar");
        // The bar's own versions of two entries.
        const MethodRow rows[] = {
            Method("_DependencyList", &MenuBar::_DependencyList, Slot::ReplaceParents),
            Method("_InstallClone", &MenuBar::_InstallClone, Slot::ReplaceParents),
        };
        AddFrameworkMethods(*t, rows);
        assert(t->methods->Size() == MethodCount);
        return t;
    }();
    return table;
}

} // namespace fw
