#pragma once

#include <string>

namespace cvn::test {

// Names each row of a parameterised table by its Name field, so ctest lists the rows
// readably and under the same names from run to run.
struct RowName {
    template <class TInfo> std::string operator()(const TInfo& info) const {
        return info.param.Name;
    }
};

} // namespace cvn::test
