#include "printing/Specs.h"

#include "catalogue/TableColumns.h"
#include "catalogue/TextUtils.h"

namespace cvn {

namespace {

std::string PictureOf(const TTxtTable& table, int row, int pictureColumn) {
    return row >= 0 && row < table.RowCount() ? table.GetField(row, pictureColumn) : std::string();
}

} // namespace

TSpecs SpecsOf(const TConfigurator& wizard) {
    TSpecs specs;
    specs.FlangeAImage = PictureOf(wizard.FlangeAList, wizard.FlangeAIndex, FlangeColumn::Picture);
    specs.FlangeBImage = PictureOf(wizard.FlangeBList, wizard.FlangeBIndex, FlangeColumn::Picture);
    specs.FamilyImage =
        PictureOf(wizard.FamilyTable, wizard.ProductTypeIndex, FamilyColumn::Picture);
    specs.PartNumber = wizard.PartNumber;
    return specs;
}

void FillSpecRows(const TSpecGrid& grid, TTxtTable& specRows) {
    specRows.Lines.clear();
    for (const auto& cells : grid) {
        bool blank = true;
        for (const std::string& cell : cells) {
            blank = blank && Trim(cell).empty();
        }
        if (blank || Trim(cells[2]) == "Units") {
            continue;
        }
        std::string line;
        for (const std::string& cell : cells) {
            line += cell + "|";
        }
        specRows.Lines.push_back(line);
    }
}

} // namespace cvn
