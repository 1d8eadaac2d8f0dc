// The table reader over any bytes: a table read from a file must hold exactly the
// lines of those bytes, and every field must be what its line says.
#include "catalogue/Encoding.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace cvn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = fuzz::Text(data, size);
    const std::string bytes = fuzz::WriteInput(fuzz::ProgramFolder() + "Data/Fuzz.tbl", input);
    fuzz::TFuzzPrompts prompts;
    const TTxtTable table = LoadDataTable("Fuzz.tbl", prompts);
    // Too large, UTF-16 or binary: one load error and an empty table.
    if (fuzz::IsOversize(input) || !NotWin1252Reason(bytes).empty()) {
        fuzz::FailIf(table.RowCount() != 0 || prompts.Messages != 1,
                     "a file that is no Windows-1252 table was read as one");
        return 0;
    }
    // The first line is the header.
    const TStrings lines = SplitLines(bytes);
    const TStrings expected(lines.begin() + (lines.empty() ? 0 : 1), lines.end());
    fuzz::FailIf(table.RowCount() != static_cast<int>(expected.size()) || prompts.Messages != 0,
                 "the table does not hold the file's lines");
    fuzz::FailIf(SplitLines(JoinLinesCrLf(lines)) != lines,
                 "lines written back with CR LF read differently");
    TStrings fields;
    TStrings column;
    table.GetColumn(2, column);
    fuzz::FailIf(column.size() != expected.size(), "GetColumn does not give one entry per row");
    for (int row = 0; row < table.RowCount(); ++row) {
        table.SplitRow(row, fields);
        fuzz::FailIf(fields.empty() ||
                         table.JoinFields(fields) != expected[static_cast<std::size_t>(row)],
                     "the fields of a row do not join back to its line");
        const int count = static_cast<int>(fields.size());
        // A column the line does not reach is empty.
        for (int c = -1; c <= count + 1; ++c) {
            fuzz::FailIf(
                table.GetField(row, c) !=
                    (c <= 0 || c > count ? "" : Trim(fields[static_cast<std::size_t>(c - 1)])),
                "GetField disagrees with the row's fields");
        }
        const int found = FindRow(table, 1, table.GetField(row, 1));
        fuzz::FailIf(found < 0 || found > row || table.GetField(found, 1) != table.GetField(row, 1),
                     "FindRow does not find the first row with the key");
        fuzz::FailIf(column[static_cast<std::size_t>(row)] != table.GetField(row, 2),
                     "GetColumn disagrees with GetField");
    }
    return 0;
}
