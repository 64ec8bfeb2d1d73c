#include "ui/data_bound.h"

#include "runtime/member_property.h"

namespace fw {

void DataBound::RegisterProperties(ClassTable* t)
{
    AddMemberProperty(t, "DataField", &DataBound::DataField, &DataBound::SetDataField);
    AddMemberProperty(t, "DataSource", &DataBound::DataSource, &DataBound::SetDataSource);
}

} // namespace fw
