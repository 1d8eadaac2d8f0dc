#pragma once

#include "update/SignedDownload.h"

class QWidget;

namespace cvn {

// A server that sends nothing for this long has stopped.
constexpr int DownloadStallMilliseconds = 60 * 1000;
// However steadily a server trickles, the whole download ends after this.
constexpr int DownloadDeadlineMilliseconds = 10 * 60 * 1000;

struct TDownloadTimes {
    int StallMilliseconds = DownloadStallMilliseconds;
    int DeadlineMilliseconds = DownloadDeadlineMilliseconds;
};

// Downloads with Qt Network under the hourglass, with a progress window whose Cancel
// (or close box) stops it at once; the window blocks the rest of the program while
// the event loop keeps running. Each file arrives in a temporary file beside its
// target and replaces it only once complete. Addresses and every redirect must pass
// AllowedDownloadAddress and AllowedRedirect before anything is requested from them.
class TQtDownloader : public TDownloader {
public:
    explicit TQtDownloader(TDownloadTimes times = {}, QWidget* owner = nullptr);

    bool Download(const std::vector<TDownloadItem>& items) override;

private:
    TDownloadTimes Times;
    QWidget* Owner;
};

} // namespace cvn
