#pragma once

#include "update/Update.h"

namespace cvn {

// Downloads with Qt Network while the program waits in a local event loop that takes
// no user input, under the hourglass. The file arrives in a temporary file beside the
// target and replaces it only once complete, so a broken download never destroys an
// installer that was already there.
class TQtDownloader : public TDownloader {
public:
    // A server that sends nothing for this long counts as a failure, rather than
    // leaving the user waiting under the hourglass for ever.
    explicit TQtDownloader(int stallMilliseconds = 60000);

    bool Download(const std::string& address, const std::string& target) override;

private:
    int StallMilliseconds;
};

} // namespace cvn
