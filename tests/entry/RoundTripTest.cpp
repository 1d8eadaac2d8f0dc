#include "catalogue/PartNumber.h"
#include "catalogue/cvnLib.h"
#include "entry/SetupFromPartNumber.h"
#include "tests/support/ScriptedPrompts.h"
#include "wizard/Configurator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace cvn {
namespace {

// Every configuration the sample catalogue offers along these axes: each family, each
// size it offers, both units where lengths exist, each frequency band and each finish
// the finish list allows, with the first flanges offered and the default lengths.
// Each composed part number, given back to the wizard, must compose to itself.
// Pressure-window part numbers are not recognised by their letters, so they cannot
// come back.
class RoundTrip : public ::testing::Test {
protected:
    void Start(TConfigurator& wizard, bool imperial) {
        IsImperial = true;
        wizard.FormCreate(CORVANE_SAMPLE_APP_DIR);
        if (!imperial) {
            wizard.mnuMetricClick();
        }
    }

    // Fills what screen 1 still lacks with the first item offered.
    static void CompleteScreenOne(TConfigurator& wizard) {
        if (wizard.FlangeAIndex < 0 && !wizard.FlangeAItems().empty()) {
            wizard.cbxFlangeAChange(0);
        }
        if (wizard.ProductTypeIndex == FamilyType::Coax) {
            if (wizard.CoaxIndex < 0 && !wizard.CoaxItems().empty()) {
                wizard.cbxCoaxChange(0);
            }
        } else if (wizard.FlangeBEnabled && wizard.FlangeBIndex < 0 &&
                   !wizard.FlangeBItems().empty()) {
            wizard.cbxFlangeBChange(0);
        }
    }

    static std::string Compose(TConfigurator& wizard) {
        wizard.btnNextClick();
        if (wizard.Screen != 2) {
            return {};
        }
        wizard.btnCreateClick();
        return wizard.PartNumber;
    }

    test::TScriptedPrompts prompts;
};

TEST_F(RoundTrip, EveryComposedPartNumberSetsTheWizardUpToComposeItAgain) {
    std::map<int, int> composedPerFamily;
    std::set<std::string> seen;
    for (const bool imperial : {true, false}) {
        TConfigurator probe{prompts};
        Start(probe, imperial);
        for (int family = 0; family < FamilyType::Count; ++family) {
            if (family == FamilyType::PressureWindow) {
                continue;
            }
            probe.cbxProductTypeChange(family);
            const int sizes = static_cast<int>(probe.WaveguideItems().size());
            for (int size = 0; size < sizes; ++size) {
                TConfigurator wizard{prompts};
                Start(wizard, imperial);
                wizard.cbxProductTypeChange(family);
                wizard.cbxWaveguideChange(size);
                if (wizard.WaveguideIndex < 0) {
                    continue; // sold by special quote
                }
                CompleteScreenOne(wizard);
                const std::size_t bands = wizard.FrequencyChoices.size();
                for (std::size_t band = 0; band < std::max<std::size_t>(bands, 1); ++band) {
                    for (const int finish : {0, 1}) {
                        if (bands > 0) {
                            wizard.FrequencyChoiceClick(static_cast<int>(band));
                        }
                        if (wizard.FinishEnabled) {
                            wizard.cbxFinishChange(finish);
                        }
                        const std::string part = Compose(wizard);
                        wizard.btnBackClick();
                        ASSERT_FALSE(part.empty())
                            << "family " << family << " size " << size << " band " << band;
                        if (!seen.insert(part).second) {
                            continue; // a family without a finish or a band choice
                        }
                        TConfigurator again{prompts};
                        Start(again, !imperial); // the part number sets the units itself
                        SetupFromPartNumber(again, part, prompts);
                        EXPECT_EQ(Compose(again), part) << "family " << family;
                        ++composedPerFamily[family];
                    }
                }
            }
        }
    }
    for (int family = 0; family < FamilyType::Count; ++family) {
        if (family != FamilyType::PressureWindow) {
            EXPECT_GE(composedPerFamily[family], 3) << "family " << family;
        }
    }
    for (const auto& m : prompts.Messages) {
        // Special-quote sizes are refused on the way; nothing else may be said.
        EXPECT_NE(m.Text.find("special quote"), std::string::npos) << m.Text;
    }
}

} // namespace
} // namespace cvn
