#pragma once

#include "controls/Form.h"
#include "entry/Conversion.h"

#include <functional>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace cvn {

class TUserPrompts;

// Converts an old part number through the conversion table. Each handler hands the
// event to TOldPartConverter and then shows its state.
class TfrmConvert : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 377;
    static constexpr int ClientHeight = 257;

    // Loads the history; prompts shows the dialog's messages.
    explicit TfrmConvert(TUserPrompts& prompts, QWidget* parent = nullptr);
    // Saves the history.
    ~TfrmConvert() override;

    TOldPartConverter& Core() { return FCore; }
    // Shows the state in the controls, without firing their handlers.
    void MirrorState();

    // Upper panel.
    QFrame* pnlOldPartNumber;
    QLabel* lblOldPartNumber;
    QComboBox* cbxOldPartNumber;
    QMenu* PopupMenu1;
    QAction* ClearAllItems1;
    QPushButton* btnCreate;

    // Lower panel.
    QFrame* pnlNewPartNumber;
    QLabel* lblNewPartNumber;
    QLineEdit* txtNewPartNumber;
    QLabel* lblComments;
    QPlainTextEdit* txtComments;

    QPushButton* btnContinue;
    QPushButton* btnCancel;

public slots:
    void cbxOldPartNumberChange();
    void btnCreateClick();
    void btnContinueClick();
    void btnCancelClick();
    void ClearAllItems1Click();
    // Escape and the window's close button count as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Handle(const std::function<void()>& handler);
    void ApplyFocus();

    TUserPrompts& Prompts;
    TOldPartConverter FCore;
};

} // namespace cvn
