#include "update/QtDownloader.h"

#include "controls/CoreText.h"

#include <QApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QUrl>

namespace cvn {

namespace {

// The hourglass for as long as it lives, however the download ends.
class THourglass {
public:
    THourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~THourglass() { QApplication::restoreOverrideCursor(); }
    THourglass(const THourglass&) = delete;
    THourglass& operator=(const THourglass&) = delete;
};

bool SuccessStatus(const QNetworkReply& reply) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // Schemes other than http carry no status; their errors come through error().
    if (!status.isValid()) {
        return true;
    }
    const int code = status.toInt();
    return code >= 200 && code < 300;
}

} // namespace

TQtDownloader::TQtDownloader(int stallMilliseconds) : StallMilliseconds(stallMilliseconds) {}

bool TQtDownloader::Download(const std::string& address, const std::string& target) {
    THourglass hourglass;
    const QUrl url(QStr(address));
    if (!url.isValid() || url.isRelative()) {
        return false;
    }
    QSaveFile file(QStr(target));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }

    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setTransferTimeout(StallMilliseconds);
    // The bytes as sent, so that they can be counted against the announced length.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = network.get(request);
    bool written = true;
    qint64 received = 0;
    auto save = [&] {
        if (!reply->isOpen()) {
            return;
        }
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        if (written && file.write(chunk) != chunk.size()) {
            written = false;
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::readyRead, reply, save);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    save();
    // A connection that closes early can end without an error: the length tells.
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool whole = !announced.isValid() || announced.toLongLong() == received;
    const bool ok =
        written && whole && reply->error() == QNetworkReply::NoError && SuccessStatus(*reply);
    if (!ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace cvn
