#include "orders/AddOrderDialog.h"

#include "catalogue/RunHandler.h"
#include "catalogue/TxtTable.h"
#include "controls/CoreText.h"
#include "controls/Flatten.h"
#include "controls/MPLabel.h"
#include "controls/Place.h"
#include "controls/ProgramFonts.h"
#include "controls/SpinEdit.h"
#include "orders/OrderLines.h"
#include "orders/PriceAndDelivery.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

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
    txtQuantity = Place<TSpinEdit>(this, "txtQuantity", 8, 78, 80, 21);
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

    connect(txtQuantity, &TSpinEdit::Changed, this, &TfrmAddOrder::txtQuantityChange);
    txtQuantity->installEventFilter(this);
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

bool TfrmAddOrder::ShownQuantity(int& quantity) const {
    return ParseOrderQuantity(CoreStr(txtQuantity->cleanText()), quantity);
}

void TfrmAddOrder::txtQuantityChange() {
    // What the box shows is what is priced and what Add stores. An emptied box or 0 is
    // no quantity: no price, and nothing to add until the box holds one again (leaving
    // it puts back the last quantity it held).
    int quantity = 0;
    const bool ordered = ShownQuantity(quantity);
    btnAdd->setEnabled(ordered);
    if (!ordered) {
        txtPrice->clear();
        txtDelivery->clear();
        return;
    }
    RunHandler(Prompts, [&] {
        const TPriceTexts texts = PriceAndDeliveryTexts(Order.PartNumber, quantity, Prompts);
        txtPrice->setText(QStr(texts.Price));
        txtDelivery->setText(QStr(texts.Delivery));
    });
}

bool TfrmAddOrder::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the box presses Add; with no quantity in the box it does nothing, as the
    // greyed button does, rather than let the box put back a number the user does not
    // see before the line is stored.
    int quantity = 0;
    if (watched == txtQuantity && event->type() == QEvent::KeyPress && !ShownQuantity(quantity)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            return true;
        }
    }
    return TForm::eventFilter(watched, event);
}

void TfrmAddOrder::btnAddClick() {
    int shown = 0;
    if (!OrderLines || !ShownQuantity(shown)) {
        return;
    }
    const std::string quantity = std::to_string(shown);
    const TPriceTexts texts{CoreStr(txtPrice->text()), CoreStr(txtDelivery->text())};
    if (RunHandler(Prompts, [&] { AddOrderLine(*OrderLines, Order, quantity, texts); })) {
        accept();
    }
}

} // namespace cvn
