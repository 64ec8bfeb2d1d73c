// MenuItem._Lookup with a name alone: it searches the whole tree below the
// item itself, without the form that also takes an occurrence.
#include "ui/menu_item.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace fw {
namespace {

// Counts the calls of the form with an occurrence, which a subclass may
// override with a meaning of its own.
class CountingMenu : public MenuItem {
public:
    using MenuItem::_Lookup;
    Ref<MenuItem> _Lookup(String name, std::int32_t occurrence) override
    {
        ++occurrenceLookups;
        return MenuItem::_Lookup(std::move(name), occurrence);
    }

    int occurrenceLookups = 0;
};

Ref<MenuItem> NewItem(const char* name)
{
    Ref<MenuItem> item = MakeRef<MenuItem>();
    item->SetName(String(name));
    return item;
}

TEST(MenuLookupTest, NameAloneFindsTheFirstItemAtAnyDepthWithoutTheOccurrenceForm)
{
    const Ref<CountingMenu> bar = MakeRef<CountingMenu>();
    const Ref<MenuItem> file = NewItem("FileMenu");
    const Ref<MenuItem> quit = NewItem("Quit");
    const Ref<MenuItem> edit = NewItem("EditMenu");
    const Ref<MenuItem> secondQuit = NewItem("Quit");
    file->Append(quit);
    edit->Append(secondQuit);
    bar->Append(file);
    bar->Append(edit);

    EXPECT_EQ(bar->_Lookup(String("Quit")), quit);
    EXPECT_EQ(bar->_Lookup(String("EditMenu")), edit);
    EXPECT_EQ(bar->_Lookup(String("Missing")), nullptr);
    EXPECT_EQ(bar->occurrenceLookups, 0);

    EXPECT_EQ(bar->_Lookup(String("Quit"), 1), secondQuit);
    EXPECT_EQ(bar->occurrenceLookups, 1);
}

} // namespace
} // namespace fw
