// An order file of any bytes through every export writer. Each format must hold one
// line per order line after its header, and the XML document only bytes and markup
// that a parser accepts.
#include "catalogue/Files.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "orders/OrderExport.h"
#include "orders/SiteList.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>

using namespace cvn;

namespace {

// The file as written: `expected` lines, ended by CR LF.
std::string Written(const std::string& path, std::size_t expected) {
    std::string bytes, error;
    if (!ReadWholeFile(path, bytes, error)) {
        fuzz::Fail("cannot read back " + path);
    }
    if (SplitLines(bytes).size() != expected) {
        fuzz::Fail(path + " does not hold one line per order line");
    }
    if (!bytes.empty() && bytes.substr(bytes.size() - 2) != "\r\n") {
        fuzz::Fail(path + " does not end with CR LF");
    }
    return bytes;
}

bool Unwritable(char byte) {
    const auto c = static_cast<unsigned char>(byte);
    return (c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x81 || c == 0x8D ||
           c == 0x8F || c == 0x90 || c == 0x9D;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = fuzz::ProgramFolder();
    TTxtTable order;
    order.Lines = SplitLines(fuzz::Text(data, size));
    const std::size_t rows = order.Lines.size();
    fuzz::TFuzzPrompts prompts;
    SaveOrderAsSheet(order, folder + "out.xls");
    SaveOrderAsText(order, folder + "out.txt");
    WriteSiteListFile(order, folder + "out.lom", prompts);
    SaveOrderAsXml(order, folder + "out.xml");
    Written(folder + "out.xls", rows + 1);
    Written(folder + "out.txt", rows + 1);
    Written(folder + "out.lom", rows + 14);
    const std::string xml = Written(folder + "out.xml", 3 + 7 * rows);
    fuzz::FailIf(std::any_of(xml.begin(), xml.end(), Unwritable),
                 "the XML document holds a byte no parser accepts");
    // Declaration, <order>, </order>, and twelve tags an item: every other "<" in a
    // value must have been escaped.
    fuzz::FailIf(static_cast<std::size_t>(std::count(xml.begin(), xml.end(), '<')) != 3 + 12 * rows,
                 "a \"<\" of a value was not escaped");
    return 0;
}
