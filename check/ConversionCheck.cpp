#include "check/ConversionCheck.h"

#include "catalogue/PartNumber.h"
#include "catalogue/UserPrompts.h"
#include "catalogue/cvnLib.h"
#include "entry/SetupFromPartNumber.h"
#include "orders/PriceAndDelivery.h"
#include "wizard/Configurator.h"

#include <exception>

namespace cvn {

namespace {

// Keeps the first message, which says why a set-up stopped; confirmations are
// answered as a user keeping the part number would.
class TFirstMessage : public TUserPrompts {
public:
    std::string Text;

    void Information(const std::string& text) override { Keep(text); }
    void Error(const std::string& text) override { Keep(text); }
    bool YesNo(const std::string&) override { return false; }
    TDialogResult ConfirmTapered(const std::string&) override { return TDialogResult::Continue; }
    TDialogResult ConfirmSwap(const std::string&, const std::string&) override {
        return TDialogResult::Continue;
    }

private:
    void Keep(const std::string& text) {
        if (Text.empty()) {
            Text = text;
            for (char& c : Text) {
                c = c == '\r' ? ' ' : c;
            }
        }
    }
};

// The check runs inside programs and tests that go on afterwards.
class TUnitsGuard {
public:
    TUnitsGuard() : Imperial(IsImperial) {}
    ~TUnitsGuard() { IsImperial = Imperial; }
    TUnitsGuard(const TUnitsGuard&) = delete;
    TUnitsGuard& operator=(const TUnitsGuard&) = delete;

private:
    bool Imperial;
};

} // namespace

std::optional<std::string> ConversionTargetProblem(const std::string& partNumber) {
    const TUnitsGuard units;
    TFirstMessage prompts;
    const std::string what = "new part number " + partNumber;
    try {
        TConfigurator wizard(prompts);
        wizard.FormCreate(AppPath);
        SetupFromPartNumber(wizard, partNumber, prompts);
        wizard.btnNextClick();
        if (wizard.Screen == 2) {
            wizard.btnCreateClick();
        }
        if (wizard.PartNumber.empty()) {
            return what + " does not set up" + (prompts.Text.empty() ? "" : ": " + prompts.Text);
        }
        if (wizard.PartNumber != partNumber) {
            return what + " composes as " + wizard.PartNumber;
        }
        const int type = FamilyTypeOf(partNumber, prompts);
        if (LookupPrice(partNumber, type, prompts).Price.Raw <= 0) {
            return what + " has no price";
        }
    } catch (const std::exception& e) {
        return what + ": " + e.what();
    }
    return std::nullopt;
}

} // namespace cvn
