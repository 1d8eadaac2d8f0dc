#include "orders/SiteList.h"

#include "catalogue/Files.h"
#include "catalogue/PartNumber.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"

namespace cvn {

namespace {

// The planning tool needs an item code per line; it knows only the families.
std::string ItemCode(const std::string& partNumber, TUserPrompts& prompts) {
    switch (FamilyTypeOf(partNumber, prompts)) {
    case FamilyType::Unknown:
        return "PW-000"; // pressure windows are not recognised by letter
    case FamilyType::StepTwist:
        return "S-000";
    default:
        return partNumber.substr(0, 1) + "-000";
    }
}

} // namespace

TQVMasterData OrderLineToMasterData(const std::string& line, TUserPrompts& prompts) {
    TTxtTable parsed;
    parsed.Lines.push_back(line);
    TQVMasterData data;
    data.Quantity = parsed.GetField(0, OrderColumn::Quantity);
    data.Price = parsed.GetField(0, OrderColumn::Price);
    data.Description = parsed.GetField(0, OrderColumn::Description);
    data.PartNumber = parsed.GetField(0, OrderColumn::PartNumber);
    data.Model = data.PartNumber;
    const int familyType = FamilyTypeOf(data.PartNumber, prompts);
    const bool metric = familyType != FamilyType::Unknown &&
                        PartField(data.PartNumber, familyType, PartFieldNo::Unit) == "M";
    data.LengthUnit = metric ? "meter" : "feet";
    return data;
}

std::string StripPrice(const std::string& priceText) {
    std::string text = priceText;
    if (const std::size_t sign = text.find('$'); sign != std::string::npos) {
        text.erase(sign, 1);
    }
    std::erase(text, ',');
    return text == "N/A" ? "0" : text;
}

std::string SiteListText(const TTxtTable& orderLines, TUserPrompts& prompts) {
    TStrings lines{"[HEADER]",
                   "Company Name=",
                   "Author=",
                   "Date=",
                   "Job Number=",
                   "File Name=",
                   "File Path=",
                   "",
                   "[SITE 001 LOM]",
                   "Site Name=",
                   "Site Number=",
                   "Ship to City=",
                   "Ship to State/Province=",
                   "Ship to Country="};
    for (std::size_t row = 0; row < orderLines.Lines.size(); ++row) {
        const TQVMasterData data = OrderLineToMasterData(orderLines.Lines[row], prompts);
        lines.push_back(std::to_string(row + 1) + "=" + data.Quantity + "|" + data.LengthUnit +
                        "|" + ItemCode(data.PartNumber, prompts) + "|" + data.PartNumber + "|" +
                        data.Description + "|" + StripPrice(data.Price));
    }
    return JoinLinesCrLf(lines);
}

void WriteSiteListFile(const TTxtTable& orderLines, const std::string& fileName,
                       TUserPrompts& prompts) {
    WriteFileAtomic(fileName, SiteListText(orderLines, prompts));
}

void WriteSiteList(const TTxtTable& orderLines, TUserPrompts& prompts) {
    // Written at every close, unless the file already holds this very list: an
    // unchanged order in a read-only folder is no error.
    WriteFileIfChanged(AppPath + "corvane38.lom", SiteListText(orderLines, prompts));
}

} // namespace cvn
