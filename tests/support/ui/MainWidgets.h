#pragma once

#include "tests/support/ui/UiTest.h"

#include "controls/CVNComboBox.h"
#include "controls/CVNRadioButton.h"
#include "controls/MPLabel.h"
#include "controls/MultiColumnCombo.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include <vector>

namespace cvn::test {

// The main window's widgets the tests drive and read, found by their object names.
struct TMainWidgets {
    explicit TMainWidgets(QWidget& mainWindow) : Window(mainWindow) {}

    // The frequency choices shown now, in their order; they are rebuilt with every
    // change of the configuration.
    std::vector<TCVNRadioButton*> FrequencyChoices() const {
        const QList<TCVNRadioButton*> found =
            rgFrequency->findChildren<TCVNRadioButton*>(Qt::FindDirectChildrenOnly);
        return {found.begin(), found.end()};
    }

    QWidget& Window;
    QAction* mnuResetSettings = Find<QAction>(&Window, "mnuResetSettings");
    QAction* mnuUpdate = Find<QAction>(&Window, "mnuUpdate");
    QAction* mnuImperial = Find<QAction>(&Window, "mnuImperial");
    QAction* mnuMetric = Find<QAction>(&Window, "mnuMetric");
    QAction* mnuHelp = Find<QAction>(&Window, "mnuHelp");
    QLabel* lblWizard = Find<QLabel>(&Window, "lblWizard");
    QStackedWidget* Wizard = Find<QStackedWidget>(&Window, "Wizard");
    QWidget* WizardPage1 = Find<QWidget>(&Window, "WizardPage1");
    QWidget* WizardPage2 = Find<QWidget>(&Window, "WizardPage2");
    TMultiColumnCombo* cbxProductType = Find<TMultiColumnCombo>(&Window, "cbxProductType");
    QLabel* imgPhoto = Find<QLabel>(&Window, "imgPhoto");
    TMPLabel* lblWaveguideCode = Find<TMPLabel>(&Window, "lblWaveguideCode");
    TMPLabel* lblWR = Find<TMPLabel>(&Window, "lblWR");
    TMPLabel* lblUSMilitary = Find<TMPLabel>(&Window, "lblUSMilitary");
    TMPLabel* lblBritish = Find<TMPLabel>(&Window, "lblBritish");
    TMPLabel* lblIEC = Find<TMPLabel>(&Window, "lblIEC");
    TMultiColumnCombo* cbxWaveguide = Find<TMultiColumnCombo>(&Window, "cbxWaveguide");
    QGroupBox* gbxFlangeA = Find<QGroupBox>(&Window, "gbxFlangeA");
    TMultiColumnCombo* cbxFlangeA = Find<TMultiColumnCombo>(&Window, "cbxFlangeA");
    QStackedWidget* nbLengthPages = Find<QStackedWidget>(&Window, "nbLengthPages");
    TCVNComboBox* cbxLength = Find<TCVNComboBox>(&Window, "cbxLength");
    QCheckBox* chkFlangeAdaptor = Find<QCheckBox>(&Window, "chkFlangeAdaptor");
    QLabel* lblLength1 = Find<QLabel>(&Window, "lblLength1");
    QLineEdit* txtLength = Find<QLineEdit>(&Window, "txtLength");
    QLabel* lblLength2 = Find<QLabel>(&Window, "lblLength2");
    TCVNComboBox* cbxLegALength = Find<TCVNComboBox>(&Window, "cbxLegALength");
    QLabel* lblLength4 = Find<QLabel>(&Window, "lblLength4");
    QGroupBox* gbxFlangeB = Find<QGroupBox>(&Window, "gbxFlangeB");
    TMultiColumnCombo* cbxFlangeB = Find<TMultiColumnCombo>(&Window, "cbxFlangeB");
    TMultiColumnCombo* cbxCoax = Find<TMultiColumnCombo>(&Window, "cbxCoax");
    QPushButton* btnNext = Find<QPushButton>(&Window, "btnNext");
    TMultiColumnCombo* cbxFinish = Find<TMultiColumnCombo>(&Window, "cbxFinish");
    QPushButton* btnCreate = Find<QPushButton>(&Window, "btnCreate");
    QLineEdit* txtPartNumber = Find<QLineEdit>(&Window, "txtPartNumber");
    QPushButton* btnAddOrder = Find<QPushButton>(&Window, "btnAddOrder");
    QPushButton* btnViewOrder = Find<QPushButton>(&Window, "btnViewOrder");
    QPushButton* btnViewSpecs = Find<QPushButton>(&Window, "btnViewSpecs");
    QPushButton* btnBack = Find<QPushButton>(&Window, "btnBack");
    QPushButton* btnFinish = Find<QPushButton>(&Window, "btnFinish");
    QGroupBox* rgFrequency = Find<QGroupBox>(&Window, "rgFrequency");
};

} // namespace cvn::test
