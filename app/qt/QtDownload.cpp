#include "app/qt/QtDownload.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressDialog>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

namespace tesmarik {

namespace {

QString ReceivedText(qint64 bytes) {
    return QString::fromUtf8("Загрузка прайса...\nПолучено байт: %1").arg(bytes);
}

}  // namespace

bool DownloadUrlToFile(QWidget* parent, const std::string& url, const std::string& path,
                       const DownloadLimits& limits) {
    const QString target = QString::fromStdString(path);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }

    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    QNetworkReply* reply = manager.get(request);  // the manager deletes it

    QProgressDialog progress(ReceivedText(0), QString::fromUtf8("Отмена"), 0, 0, parent);
    progress.setWindowTitle(QString::fromUtf8("Тесмарик"));
    // Modal at once: no other control of the window can start a handler meanwhile.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);

    QEventLoop loop;
    QTimer stall;
    stall.setSingleShot(true);
    stall.setInterval(limits.stall);
    bool failed = false;
    qint64 received = 0;
    const auto fail = [&] {
        failed = true;
        reply->abort();
    };
    const auto take = [&] {
        const QByteArray data = reply->readAll();
        received += data.size();
        if (received > limits.maxBytes || file.write(data) != static_cast<qint64>(data.size())) {
            fail();
        }
    };

    QObject::connect(reply, &QNetworkReply::metaDataChanged, [&] {
        bool known = false;
        const qint64 length =
            reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && length > limits.maxBytes) {
            fail();
        }
    });
    QObject::connect(reply, &QNetworkReply::readyRead, [&] {
        stall.start();
        take();
        progress.setLabelText(ReceivedText(received));
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, [&](qint64 got, qint64 total) {
        if (total > 0 && total <= limits.maxBytes) {
            progress.setMaximum(static_cast<int>(total));
            progress.setValue(static_cast<int>(got));
        }
    });
    QObject::connect(&stall, &QTimer::timeout, [&] { fail(); });
    // The Cancel button, Escape and closing the dialog all end the download; closing it
    // at the end reports a cancel too, and only one before the end counts.
    const auto cancel = [&] {
        if (!reply->isFinished()) {
            fail();
        }
    };
    QObject::connect(&progress, &QProgressDialog::canceled, cancel);
    QObject::connect(&progress, &QDialog::rejected, cancel);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    stall.start();
    progress.show();
    if (!reply->isFinished()) {
        loop.exec();
    }
    stall.stop();
    progress.close();

    if (!failed && reply->error() == QNetworkReply::NoError) {
        take();  // whatever arrived with the end of the reply
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // A connection closed early can look like success: the declared length decides.
    bool lengthKnown = false;
    const qint64 length =
        reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&lengthKnown);
    const bool ok = !failed && reply->error() == QNetworkReply::NoError && status >= 200 &&
                    status < 300 && (!lengthKnown || length == received);
    if (!ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace tesmarik
