#include "orders/AddOrderDialog.h"

#include "catalogue/RunHandler.h"
#include "catalogue/TxtTable.h"
#include "controls/CoreText.h"
#include "controls/Flatten.h"
#include "controls/MPLabel.h"
#include "controls/Place.h"
#include "controls/ProgramFonts.h"
#include "orders/OrderLines.h"
#include "orders/PriceAndDelivery.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace cvn {

namespace {

QLineEdit* PlaceReadOnly(QWidget* parent, const char* name, int x, int y, int w) {
    auto* box = Place<QLineEdit>(parent, name, x, y, w, 21);
    box->setReadOnly(true);
    return box;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

} // namespace

TfrmAddOrder::TfrmAddOrder(TUserPrompts& prompts, QWidget* parent)
    : TForm(QStringLiteral("Add to Order"), ClientWidth, ClientHeight, parent), Prompts(prompts) {
    setObjectName(QStringLiteral("frmAddOrder"));

    // The note covers the framed caption; with the note hidden the caption shows.
    lblBorder = new TMPLabel(QStringLiteral("Enter your new quantity value."), this);
    lblBorder->setObjectName(QStringLiteral("lblBorder"));
    lblBorder->setGeometry(8, 8, 382, 44);
    lblBorder->setFont(TahomaFont(Points8, true));
    lblNote = Place<QLabel>(this, "lblNote", 8, 8, 382, 44);
    lblNote->setWordWrap(true);
    lblNote->setAlignment(Qt::AlignCenter);
    lblNote->setFont(TahomaFont(Points8, true));
    lblNote->setAutoFillBackground(true);

    lblQuantity = PlaceLabel(this, "lblQuantity", QStringLiteral("Quantity"), 8, 62);
    txtQuantity = Place<QSpinBox>(this, "txtQuantity", 8, 78, 80, 21);
    txtQuantity->setRange(MinOrderQuantity, MaxOrderQuantity);
    txtQuantity->setValue(1);
    lblPrice = PlaceLabel(this, "lblPrice", QStringLiteral("Price"), 98, 62);
    txtPrice = PlaceReadOnly(this, "txtPrice", 98, 78, 110);
    txtPrice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblDelivery = PlaceLabel(this, "lblDelivery", QStringLiteral("Delivery Time"), 218, 62);
    txtDelivery = PlaceReadOnly(this, "txtDelivery", 218, 78, 172);
    lblDeliveryNote = Place<QLabel>(this, "lblDeliveryNote", 218, 102, 172, 42);
    lblDeliveryNote->setText(QStringLiteral("Estimated delivery times. For exact lead times, "
                                            "please contact your Brenmoor representative."));
    lblDeliveryNote->setWordWrap(true);
    lblDeliveryNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblPartNumber = PlaceLabel(this, "lblPartNumber", QStringLiteral("Part Number"), 8, 148);
    txtPartNumber = PlaceReadOnly(this, "txtPartNumber", 8, 164, 382);
    txtPartNumber->setFont(TahomaFont(Points8, true));
    lblDescription = PlaceLabel(this, "lblDescription", QStringLiteral("Description"), 8, 192);
    txtDescription = Place<QPlainTextEdit>(this, "txtDescription", 8, 208, 382, 76);
    txtDescription->setReadOnly(true);

    btnAdd = PlaceButton(this, "btnAdd", QStringLiteral("&Add"), 234, 296);
    btnAdd->setDefault(true);
    btnCancel = PlaceButton(this, "btnCancel", QStringLiteral("&Cancel"), 315, 296);

    lblQuantity->setBuddy(txtQuantity);
    lblPrice->setBuddy(txtPrice);
    lblDelivery->setBuddy(txtDelivery);
    lblPartNumber->setBuddy(txtPartNumber);
    lblDescription->setBuddy(txtDescription);

    connect(txtQuantity, &QSpinBox::valueChanged, this, &TfrmAddOrder::txtQuantityChange);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmAddOrder::btnAddClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    FlattenControls(this);
}

void TfrmAddOrder::Prepare(TTxtTable& orderLines, const TOrder& order, bool showNote) {
    txtPartNumber->setText(QStr(order.PartNumber));
    txtDescription->setPlainText(QStr(order.Description));
    Order = order;
    OrderLines = &orderLines;
    lblNote->setVisible(showNote);
}

int TfrmAddOrder::Execute(TTxtTable& orderLines, const TOrder& order, bool showNote) {
    Prepare(orderLines, order, showNote);
    const int result = exec();
    lblNote->setVisible(true);
    return result;
}

void TfrmAddOrder::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    FormShow();
}

void TfrmAddOrder::FormShow() {
    txtQuantity->setFocus();
    if (!OrderLines) {
        return;
    }
    TAddOrderLook look;
    if (!RunHandler(Prompts, [&] { look = AddOrderLook(*OrderLines, Order); })) {
        return;
    }
    lblNote->setText(QStr(look.Note));
    SetTextColour(lblNote, look.NoteIsRed ? QColor(Qt::red) : Navy());
    btnAdd->setText(QStr(look.AddCaption));
    {
        const QSignalBlocker block(txtQuantity);
        txtQuantity->setValue(look.Quantity);
    }
    txtQuantityChange();
    txtQuantity->selectAll();
}

void TfrmAddOrder::txtQuantityChange() {
    RunHandler(Prompts, [&] {
        const TPriceTexts texts =
            PriceAndDeliveryTexts(Order.PartNumber, txtQuantity->value(), Prompts);
        txtPrice->setText(QStr(texts.Price));
        txtDelivery->setText(QStr(texts.Delivery));
    });
}

void TfrmAddOrder::btnAddClick() {
    if (!OrderLines) {
        return;
    }
    // The box's value, not its text: an emptied box still stands for the number the
    // price was worked out for.
    const std::string quantity = std::to_string(txtQuantity->value());
    const TPriceTexts texts{CoreStr(txtPrice->text()), CoreStr(txtDelivery->text())};
    if (RunHandler(Prompts, [&] { AddOrderLine(*OrderLines, Order, quantity, texts); })) {
        accept();
    }
}

} // namespace cvn
