#include "update/QtDownloader.h"

#include "controls/CoreText.h"
#include "update/DownloadWindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace cvn {

namespace {

// Enough for a mirror or two; a loop ends here.
constexpr int MaxRedirects = 5;

// The hourglass for as long as it lives, however the download ends.
class THourglass {
public:
    THourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~THourglass() { QApplication::restoreOverrideCursor(); }
    THourglass(const THourglass&) = delete;
    THourglass& operator=(const THourglass&) = delete;
};

TAddress AddressOf(const QUrl& url) {
    return {CoreStr(url.scheme()), CoreStr(url.host())};
}

bool SuccessStatus(const QNetworkReply& reply) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int code = status.toInt();
    return status.isValid() && code >= 200 && code < 300;
}

// One file of the download, to its target, or false. Whatever stops it early (Cancel,
// the deadline, a refused redirect, too many bytes, a write that fails) aborts the
// request at once and leaves the target as it was.
bool Fetch(QNetworkAccessManager& network, const TDownloadItem& item, int stallMilliseconds,
           const QDeadlineTimer& deadline, TfrmDownload& window) {
    const QUrl url(QStr(item.Address));
    if (!url.isValid() || url.isRelative() || !AllowedDownloadAddress(AddressOf(url)) ||
        deadline.hasExpired()) {
        return false;
    }
    QSaveFile file(QStr(item.Target));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    window.ShowFile(url.fileName());

    QNetworkRequest request(url);
    request.setTransferTimeout(stallMilliseconds);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    // The bytes as sent, so that they can be counted against the announced length.
    request.setRawHeader("Accept-Encoding", "identity");

    bool stopped = false;
    qint64 received = 0;
    QUrl current = url;
    QEventLoop loop;
    QTimer deadlineTimer;
    deadlineTimer.setSingleShot(true);
    // Deleted before the locals its handlers use.
    const std::unique_ptr<QNetworkReply> reply(network.get(request));
    QNetworkReply* const r = reply.get();
    auto stop = [&stopped, r] {
        stopped = true;
        r->abort();
    };
    auto save = [&] {
        if (stopped || !r->isOpen()) {
            return;
        }
        const QByteArray chunk = r->readAll();
        received += chunk.size();
        if (received > item.MaxBytes || file.write(chunk) != chunk.size()) {
            stop();
        }
    };
    QObject::connect(r, &QNetworkReply::readyRead, r, save);
    QObject::connect(r, &QNetworkReply::metaDataChanged, r, [&] {
        // Refused at the headers when too large: not a byte of it needs to come.
        const QVariant announced = r->header(QNetworkRequest::ContentLengthHeader);
        if (SuccessStatus(*r) && announced.isValid() && announced.toLongLong() > item.MaxBytes) {
            stop();
        }
    });
    QObject::connect(r, &QNetworkReply::redirected, r, [&](const QUrl& to) {
        const QUrl next = current.resolved(to);
        if (AllowedRedirect(AddressOf(current), AddressOf(next))) {
            current = next;
            emit r->redirectAllowed();
        } else {
            stop();
        }
    });
    QObject::connect(r, &QNetworkReply::downloadProgress, &window, &TfrmDownload::ShowProgress);
    QObject::connect(&window, &TfrmDownload::Cancelled, r, stop);
    QObject::connect(&deadlineTimer, &QTimer::timeout, r, stop);
    QObject::connect(r, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadlineTimer.start(static_cast<int>(std::max<qint64>(0, deadline.remainingTime())));
    if (!r->isFinished()) {
        loop.exec();
    }
    save();
    // A connection that closes early can end without an error: the length tells.
    const QVariant announced = r->header(QNetworkRequest::ContentLengthHeader);
    const bool whole = !announced.isValid() || announced.toLongLong() == received;
    if (stopped || !whole || r->error() != QNetworkReply::NoError || !SuccessStatus(*r)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

TQtDownloader::TQtDownloader(TDownloadTimes times, QWidget* owner) : Times(times), Owner(owner) {}

bool TQtDownloader::Download(const std::vector<TDownloadItem>& items) {
    THourglass hourglass;
    const QDeadlineTimer deadline(Times.DeadlineMilliseconds);
    TfrmDownload window(Owner);
    window.show();
    QNetworkAccessManager network;
    for (const TDownloadItem& item : items) {
        if (!Fetch(network, item, Times.StallMilliseconds, deadline, window)) {
            return false;
        }
    }
    return true;
}

} // namespace cvn
