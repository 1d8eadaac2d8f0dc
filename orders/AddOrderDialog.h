#pragma once

#include "catalogue/cvnLib.h"
#include "controls/Form.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace cvn {

class TMPLabel;
class TSpinEdit;
class TTxtTable;
class TUserPrompts;

// "Add to Order": the quantity of one part, with its price and delivery for that
// quantity; Add writes the line into the order list it was opened on. Used to add a
// configured part, to check its price, and to change a listed quantity.
class TfrmAddOrder : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 398;
    static constexpr int ClientHeight = 329;

    explicit TfrmAddOrder(TUserPrompts& prompts, QWidget* parent = nullptr);

    // Fills the dialog for the order on the list (the list is used, not copied); with
    // showNote false the framed "Enter your new quantity value." shows instead.
    void Prepare(TTxtTable& orderLines, const TOrder& order, bool showNote = true);
    // Prepare, then shown modally; the result is QDialog::Accepted after Add.
    int Execute(TTxtTable& orderLines, const TOrder& order, bool showNote = true);

    TMPLabel* lblBorder;
    QLabel* lblNote;
    QLabel* lblQuantity;
    TSpinEdit* txtQuantity;
    QLabel* lblPrice;
    QLineEdit* txtPrice;
    QLabel* lblDelivery;
    QLineEdit* txtDelivery;
    QLabel* lblDeliveryNote;
    QLabel* lblPartNumber;
    QLineEdit* txtPartNumber;
    QLabel* lblDescription;
    QPlainTextEdit* txtDescription;
    QPushButton* btnAdd;
    QPushButton* btnCancel;

public slots:
    void txtQuantityChange();
    void btnAddClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    // The quantity the box shows; false when it shows none (emptied, or 0).
    bool ShownQuantity(int& quantity) const;

    TUserPrompts& Prompts;
    TTxtTable* OrderLines = nullptr;
    TOrder Order;
};

} // namespace cvn
