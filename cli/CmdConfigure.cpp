// configure: plays a user in the main window. Each choice is the user action the
// window offers for it, run on the same configurator the window uses, and refused when
// the window would not offer it at that moment.

#include "catalogue/Encoding.h"
#include "catalogue/RunHandler.h"
#include "catalogue/cvnLib.h"
#include "cli/Choices.h"
#include "cli/Commands.h"
#include "cli/ConfigureOutput.h"
#include "cli/StderrPrompts.h"
#include "wizard/Configurator.h"

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

namespace cvn {

namespace {

const char* const kConfigureUsage =
    "usage: corvane38-cli configure [--answer continue|swap|cancel] CHOICE...\n"
    "  CHOICE: units=P|M family=N waveguide=CODE flangeA=CODE flangeB=CODE coax=CODE\n"
    "          length=TEXT legA=TEXT legB=TEXT adaptor=1|0 band=CODE finish=G|N\n";

const std::set<std::string>& ChoiceKeys() {
    static const std::set<std::string> keys = {"units",   "family",  "waveguide", "flangeA",
                                               "flangeB", "coax",    "length",    "legA",
                                               "legB",    "adaptor", "band",      "finish"};
    return keys;
}

std::optional<TDialogResult> AnswerOf(const std::string& text) {
    static const std::map<std::string, TDialogResult> answers = {
        {"continue", TDialogResult::Continue},
        {"swap", TDialogResult::Swap},
        {"cancel", TDialogResult::Cancel}};
    const auto found = answers.find(text);
    return found == answers.end() ? std::nullopt : std::optional(found->second);
}

// The first item whose first column reads code; -1 when there is none.
int ItemWithCode(const std::vector<TStrings>& items, const std::string& code) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].empty() && items[i][0] == code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

class TPlayer {
public:
    TPlayer(TConfigurator& wizard, TUserPrompts& prompts) : W(wizard), Prompts(prompts) {}

    // False when the window does not offer the value now; otherwise the action runs.
    bool Apply(const std::string& key, const std::string& value) {
        if (key == "units") {
            return Units(value);
        }
        if (key == "family") {
            return Family(value);
        }
        if (key == "waveguide") {
            return Pick(ItemWithCode(W.WaveguideItems(), value),
                        [this](int i) { W.cbxWaveguideChange(i); });
        }
        if (key == "flangeA") {
            return Pick(ItemWithCode(W.FlangeAItems(), value),
                        [this](int i) { W.cbxFlangeAChange(i); });
        }
        if (key == "flangeB") {
            // Behind the coax list, or disabled for a pressure window.
            if (!W.FlangeBEnabled || W.CoaxInFront) {
                return false;
            }
            return Pick(ItemWithCode(W.FlangeBItems(), value),
                        [this](int i) { W.cbxFlangeBChange(i); });
        }
        if (key == "coax") {
            if (!W.CoaxEnabled || !W.CoaxInFront) {
                return false;
            }
            return Pick(ItemWithCode(W.CoaxItems(), value), [this](int i) { W.cbxCoaxChange(i); });
        }
        if (key == "length") {
            return LengthChoice(TLengthBox::Length, value);
        }
        if (key == "legA") {
            return LengthChoice(TLengthBox::LegA, value);
        }
        if (key == "legB") {
            return LengthChoice(TLengthBox::LegB, value);
        }
        if (key == "adaptor") {
            return Adaptor(value);
        }
        if (key == "band") {
            for (std::size_t i = 0; i < W.FrequencyChoices.size(); ++i) {
                if (W.FrequencyChoices[i].FreqBand == value) {
                    return Pick(static_cast<int>(i), [this](int c) { W.FrequencyChoiceClick(c); });
                }
            }
            return false;
        }
        if (key == "finish") {
            if (!W.FinishEnabled) {
                return false;
            }
            return Pick(ItemWithCode(W.FinishItems, value),
                        [this](int i) { W.cbxFinishChange(i); });
        }
        return false;
    }

private:
    bool Pick(int index, const std::function<void(int)>& handler) {
        if (index < 0) {
            return false;
        }
        RunHandler(Prompts, [&] { handler(index); });
        return true;
    }

    bool Units(const std::string& value) {
        if (value == "P") {
            RunHandler(Prompts, [this] { W.mnuImperialClick(); });
        } else if (value == "M") {
            RunHandler(Prompts, [this] { W.mnuMetricClick(); });
        } else {
            return false;
        }
        return true;
    }

    bool Family(const std::string& value) {
        int row = -1;
        if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos ||
            !TryStrToInt(value, row) || row >= static_cast<int>(W.ProductTypeItems().size())) {
            return false;
        }
        return Pick(row, [this](int i) { W.cbxProductTypeChange(i); });
    }

    bool LengthChoice(TLengthBox box, const std::string& text) {
        const int page = box == TLengthBox::Length ? 0 : 2;
        TLengthList& list = W.LengthList(box);
        if (W.LengthPage != page || !list.Enabled) {
            return false;
        }
        const TStrings& items = list.Items();
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == text) {
                return Pick(static_cast<int>(i),
                            [&](int index) { W.LengthChange(box, index, text); });
            }
        }
        if (!list.Editable) {
            return false;
        }
        // Typed into the box and left, so the typed-length check runs.
        RunHandler(Prompts, [&] {
            W.cbxLengthEnter(box);
            W.LengthChange(box, -1, text);
            W.cbxLengthExit(box, text);
        });
        return true;
    }

    bool Adaptor(const std::string& value) {
        if (!W.FlangeAdaptorVisible || W.LengthPage != 0 || (value != "1" && value != "0")) {
            return false;
        }
        const bool checked = value == "1";
        // A box already in that state is left alone, as a user would.
        if (checked != W.FlangeAdaptorChecked) {
            RunHandler(Prompts, [&] { W.chkFlangeAdaptorClick(checked); });
        }
        return true;
    }

    TConfigurator& W;
    TUserPrompts& Prompts;
};

} // namespace

bool ParseChoices(const std::vector<std::string>& args, std::size_t operandCount, TChoices& parsed,
                  std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--answer") {
            const std::optional<TDialogResult> given =
                i + 1 < args.size() ? AnswerOf(args[i + 1]) : std::nullopt;
            if (!given) {
                return false;
            }
            parsed.Answer = *given;
            ++i;
            continue;
        }
        if (parsed.Operands.size() < operandCount) {
            parsed.Operands.push_back(arg);
            continue;
        }
        const auto equals = arg.find('=');
        if (equals == std::string::npos || !ChoiceKeys().contains(arg.substr(0, equals))) {
            err << "unknown choice: " << arg << '\n';
            return false;
        }
        parsed.Items.emplace_back(arg.substr(0, equals), arg.substr(equals + 1));
    }
    return parsed.Operands.size() == operandCount;
}

bool ApplyChoices(TConfigurator& wizard, TUserPrompts& prompts, const TChoices& choices,
                  std::ostream& err) {
    TPlayer player(wizard, prompts);
    for (const auto& [key, value] : choices.Items) {
        // Catalogue texts are Windows-1252; the command line speaks UTF-8.
        if (!player.Apply(key, Utf8ToWin1252(value))) {
            err << "not offered: " << key << '=' << value << '\n';
            return false;
        }
    }
    return true;
}

int CmdConfigure(TCliContext& ctx) {
    TChoices choices;
    if (!ParseChoices(ctx.Args, 0, choices, ctx.Err)) {
        ctx.Err << kConfigureUsage;
        return CliExit::Usage;
    }
    // Dialogs are answered as --answer says; messages go where every command's go.
    TStderrPrompts prompts(ctx.Err, choices.Answer);
    TCliContext session{ctx.Args, ctx.Out, ctx.Err, prompts};
    TConfigurator wizard(prompts);
    StartConfigurator(wizard);
    if (!ApplyChoices(wizard, prompts, choices, ctx.Err)) {
        return CliExit::Usage;
    }
    return PressNextCreateAndPrint(wizard, session);
}

} // namespace cvn
