#pragma once

#include "catalogue/Files.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace cvn::test {

// The bytes of a file under tests/orders/cases/.
inline std::string CaseFile(const std::string& name) {
    std::string bytes, error;
    EXPECT_TRUE(ReadWholeFile(CORVANE_TEST_DATA_DIR "orders/cases/" + name, bytes, error)) << error;
    return bytes;
}

// The order of a case file as the order list holds it; empty for no name. The case
// order has an "N/A" price, a metric line, step-twist and pressure-window lines, "°",
// "&", "<", ">" and blanks around values.
inline TTxtTable CaseOrder(const std::string& name = "order-lines.in") {
    TTxtTable order;
    if (!name.empty()) {
        order.Lines = SplitLines(CaseFile(name));
    }
    return order;
}

// Makes the folder the program folder, with the step-twist of the case order listed
// so that it is told from a pressure window.
inline void UseForCaseOrder(const TTempFolder& folder) {
    folder.UseAsAppPath();
    folder.WriteTable("StepTwist.tbl", {"Waveguide|Band|Range|VSWR|Part Number",
                                        "090|S|8.2-12.4 GHz|1.15:1|WST090S"});
}

} // namespace cvn::test
