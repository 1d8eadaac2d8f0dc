#pragma once

#include "controls/Form.h"
#include "entry/QuickBuilder.h"

#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace cvn {

class TUserPrompts;

// The Quick Builder: sets the wizard up from a typed part number. Each handler hands
// the event to TQuickBuilder and then shows its state.
class TfrmCreate : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 297;
    static constexpr int ClientHeight = 103;

    // Loads the history; prompts shows what goes wrong when it is saved at the end.
    explicit TfrmCreate(TUserPrompts& prompts, QWidget* parent = nullptr);
    // Saves the history.
    ~TfrmCreate() override;

    TQuickBuilder& Core() { return FCore; }
    // Shows the state in the controls, without firing their handlers.
    void MirrorState();

    QLabel* lblPartNumber;
    QComboBox* cbxPartNumber;
    QMenu* PopupMenu1;
    QAction* mnuClearAllItems;
    QPushButton* btnCreate;
    QPushButton* btnClose;

public slots:
    void cbxPartNumberChange();
    void btnCreateClick();
    void btnCloseClick();
    void mnuClearAllItemsClick();
    // Escape and the window's close button count as Close.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Handle(const std::function<void()>& handler);

    TUserPrompts& Prompts;
    TQuickBuilder FCore;
};

} // namespace cvn
