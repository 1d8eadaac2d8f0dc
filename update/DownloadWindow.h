#pragma once

#include "controls/Form.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace cvn {

// The installer download's progress: which file, how far, and Cancel. It blocks every
// other window of the program while it is up; Cancel, Escape and the close box all
// ask the download to stop.
class TfrmDownload : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 300;
    static constexpr int ClientHeight = 101;

    explicit TfrmDownload(QWidget* parent = nullptr);

    // A new file starts: its name, nothing received yet.
    void ShowFile(const QString& name);
    // total < 0: the server did not say how much is coming.
    void ShowProgress(qint64 received, qint64 total);

    QLabel* lblFile;
    QProgressBar* pbProgress;
    QLabel* lblBytes;
    QPushButton* btnCancel;

signals:
    void Cancelled();

public slots:
    void reject() override;
};

} // namespace cvn
