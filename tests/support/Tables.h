#pragma once

#include "catalogue/TxtTable.h"

#include <initializer_list>
#include <string>

namespace cvn::test {

// A table in memory, one line per row, as a loaded file would hold it.
inline TTxtTable TableOf(std::initializer_list<std::string> lines) {
    TTxtTable table;
    table.Lines.assign(lines.begin(), lines.end());
    return table;
}

} // namespace cvn::test
