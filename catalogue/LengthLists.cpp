#include "catalogue/LengthLists.h"

#include "catalogue/Errors.h"
#include "catalogue/Fixed.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"

#include <cstdio>

namespace cvn {

namespace {

TFixed PositiveStep(const TTxtTable& familyTable, int familyRow, int column) {
    const std::string text = familyTable.GetField(familyRow, column);
    const TFixed step = TFixed::Parse(text);
    if (step.Raw <= 0) {
        throw EConvertError("Length step '" + text + "' in Family.tbl row " +
                            std::to_string(familyRow + 2) + " must be greater than zero");
    }
    return step;
}

void Step(TStrings& items, TFixed start, TFixed end, TFixed step, int decimals) {
    for (TFixed v = start; v <= end; v += step) {
        if (static_cast<int>(items.size()) >= kMaxLengthItems) {
            throw EConvertError("Too many lengths from " + start.Format(decimals) + " to " +
                                end.Format(decimals) + " in steps of " + step.Format(4));
        }
        items.push_back(v.Format(decimals));
    }
}

} // namespace

std::string InchText(const std::string& tableText) {
    return TFixed::Parse(tableText).Format(1);
}

std::string MillimetreText(double mm) {
    return std::to_string(RoundHalfEven(mm));
}

bool TryLengthCode(const std::string& text, int digits, std::string& code) {
    std::string whole = text;
    if (const auto point = whole.find('.'); point != std::string::npos) {
        whole.erase(point, 1);
    }
    int n = 0;
    if (!TryStrToInt(whole, n)) {
        return false;
    }
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%.*d", digits, n);
    code = buffer;
    return true;
}

TLengthLists BuildLengthLists(const TTxtTable& familyTable, int familyRow,
                              const TTxtTable& dimensions, const std::string& waveguideCode,
                              bool imperial) {
    TLengthLists lists;
    if (familyRow < 0 || familyRow >= familyTable.RowCount()) {
        return lists;
    }
    const std::string letter = familyTable.GetField(familyRow, FamilyColumn::Letter);
    const int row = FindRow(dimensions, {{DimensionsColumn::Letter, letter},
                                         {DimensionsColumn::Waveguide, waveguideCode}});
    if (row < 0) {
        return lists;
    }
    lists.Found = true;
    const TFixed inchStep = PositiveStep(familyTable, familyRow, FamilyColumn::InchStep);
    const TFixed mmStep = PositiveStep(familyTable, familyRow, FamilyColumn::MmStep);

    if (imperial) {
        lists.ImperialDefault = InchText(dimensions.GetField(row, DimensionsColumn::DefaultInches));
    } else {
        lists.MetricDefault =
            MillimetreText(StrToFloat(dimensions.GetField(row, DimensionsColumn::DefaultMm)));
    }

    const TFixed start =
        TFixed::Parse(InchText(dimensions.GetField(row, DimensionsColumn::MinInches)));
    const TFixed end =
        TFixed::Parse(InchText(dimensions.GetField(row, DimensionsColumn::MaxInches)));
    Step(lists.ImperialItems, start, end, inchStep, 1);

    const TFixed mmStart = TFixed::FromInt(RoundHalfEven(InchesToMm(start.ToDouble())));
    const TFixed mmEnd = TFixed::FromInt(
        RoundHalfEven(StrToFloat(dimensions.GetField(row, DimensionsColumn::MaxMm))));
    Step(lists.MetricItems, mmStart, mmEnd, mmStep, 0);
    return lists;
}

} // namespace cvn
