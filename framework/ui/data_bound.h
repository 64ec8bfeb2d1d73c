// The data-binding names of the check box, the label and the text
// controls. Nothing binds data here: both are kept and read back.
#pragma once

#include "runtime/class_table.h"
#include "text/string.h"

namespace fw {

class DataBound {
public:
    DataBound() = default;
    DataBound(const DataBound&) = delete;
    DataBound& operator=(const DataBound&) = delete;
    virtual ~DataBound() = default;

    // DataField and DataSource.
    static void RegisterProperties(ClassTable* table);

private:
    String dataField_;
    String dataSource_;
};

} // namespace fw
