#pragma once

#include "catalogue/cvnLib.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "wizard/Configurator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace cvn::test {

// A small catalogue whose every row is there for a test: each family offers a
// different set of sizes, and the sizes differ in the flanges and lengths they have.
inline void WriteWizardCatalogue(const TTempFolder& folder) {
    folder.WriteTable(
        "Family.tbl",
        {"Letter|Family|Inch Step|mm Step|Length Picture|Photo", "C|Coax|0.5|5|DimC.gif|PhotoC.gif",
         "D|Twist|0.5|5|DimD.gif|PhotoD.gif", "E|E Bend|0.5|5|DimE.gif|PhotoE.gif",
         "F|Flexible Twist|0.5|5|DimF.gif|PhotoF.gif", "H|H Bend|0.5|5|DimH.gif|PhotoH.gif",
         "M|Miter H|0.5|5|DimM.gif|PhotoM.gif", "N|Miter E|0.5|5|DimN.gif|PhotoN.gif",
         "P|Pressure Window|0.5|5|DimP.gif|PhotoP.gif",
         "R|Straight Section|6.0|100|DimR.gif|PhotoR.gif", "S|Step-Twist|0.5|5|DimS.gif|PhotoS.gif",
         "T|Tapered Transition|0.5|5|DimT.gif|PhotoT.gif"});
    folder.WriteTable("WGSize.tbl",
                      {"Code|WR|Inside|US Military|British|IEC", "042|WR-42|x|RG-53/U|WG20|R220",
                       "090|WR-90|x|RG-52/U|WG16|R100", "187|WR-187|x|RG-49/U|WG12|R48",
                       "284|WR-284|x|RG-48/U|WG10|R32", "12a|WR-12A|x|none|none|none"});
    folder.WriteTable("Taper.tbl",
                      {"Small End|Large End|Transition|Sizes|British|IEC",
                       "042|090|WR-42 to WR-90|WR42 - WR90|WG20 / WG16|R220 / R100",
                       "090|187|WR-90 to WR-187|WR90 - WR187|WG16 / WG12|R100 / R48",
                       "187|284|WR-187 to WR-284|WR187 - WR284|WG12 / WG10|R48 / R32"});
    folder.WriteTable("WGVSWR.tbl", {"Family|WG|Band|VSWR", "D|090|S|1.10", "D|187|S|1.10",
                                     "E|090|S|1.10", "E|187|S|1.10", "H|090|S|1.10", "M|187|S|1.10",
                                     "N|090|S|1.10", "R|042|S|1.05", "R|187|S|1.05", "R|284|S|1.05",
                                     "R|12A|S|1.05", "T|042|S|1.10", "T|090|S|1.10"});
    folder.WriteTable("Frequency.tbl",
                      {"WG|Band|Range", "042|S|18.0-26.5 GHz", "090|S|8.2-12.4 GHz",
                       "090|X|8.5-10.0 GHz", "187|S|3.95-5.85 GHz", "187|A|4.4-5.0 GHz",
                       "284|S|2.60-3.95 GHz", "284|A|2.70-2.90 GHz", "12A|S|60-90 GHz"});
    folder.WriteTable("CoaxVSWR.tbl", {"WG|Band|Coax|VSWR", "090|S|N|1.25", "090|X|N|1.30",
                                       "090|S|A|1.25", "187|S|A|1.25", "284|S|N|1.25"});
    folder.WriteTable("CoaxType.tbl",
                      {"Code|Coax Type", "N|Type N Female", "A|SMA Female", "K|2.92 mm Female"});
    folder.WriteTable("FlexVSWR.tbl",
                      {"WG|Band|Breakpoint|VSWR", "12A|S|12|1.20", "187|S|24|1.20"});
    folder.WriteTable("PressureWindows.tbl", {"WG|Flange|Description|Part Number|VSWR",
                                              "284|C|Window for CPR-284F|P284C|1.10",
                                              "284|A|Window for UG-53/U|P284A|1.10",
                                              "090|Z|Window for no flange|P090Z|1.10"});
    folder.WriteTable("StepTwist.tbl", {"Waveguide|Band|Range|VSWR|Part Number|Length (in.)",
                                        "284|S|2.60-3.95 GHz|1.15:1|ST284S|3.24",
                                        "284|A|2.70-2.90 GHz|1.08:1|ST284A|3.5",
                                        "090|S|8.2-12.4 GHz|1.15:1|ST090S|1.5"});
    folder.WriteTable("StepFlange.tbl", {"Flange|Waveguide", "C|284", "A|284", "B|090"});
    folder.WriteTable("Flange.tbl",
                      {"Code|Waveguide|Flange Type|Model|Picture", "A|090|Cover|UG-39/U|FlgA.gif",
                       "B|090|Choke|UG-40/U|FlgB.gif", "A|187|Cover|UG-149/U|FlgA.gif",
                       "C|187|CPR|CPR-187F|FlgC.gif", "A|284|Cover|UG-53/U|FlgA.gif",
                       "B|284|Choke|UG-54/U|FlgB.gif", "C|284|CPR|CPR-284F|FlgC.gif",
                       "A|042|Cover|UG-595/U|FlgA.gif"});
    folder.WriteTable("Dimensions.tbl",
                      {"Family|WG|Min|Max|MaxMM|Def|DefMM", "D|090|3.24|3.24|82|3.24|82",
                       "E|090|1.0|3.0|76|2.0|50", "E|187|5.5|50.0|1270|6.0|150",
                       "H|090|1.0|2.0|51|1.5|40", "M|187|2.0|4.0|102|3.0|75",
                       "N|090|1.0|2.0|51|1.5|40", "R|187|12.0|24.0|610|12.0|305",
                       "T|090|2.0|2.0|51|2.0|51"});
    folder.WriteTable("FlexSpecs.tbl", {"Waveguide|Default (in.)|Default (mm)", "187|12|305"});
    folder.WriteTable("FlexImperialLengths.tbl", {"Length (in.)", "6", "12", "18.04"});
    folder.WriteTable("FlexMetricLengths.tbl", {"Length (mm)", "152", "305", "457"});
}

using Texts = std::vector<std::string>;

// The configurator over a catalogue in a fresh program folder. Tests change tables
// before Start() where they need other data.
class WizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteWizardCatalogue(Folder);
        ApplyingPartNumber = false;
    }
    void TearDown() override { ApplyingPartNumber = false; }

    void Start(const std::string& folder = {}) {
        Wizard.FormCreate(folder.empty() ? Folder.Path() : folder);
    }

    // The codes a list offers, and the position of one of them (-1: not offered).
    static Texts Codes(const std::vector<TStrings>& items) {
        Texts codes;
        for (const TStrings& item : items) {
            codes.push_back(item.at(0));
        }
        return codes;
    }
    Texts Sizes() const { return Codes(Wizard.WaveguideItems()); }
    Texts FlangeACodes() const { return Codes(Wizard.FlangeAItems()); }
    Texts FlangeBCodes() const { return Codes(Wizard.FlangeBItems()); }
    Texts CoaxCodes() const { return Codes(Wizard.CoaxItems()); }
    static int IndexOf(const Texts& codes, const std::string& code) {
        const auto found = std::find(codes.begin(), codes.end(), code);
        return found == codes.end() ? -1 : static_cast<int>(found - codes.begin());
    }
    static std::string Chosen(const Texts& codes, int index) {
        return index < 0 ? "" : codes.at(static_cast<std::size_t>(index));
    }
    std::string ChosenSize() const { return Chosen(Sizes(), Wizard.WaveguideIndex); }
    std::string ChosenFlangeA() const { return Chosen(FlangeACodes(), Wizard.FlangeAIndex); }
    std::string ChosenFlangeB() const { return Chosen(FlangeBCodes(), Wizard.FlangeBIndex); }

    // The user's events: the family and the size, a code of a list, which must be
    // offered, and a listed length of one of the three length boxes.
    void Choose(int family, const std::string& size) {
        Wizard.cbxProductTypeChange(family);
        ChooseSize(size);
    }
    void Pick(const Texts& codes, const std::string& code, void (TConfigurator::*change)(int)) {
        ASSERT_GE(IndexOf(codes, code), 0) << code << " is not offered";
        (Wizard.*change)(IndexOf(codes, code));
    }
    void ChooseSize(const std::string& s) { Pick(Sizes(), s, &TConfigurator::cbxWaveguideChange); }
    void ChooseFlangeA(const std::string& c) {
        Pick(FlangeACodes(), c, &TConfigurator::cbxFlangeAChange);
    }
    void ChooseFlangeB(const std::string& c) {
        Pick(FlangeBCodes(), c, &TConfigurator::cbxFlangeBChange);
    }
    void PickLength(TLengthBox box, const std::string& text) {
        const TStrings& items = Wizard.LengthList(box).Items();
        ASSERT_GE(IndexOf(items, text), 0) << text;
        Wizard.LengthChange(box, IndexOf(items, text), text);
    }

    TTempFolder Folder;
    TScriptedPrompts Prompts;
    TConfigurator Wizard{Prompts};
};

} // namespace cvn::test
