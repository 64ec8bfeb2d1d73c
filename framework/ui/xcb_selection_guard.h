// A guard in front of Qt's answers to other X clients' requests for the
// MULTIPLE target of a selection the program owns.
//
// Why: on X11 the program itself holds the clipboard's contents (and, while
// text is selected, the PRIMARY selection's), so any client on the display
// may ask it for them. A request for MULTIPLE names a property on the
// requestor's window that lists (target, property) pairs of atoms. Qt 6.4's
// xcb plugin reads that list into a buffer of whole pairs (the atom count
// halved, rounded down) but copies every byte of the property into it: with
// an odd number of atoms the last one lands 4 bytes past the buffer's end.
// One ordinary ConvertSelection from any client thus corrupts the program's
// heap (AddressSanitizer: heap-buffer-overflow in
// QXcbConnection::handleXcbEvent; a release build aborts with "corrupted size
// vs. prev_size"). For an empty list Qt also leaks the buffer.
//
// What: a native event filter that looks at every SelectionRequest (sent
// ones too) for the target MULTIPLE, on any selection, before Qt does, and
// reads the size and format of the property it names (one GetProperty of no
// data; the pairs themselves stay for Qt to read). It refuses the request
// when
//   - the property is None (ICCCM 2.6.2: MULTIPLE needs one),
//   - the property cannot be read (the window is gone) or is not there,
//   - its format is not 32,
//   - it holds an odd number of atoms, or none,
//   - it holds more than kMostMultiplePairs pairs: no client asks for more
//     than a few targets, and Qt writes the list back in one request, which
//     past the server's largest request size ends the connection. Every X
//     server takes a request of 4096 words; 1024 pairs write back in 2054.
// The property's type is not checked: ICCCM asks for ATOM_PAIR, but libXt
// writes the list with the property's own name as its type, and Qt reads any.
// A refusal is what ICCCM 2.2 says an owner answers when it cannot convert:
// a SelectionNotify to the requestor, for its selection, target and time,
// with property None. Qt never sees a refused request. Every other event,
// every request for another target, and every well-formed MULTIPLE go to Qt
// untouched.
//
// What it does not do: the filter reads the property a moment before Qt
// reads it again, and a client that rewrites it in between on purpose can
// still reach Qt's bug. That takes a hostile client, which on X11 can already
// read the clipboard, type into the window or cut the program's connection;
// the guard keeps a buggy or careless one from ending the program.
#pragma once

#include <cstdint>

namespace fw {

// The most (target, property) pairs that a MULTIPLE request may name.
inline constexpr std::uint32_t kMostMultiplePairs = 1024;

// Installs the guard in the running QApplication when its platform is xcb;
// on any other platform (offscreen, Wayland) does nothing. Installing it
// again is harmless.
void InstallXcbSelectionGuard();

} // namespace fw
