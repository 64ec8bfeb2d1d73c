#include "runtime/method_row.h"

#include "runtime/exception.h"

#include <utility>

namespace fw {

std::string SignatureText(const std::vector<std::string>& parameterTypes, const std::string& resultType)
{
    std::string text = "(";
    for (std::size_t i = 0; i < parameterTypes.size(); ++i)
        text += (i == 0 ? "" : ", ") + parameterTypes[i];
    text += ")";
    if (!resultType.empty())
        text += " as " + resultType;
    return text;
}

MethodRow Hidden(MethodRow row)
{
    row.attributes.push_back({ "Hidden", std::nullopt });
    return row;
}

void AddOwnMethods(ClassTable& table, std::span<const MethodRow> rows)
{
    if (!table.methods)
        RaiseRuntimeException(String("class " + table.name + " has no method table to add to"));
    for (const MethodRow& row : rows) {
        if (row.slot == Slot::ReplaceParents)
            table.methods->Replace(row.entry);
        else
            table.methods->Append(row.entry);
        table.introspection.push_back(
            MakeIntrospectionEntry(row.entry, row.parameterTypes, row.resultType, row.attributes));
    }
}

} // namespace fw
