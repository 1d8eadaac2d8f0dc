#include "wizard/FindSizeDialog.h"

#include "catalogue/RunHandler.h"
#include "catalogue/cvnLib.h"
#include "controls/CoreText.h"
#include "controls/Place.h"
#include "wizard/Configurator.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace cvn {

namespace {

enum Column { WR, Range, Vswr, Status, ColumnCount };

// The name of the family in use, as the product list shows it.
std::string FamilyName(const TConfigurator& wizard) {
    const std::vector<TStrings> families = wizard.ProductTypeItems();
    const int index = wizard.ProductTypeIndex;
    if (index < 0 || index >= static_cast<int>(families.size()) ||
        families[static_cast<std::size_t>(index)].size() < 2) {
        return {};
    }
    return families[static_cast<std::size_t>(index)][1];
}

} // namespace

TfrmFindSize::TfrmFindSize(TUserPrompts& prompts, const TConfigurator& wizard, QWidget* parent)
    : TForm(QStringLiteral("Find Size by Frequency"), ClientWidth, ClientHeight, parent),
      Prompts(prompts), Wizard(wizard) {
    setObjectName(QStringLiteral("frmFindSize"));

    lblFrequency = PlaceLabel(this, "lblFrequency", QStringLiteral("&Frequency (GHz):"), 8, 12);
    txtFrequency = Place<QLineEdit>(this, "txtFrequency", 112, 8, 120, 21);
    txtFrequency->setToolTip(QStringLiteral("10.5, 10,5 or a range such as 8.5-9.6"));
    lblFrequency->setBuddy(txtFrequency);
    const std::string family = FamilyName(wizard);
    lblFamily = PlaceLabel(this, "lblFamily",
                           QStringLiteral("Family: ") +
                               (family.empty() ? QStringLiteral("none chosen") : QStr(family)),
                           244, 12);

    lvSizes = Place<QTreeWidget>(this, "lvSizes", 8, 36, 444, 220);
    lvSizes->setColumnCount(ColumnCount);
    lvSizes->setHeaderLabels({QStringLiteral("WR"), QStringLiteral("Band Range"),
                              QStringLiteral("VSWR"), QStringLiteral("Status")});
    lvSizes->setRootIsDecorated(false);
    lvSizes->setAllColumnsShowFocus(true);
    lvSizes->header()->setSectionsMovable(false);
    lvSizes->setColumnWidth(WR, 70);
    lvSizes->setColumnWidth(Range, 130);
    lvSizes->setColumnWidth(Vswr, 70);

    lblNote = Place<QLabel>(this, "lblNote", 8, 262, 444, 16);
    btnSelect = PlaceButton(this, "btnSelect", QStringLiteral("&Select"), 296, 287);
    btnClose = PlaceButton(this, "btnClose", QStringLiteral("&Close"), 377, 287);
    btnSelect->setDefault(true);

    connect(txtFrequency, &QLineEdit::textChanged, this, &TfrmFindSize::txtFrequencyChange);
    connect(lvSizes, &QTreeWidget::itemActivated, this, &TfrmFindSize::lvSizesChoose);
    connect(btnSelect, &QPushButton::clicked, this, &TfrmFindSize::lvSizesChoose);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    txtFrequencyChange();
}

void TfrmFindSize::txtFrequencyChange() {
    lvSizes->clear();
    Matches.clear();
    const std::string text = CoreStr(txtFrequency->text());
    const auto span = ParseFrequencyQuery(text);
    if (!span) {
        lblNote->setText(
            text.empty() ? QStringLiteral("Type a frequency in GHz, or a range such as 8.5-9.6.")
                         : QStringLiteral("Not a frequency in GHz."));
        btnSelect->setEnabled(false);
        return;
    }
    RunHandler(Prompts, [&] {
        Matches = FindSizes(*span, Wizard.ProductTypeIndex, Wizard, Prompts, PreferencesOf(Wizard));
    });
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    QTreeWidgetItem* first = nullptr;
    for (const TSizeMatch& match : Matches) {
        auto* item = new QTreeWidgetItem(lvSizes);
        item->setText(WR, QStr(match.WR.empty() ? match.Code : match.WR));
        item->setText(Range, QStr(match.Range) + QStringLiteral(" (") + QStr(match.Band) +
                                 QLatin1Char(')'));
        item->setText(Vswr, QStr(match.Vswr.empty() ? "-" : match.Vswr));
        item->setText(
            Status,
            QStr(match.Status == TSizeStatus::None ? std::string() : SizeStatusText(match.Status)));
        if (match.Status == TSizeStatus::NotOffered) {
            // Not in the waveguide list: nothing to choose.
            item->setFlags(Qt::NoItemFlags);
        } else if (match.Status == TSizeStatus::SpecialQuote) {
            for (int c = 0; c < ColumnCount; ++c) {
                item->setForeground(c, grey);
            }
        }
        if (!first && match.Status != TSizeStatus::NotOffered) {
            first = item;
        }
    }
    if (first) {
        lvSizes->setCurrentItem(first);
    }
    const bool family = Wizard.ProductTypeIndex >= 0;
    lblNote->setText(Matches.empty() ? QStringLiteral("No size covers this frequency.")
                     : family
                         ? QStringLiteral("Double-click a size, or press Enter, to choose it.")
                         : QStringLiteral("Choose a family to see its VSWR and choose a size."));
    btnSelect->setEnabled(family && first != nullptr);
}

void TfrmFindSize::lvSizesChoose() {
    if (result() == Accepted || Wizard.ProductTypeIndex < 0) {
        return;
    }
    const int row = lvSizes->indexOfTopLevelItem(lvSizes->currentItem());
    if (row < 0 || row >= static_cast<int>(Matches.size())) {
        return;
    }
    const TSizeMatch& match = Matches[static_cast<std::size_t>(row)];
    if (match.Status == TSizeStatus::NotOffered || match.Status == TSizeStatus::None) {
        return;
    }
    FChosenCode = match.Code;
    accept();
}

} // namespace cvn
