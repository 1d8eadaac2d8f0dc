#include "cli/ConfigureOutput.h"

#include "catalogue/RunHandler.h"
#include "catalogue/cvnLib.h"
#include "wizard/Configurator.h"

namespace cvn {

void StartConfigurator(TConfigurator& wizard) {
    wizard.FormCreate(AppPath);
}

int PressNextCreateAndPrint(TConfigurator& wizard, TCliContext& ctx) {
    PressNextAndCreate(wizard, ctx.Prompts);

    WriteLine(ctx.Out, "part-number\t" + wizard.PartNumber);
    for (std::size_t i = 0; i < wizard.FrequencyChoices.size(); ++i) {
        const TFrequencyChoice& choice = wizard.FrequencyChoices[i];
        WriteLine(ctx.Out, "frequency\t" + choice.FreqBand + "\t" + choice.FreqRange + "\t" +
                               choice.FreqVSWR +
                               (static_cast<int>(i) == wizard.SelectedFrequency ? "\t*" : ""));
    }
    // Written rows follow one another from row 1 and always carry a label.
    for (int row = 1; row < SpecGridRows; ++row) {
        const auto& cells = wizard.SpecGrid[static_cast<std::size_t>(row)];
        if (cells[2].empty()) {
            break;
        }
        WriteLine(ctx.Out, "spec\t" + cells[1] + "\t" + cells[2] + "\t" + cells[3]);
    }
    std::string description;
    RunHandler(ctx.Prompts, [&] { description = wizard.DescribeConfiguration(); });
    WriteLine(ctx.Out, "description\t" + description);
    return CliExit::Ok;
}

} // namespace cvn
