#pragma once

#include <curl/curl.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "qt/platform/AnswerHeaders.h"
#include "qt/platform/DownloadLimits.h"

class QProgressDialog;
class QSocketNotifier;

namespace tesmarik {

// What the progress dialog says while the price list comes in.
QString ReceivedText(qint64 bytes);

// libcurl's global state, set up once for the life of the module; false when it cannot be.
bool CurlReady();

// One HTTP GET into memory with libcurl's multi interface, driven by the caller's event
// loop: libcurl tells which sockets to watch and when to call it back, Qt watches them.
// No thread is started for an address given by number, and ending the transfer closes
// its connection at once.
class CurlTransfer {
public:
    CurlTransfer(const std::string& url, const DownloadLimits& limits);

    ~CurlTransfer();

    CurlTransfer(const CurlTransfer&) = delete;
    CurlTransfer& operator=(const CurlTransfer&) = delete;

    // Waits until the transfer ends, stalls or the progress dialog is cancelled.
    void Run(QProgressDialog& progress);

    bool Cancelled() const { return cancelled_; }

    // The body, when the answer is a whole, plain 200 within the limits.
    const std::string* Body() const;

private:
    static int OnSocket(CURL*, curl_socket_t socket, int what, void* self, void*);

    static int OnTimer(CURLM*, long milliseconds, void* self);

    static std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* self);

    static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* self);

    // One watcher for reading and one for writing per socket, each on while libcurl wants
    // it. A watcher that is no longer wanted is only switched off here: it may be the one
    // whose signal is being delivered.
    void Watch(curl_socket_t socket, int what);

    // Lets libcurl work on a socket that is ready, or on its timer, and shows the bytes.
    void Act(curl_socket_t socket, int mask);

    // Lets the timers and the user's input through while the sockets keep the queue full.
    void LetOthersHaveTheirTurn();

    bool TakeHeader(std::string_view line);

    bool TakeBody(std::string_view bytes);

    bool Refuse();

    DownloadLimits limits_;
    QObject owner_;  // of the socket watchers
    QEventLoop loop_;
    QTimer stall_;
    QElapsedTimer lastData_;
    QTimer curlTimer_;
    std::map<curl_socket_t, std::pair<QSocketNotifier*, QSocketNotifier*>> watchers_;
    CURLM* multi_ = nullptr;
    CURL* easy_ = nullptr;
    bool added_ = false;
    QProgressDialog* progress_ = nullptr;

    bool waiting_ = false;
    bool finished_ = false;
    bool cancelled_ = false;
    bool stalled_ = false;
    bool refused_ = false;
    CURLcode code_ = CURLE_OK;
    AnswerHeaders headers_;
    std::string body_;
    qint64 shown_ = 0;
    bool updating_ = false;
    QElapsedTimer sinceOthersHadTheirTurn_;
    bool givingOthersTheirTurn_ = false;
};

}  // namespace tesmarik
