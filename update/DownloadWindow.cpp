#include "update/DownloadWindow.h"

#include "controls/Place.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace cvn {

namespace {

QString Megabytes(qint64 bytes) {
    constexpr double BytesPerMegabyte = 1024.0 * 1024.0;
    return QString::number(static_cast<double>(bytes) / BytesPerMegabyte, 'f', 1);
}

} // namespace

TfrmDownload::TfrmDownload(QWidget* parent)
    : TForm(QStringLiteral("Downloading"), ClientWidth, ClientHeight, parent) {
    setObjectName(QStringLiteral("frmDownload"));
    // Over every window of the program, as the blocking download always was.
    setWindowModality(Qt::ApplicationModal);
    lblFile = Place<QLabel>(this, "lblFile", 8, 8, 284, 16);
    pbProgress = Place<QProgressBar>(this, "pbProgress", 8, 28, 284, 17);
    lblBytes = Place<QLabel>(this, "lblBytes", 8, 50, 284, 16);
    btnCancel = PlaceButton(this, "btnCancel", QStringLiteral("&Cancel"), 217, 68);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmDownload::reject);
    ShowFile(QString());
}

void TfrmDownload::ShowFile(const QString& name) {
    lblFile->setText(QStringLiteral("Downloading %1").arg(name));
    ShowProgress(0, -1);
}

void TfrmDownload::ShowProgress(qint64 received, qint64 total) {
    if (total > 0) {
        // Per mille, so that the bar's int range holds any size.
        pbProgress->setRange(0, 1000);
        pbProgress->setValue(static_cast<int>(std::min<qint64>(received, total) * 1000 / total));
        lblBytes->setText(QStringLiteral("%1 of %2 MB").arg(Megabytes(received), Megabytes(total)));
    } else {
        pbProgress->setRange(0, 0);
        lblBytes->setText(QStringLiteral("%1 MB").arg(Megabytes(received)));
    }
}

void TfrmDownload::reject() {
    emit Cancelled();
    TForm::reject();
}

} // namespace cvn
