#include "runtime/method_row.h"

#include "runtime/exception.h"

#include <utility>

namespace fw {
namespace {

enum class Listing { Introspected, MethodTableOnly };

void AddRows(ClassTable& table, std::span<const MethodRow> rows, Listing listing)
{
    if (!table.methods)
        RaiseRuntimeException(String("class " + table.name + " has no method table to add to"));
    for (const MethodRow& row : rows) {
        std::vector<std::string> parameterTypes;
        for (TypeNamer name : row.parameterTypes)
            parameterTypes.push_back(name(table));
        const std::string resultType = row.resultType ? row.resultType(table) : std::string();
        MethodEntry entry { row.name, row.writtenSignature.value_or(SignatureText(parameterTypes, resultType)),
            row.thunk };
        if (listing == Listing::Introspected)
            table.introspection.push_back(
                MakeIntrospectionEntry(entry, std::move(parameterTypes), resultType, row.attributes));
        if (row.slot == Slot::ReplaceParents)
            table.methods->Replace(std::move(entry));
        else
            table.methods->Append(std::move(entry));
    }
}

} // namespace

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

void AddOwnMethods(ClassTable& table, std::span<const MethodRow> rows) { AddRows(table, rows, Listing::Introspected); }

void AddFrameworkMethods(ClassTable& table, std::span<const MethodRow> rows)
{
    AddRows(table, rows, Listing::MethodTableOnly);
}

} // namespace fw
