// The root of a menu tree: its children are the menus shown on the bar.
#pragma once

#include "ui/menu_item.h"

#include <QPointer>
#include <vector>

class QMenuBar;

namespace fw {

class MenuBar : public MenuItem {
public:
    // Ready to take menus as soon as it is created, before any constructor
    // entry runs.
    MenuBar();
    ~MenuBar() override;

    void _DependencyList() override;
    void _InstallClone(const Ref<MenuItem>& original) override;

    // Qt menu bars that show this tree; each is rebuilt when the tree changes.
    void AddPresentation(QMenuBar* qtBar);
    void RefreshPresentations();

    static const ClassTable* __Lookup();

private:
    std::vector<QPointer<QMenuBar>> presentations_;
    bool refreshing_ = false;
};

} // namespace fw
