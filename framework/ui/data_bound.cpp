#include "ui/data_bound.h"

#include "runtime/member_property.h"

namespace fw {

void DataBound::RegisterProperties(ClassTable* t)
{
    AddMemberProperty(t, "DataField", &DataBound::dataField_);
    AddMemberProperty(t, "DataSource", &DataBound::dataSource_);
}

} // namespace fw
