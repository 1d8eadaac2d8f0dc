#pragma once

#include <string>

namespace cvn {

// Results of the two confirmation dialogs; closing a dialog by its window button
// counts as Cancel.
enum class TDialogResult { Continue = 1, Cancel = 2, Swap = 4 };

// Everything the core has to tell or ask the user goes through here. Texts are the
// catalogue's Windows-1252 bytes; a carriage return inside a text is a line break.
// The program answers with message boxes, the command line on stderr, tests with
// scripted answers.
class TUserPrompts {
public:
    virtual ~TUserPrompts() = default;

    virtual void Information(const std::string& text) = 0;
    virtual void Error(const std::string& text) = 0;
    // An error about the catalogue itself: a table that cannot be read or holds a
    // data error. Shown as any error; the command line also ends unsuccessfully.
    virtual void CatalogueError(const std::string& text) { Error(text); }
    // A Yes/No confirmation; true for Yes.
    virtual bool YesNo(const std::string& text) = 0;
    // "Confirm Configuration" for a tapered transition whose ends have different flanges.
    virtual TDialogResult ConfirmTapered(const std::string& message) = 0;
    // "Confirm Configuration" for a miter whose legs differ: the shorter and the longer leg.
    virtual TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2) = 0;
};

} // namespace cvn
