#include "qt/platform/QtDownload.h"

#include <QProgressDialog>

#include "price/PlausiblePriceList.h"
#include "qt/platform/CurlTransfer.h"
#include "qt/platform/PriceFileWriter.h"

namespace tesmarik {

using Outcome = DownloadResult::Outcome;

DownloadResult CurlDownloadToFile(QWidget* parent, const std::string& url, const std::string& path,
                                  const DownloadLimits& limits) {
    // A file that cannot be written is known before anything is fetched.
    PriceFileWriter writer(path);
    if (!writer.Open()) {
        return {Outcome::LocalFailure, writer.Reason()};
    }
    if (!CurlReady()) {
        return {Outcome::NetworkFailure, {}};
    }

    QProgressDialog progress(ReceivedText(0), QString::fromUtf8("Отмена"), 0, 0, parent);
    progress.setWindowTitle(QString::fromUtf8("Тесмарик"));
    // Modal at once: no other control of the window can start a handler meanwhile.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.show();

    CurlTransfer transfer(url, limits);
    transfer.Run(progress);
    progress.close();

    if (transfer.Cancelled()) {
        writer.Discard();
        return {Outcome::Cancelled, {}};
    }
    const std::string* body = transfer.Body();
    if (body == nullptr || !LooksLikePriceList(*body)) {
        writer.Discard();
        return {Outcome::NetworkFailure, {}};
    }
    if (!writer.Commit(*body)) {
        return {Outcome::LocalFailure, writer.Reason()};
    }
    return {Outcome::Ok, {}};
}

}  // namespace tesmarik
