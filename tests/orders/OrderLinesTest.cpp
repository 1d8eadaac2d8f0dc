#include "orders/OrderLines.h"
#include "catalogue/Errors.h"
#include "orders/OrderExport.h"
#include "orders/PriceAndDelivery.h"
#include "tests/support/OrderCases.h"
#include "tests/support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

TTxtTable Order(std::initializer_list<const char*> lines) {
    TTxtTable order;
    for (const char* line : lines) {
        order.Lines.emplace_back(line);
    }
    return order;
}

TEST(OrderLinesTest, AddReplacesAListedLineOrAppends) {
    const struct {
        const char* Part;
        std::vector<std::string> After;
        int Line;
    } cases[] = {
        // Listed: quantity, price and delivery replaced, part number and description kept.
        {"B2", {"1|$1.00|Stock|A1|first", "9|$9.99|Later| B2 |second"}, 1},
        {"C3", {"1|$1.00|Stock|A1|first", "2|$2.00|Stock| B2 |second", "9|$9.99|Later|C3|new"}, 2},
    };
    for (const auto& c : cases) {
        TTxtTable order = Order({"1|$1.00|Stock|A1|first", "2|$2.00|Stock| B2 |second"});
        EXPECT_EQ(AddOrderLine(order, {5, c.Part, "new"}, "9", {"$9.99", "Later"}), c.Line);
        EXPECT_EQ(order.Lines, c.After) << c.Part;
    }
}

TEST(OrderLinesTest, DialogLookFollowsWhetherThePartIsListed) {
    const TTxtTable order = Order({"12|$1.00|Stock|A1|first", "x|$2.00|Stock|B2|second"});
    const TAddOrderLook listed = AddOrderLook(order, {1, "A1", ""});
    EXPECT_TRUE(listed.Listed && listed.NoteIsRed);
    EXPECT_EQ(listed.Quantity, 12);
    EXPECT_EQ(listed.AddCaption, "&Continue");
    EXPECT_EQ(listed.Note, "This item is already in your order. You can change the quantity "
                           "desired and press OK, or press Cancel to leave the order unchanged.");
    const TAddOrderLook fresh = AddOrderLook(order, {40, "C3", ""});
    EXPECT_FALSE(fresh.Listed || fresh.NoteIsRed);
    EXPECT_EQ(fresh.Quantity, 1);
    EXPECT_EQ(fresh.AddCaption, "&Add");
    EXPECT_EQ(fresh.Note,
              "To add this item to your order, specify the quantity desired and press OK.");
    // A quantity that is no whole number is a conversion error, as on the line's change.
    EXPECT_THROW(AddOrderLook(order, {1, "B2", ""}), EConvertError);
    EXPECT_THROW(OrderOfLine(order, 1), EConvertError);
    const TOrder first = OrderOfLine(order, 0);
    EXPECT_EQ(first.Quantity, 12);
    EXPECT_EQ(first.PartNumber, "A1");
    EXPECT_EQ(first.Description, "first");
}

TEST(OrderLinesTest, CountGridRowsAndEditStateFollowTheList) {
    const test::TTempFolder folder;
    test::UseForCaseOrder(folder); // WST090S is a step-twist
    test::TScriptedPrompts prompts;
    const TTxtTable empty;
    EXPECT_EQ(OrderCountText(empty, 1), "Orders - 0 of 0");
    EXPECT_EQ(OrderGridRowCount(empty), 2);
    EXPECT_FALSE(CanEditPartNumber(empty, 0, prompts));

    const TTxtTable order = Order({"1|a|b|R187PA0125BSG|d", "1|a|b|WST090S|d", "1|a|b|P284C|d",
                                   "1|a|b|C090AN SG|d", "1|a|b|D090AAG|d"});
    EXPECT_EQ(OrderGridRowCount(order), 6);
    EXPECT_EQ(OrderCountText(order, 3), "Orders - 3 of 5");
    const bool editable[] = {true, false, false, true, true};
    for (int line = 0; line < order.RowCount(); ++line) {
        EXPECT_EQ(CanEditPartNumber(order, line, prompts), editable[line]) << line;
    }
    EXPECT_EQ(DeleteLineQuestion(order, 1), "Delete \"WST090S\" from your order?");
}

TEST(OrderLinesTest, SaveAsListIsBuiltFromTheFormatTable) {
    EXPECT_EQ(SaveOrderFilter(),
              "Excel Sheet   (*.xls)|*.xls|Text File   (*.txt)|*.txt|XML File   (*.xml)|*.xml");
    EXPECT_EQ(OrderFormatEntry("sheet"), 1);
    EXPECT_EQ(OrderFormatEntry("xml"), 3);
    EXPECT_EQ(OrderFormatEntry("sitelist"), 0);
}

} // namespace
} // namespace cvn
