// The property setter: applies a property record (a byte string of items, each
// a property name, one space and the value) to an object.
//
// Policy: all or nothing. A record is read whole, by the types of the
// receiving class's properties, and every value is checked against its
// property's rule, before anything is set. Names are matched letter case
// ignored, in the class and its bases. The record's length bounds it; zero
// bytes are ordinary bytes. A record that breaks the format, or holds a value
// that its property refuses, raises a RuntimeException whose message names the
// class, the property (or the bad name) and the byte offset, and the object is
// left unchanged: a name the class lacks, an empty name, a name with no space
// after it, a byte other than an ASCII letter in a name, a value running past
// the end, a Boolean byte other than 00 or 01, a property named twice, a Double
// or a read-only property, and a value its setter would refuse (a State of 7,
// a negative Width). A record that passes is then applied item by item, in
// record order. Only a setter that fails for a reason outside its value (the
// clipboard's Text before the application has started) can still stop the
// call midway; no control's setter does.
//
// Value forms: Int32 is 4 bytes big-endian two's complement; Boolean is one
// byte 00 or 01; Color is 3 bytes red, green, blue; String is a 4-byte
// big-endian length N and then N bytes. A Double has no record form.
#pragma once

#include "runtime/class_table.h"
#include "runtime/object.h"
#include "runtime/value.h"
#include "text/string.h"

#include <cstddef>
#include <string>
#include <vector>

namespace fw {

// One item as read from a record.
struct RecordItem {
    std::string name; // as the record spells it
    std::size_t offset; // of the name's first byte
    const PropertyDescriptor* property; // the class's property of that name
    Value value; // of the property's type
};

// Reads every item of `record` by the types of `table`'s properties and checks
// each value against its property's rule, or raises a RuntimeException for a
// malformed record or a refused value. Sets nothing.
std::vector<RecordItem> ReadPropertyRecord(const ClassTable& table, const String& record);

// Reads and checks the whole record against the object's class, then sets
// every item in record order through its property's setter. Holds a
// reference to the object for the whole call. A nil object raises
// NilObjectException.
void RuntimeMassPropertySetter(const Ref<Object>& object, const String& record);

// The module function the program applies its records with; hands both on to
// RuntimeMassPropertySetter.
void _SetProperties(const Ref<Object>& object, const String& record);

} // namespace fw
