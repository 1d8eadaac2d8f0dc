#pragma once

#include "controls/Form.h"
#include "wizard/SizeFinder.h"

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace cvn {

class TConfigurator;
class TUserPrompts;

// "Find Size by Frequency": the sizes and bands whose range covers a frequency, with
// what the family in use says of each. Choosing an offered row closes the window
// with that size; the caller then chooses it in the waveguide list.
class TfrmFindSize : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 460;
    static constexpr int ClientHeight = 320;

    TfrmFindSize(TUserPrompts& prompts, const TConfigurator& wizard, QWidget* parent = nullptr);

    // The size of the chosen row once the window was accepted.
    const std::string& ChosenCode() const { return FChosenCode; }

    QLabel* lblFrequency;
    QLineEdit* txtFrequency;
    QLabel* lblFamily;
    QTreeWidget* lvSizes;
    QLabel* lblNote;
    QPushButton* btnSelect;
    QPushButton* btnClose;

public slots:
    void txtFrequencyChange();
    // A row chosen: double-click, Enter or Select.
    void lvSizesChoose();

private:
    TUserPrompts& Prompts;
    const TConfigurator& Wizard;
    std::vector<TSizeMatch> Matches;
    std::string FChosenCode;
};

} // namespace cvn
