#pragma once

#include "catalogue/UserPrompts.h"

#include <deque>
#include <string>
#include <vector>

namespace cvn::test {

// Records every message and answers questions from a script (Continue / Yes when the
// script is empty).
class TScriptedPrompts : public TUserPrompts {
public:
    struct TMessage {
        std::string Kind; // "information", "error", "confirm"
        std::string Text;
    };

    std::vector<TMessage> Messages;
    std::deque<TDialogResult> Answers;

    void Information(const std::string& text) override {
        Messages.push_back({"information", text});
    }
    void Error(const std::string& text) override { Messages.push_back({"error", text}); }
    bool YesNo(const std::string& text) override {
        Messages.push_back({"confirm", text});
        return Next() != TDialogResult::Cancel;
    }
    TDialogResult ConfirmTapered(const std::string& message) override {
        Messages.push_back({"confirm", message});
        return Next();
    }
    TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2) override {
        Messages.push_back({"confirm", line1 + "\r" + line2});
        return Next();
    }

    // The texts of the messages of one kind, in order.
    std::vector<std::string> Texts(const std::string& kind) const {
        std::vector<std::string> out;
        for (const TMessage& m : Messages) {
            if (m.Kind == kind) {
                out.push_back(m.Text);
            }
        }
        return out;
    }

private:
    TDialogResult Next() {
        if (Answers.empty()) {
            return TDialogResult::Continue;
        }
        const TDialogResult answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

} // namespace cvn::test
