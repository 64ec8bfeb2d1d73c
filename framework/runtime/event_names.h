// A class's events: an enum of their indices in the class's event table and,
// beside it, an array of their names in the same order, for one idiom in
// every class:
//
//     enum class Event { Action = IndexOf(RectControl::Event::EventCount), EventCount };
//     static constexpr std::array<const char*, 1> EventNames = { "Action" };
//     static_assert(NamesEveryOwnEvent(Event::Action, EventNames));
//
// A child's first event continues its parent's count, so that the indices
// that the program passes line up with the inherited table.
#pragma once

#include "runtime/class_table.h"

#include <array>
#include <cstddef>
#include <span>

namespace fw {

// The index of an event in its class's event table.
template <class E> constexpr int IndexOf(E event) noexcept { return static_cast<int>(event); }

// True when `names` names each of the class's own events, from `first` to
// E::EventCount.
template <class E, std::size_t N>
constexpr bool NamesEveryOwnEvent(E first, const std::array<const char*, N>& /*names*/) noexcept
{
    return IndexOf(E::EventCount) - IndexOf(first) == static_cast<int>(N);
}

// Appends the class's own events, named in index order from `firstIndex`.
// The inherited table must end just before it; a class whose parent's events
// grew raises a RuntimeException here, in every build, since its handlers
// would run for the wrong events.
void AddOwnEvents(ClassTable& table, int firstIndex, std::span<const char* const> names);

template <class E, std::size_t N> void AddOwnEvents(ClassTable& table, E first, const std::array<const char*, N>& names)
{
    AddOwnEvents(table, IndexOf(first), std::span<const char* const>(names));
}

} // namespace fw
