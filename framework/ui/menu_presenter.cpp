#include "ui/menu_presenter.h"

#include "ui/menu_bar.h"
#include "ui/qt_string.h"
#include "ui/standard_edit_actions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace fw {
namespace {

constexpr const char* PresentedBarProperty = "fwPresentedMenuBar";

void AddItems(QMenu& menu, const MenuItem& parent);

void AddItem(QMenu& menu, const Ref<MenuItem>& item)
{
    if (!item->Visible())
        return;
    if (item->IsSeparator()) {
        menu.addSeparator();
        return;
    }
    if (!item->Children().empty()) {
        QMenu* submenu = menu.addMenu(ToQString(item->Text()));
        AddItems(*submenu, *item);
        return;
    }
    QAction* action = menu.addAction(ToQString(item->Text()));
    action->setObjectName(ToQString(item->Name()));
    action->setShortcut(ShortcutFromText(item->KeyboardShortcut()));
    action->setEnabled(item->Enabled());
    // The action holds the item for as long as it exists.
    QObject::connect(action, &QAction::triggered, action, [item] { item->RaiseAction(); });
}

void AddItems(QMenu& menu, const MenuItem& parent)
{
    for (const Ref<MenuItem>& item : parent.Children())
        AddItem(menu, item);
}

// Standard edit items that enable themselves follow what the focused text
// widget can do while the menu is open; with the menu closed they stay
// enabled, so that their shortcuts always reach the widget.
void FollowFocusWhileOpen(QMenu& menu, const MenuItem& topLevel)
{
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu, bar = RefTo(const_cast<MenuItem&>(topLevel))] {
        for (QAction* action : menu.actions()) {
            Ref<MenuItem> item = bar->Child(FromQString(action->objectName()));
            if (item && item->AutoEnable() && IsStandardEditAction(item->Name()))
                action->setEnabled(item->Enabled() && StandardEditActionAvailable(item->Name()));
        }
    });
    QObject::connect(&menu, &QMenu::aboutToHide, &menu, [&menu, bar = RefTo(const_cast<MenuItem&>(topLevel))] {
        for (QAction* action : menu.actions()) {
            if (Ref<MenuItem> item = bar->Child(FromQString(action->objectName())))
                action->setEnabled(item->Enabled());
        }
    });
}

} // namespace

void PresentMenuBarIn(QMenuBar& qtBar, const Ref<MenuBar>& bar)
{
    qtBar.setProperty(PresentedBarProperty, QVariant::fromValue(reinterpret_cast<quintptr>(bar.get())));
    bar->AddPresentation(&qtBar);
    BuildQtMenuBar(qtBar, *bar);
}

void BuildQtMenuBar(QMenuBar& qtBar, MenuBar& bar)
{
    if (qtBar.property(PresentedBarProperty).value<quintptr>() != reinterpret_cast<quintptr>(&bar))
        return;
    // The old menus may be running a triggered signal right now; they go once
    // control returns to the event loop.
    for (QMenu* old : qtBar.findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        old->deleteLater();
    qtBar.clear();
    for (const Ref<MenuItem>& topLevel : bar.Children()) {
        if (!topLevel->Visible())
            continue;
        if (topLevel->Children().empty()) {
            QAction* action = qtBar.addAction(ToQString(topLevel->Text()));
            action->setObjectName(ToQString(topLevel->Name()));
            action->setEnabled(topLevel->Enabled());
            QObject::connect(action, &QAction::triggered, action, [topLevel] { topLevel->RaiseAction(); });
            continue;
        }
        QMenu* menu = qtBar.addMenu(ToQString(topLevel->Text()));
        menu->setObjectName(ToQString(topLevel->Name()));
        AddItems(*menu, *topLevel);
        FollowFocusWhileOpen(*menu, *topLevel);
    }
}

QKeySequence ShortcutFromText(const String& shortcut)
{
    QString text = ToQString(shortcut).trimmed();
    if (text.isEmpty())
        return {};
    text.replace("Cmd+", "Ctrl+", Qt::CaseInsensitive);
    return QKeySequence::fromString(text, QKeySequence::PortableText);
}

} // namespace fw
