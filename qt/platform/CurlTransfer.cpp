#include "qt/platform/CurlTransfer.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QSocketNotifier>
#include <algorithm>

namespace tesmarik {

QString ReceivedText(qint64 bytes) {
    return QString::fromUtf8("Загрузка прайса...\nПолучено байт: %1").arg(bytes);
}

bool CurlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

CurlTransfer::CurlTransfer(const std::string& url, const DownloadLimits& limits)
    : limits_(limits), headers_(limits.maxHeaderBytes) {
    // Data may come in pieces of a byte: each piece only notes the time, and the timer
    // looks at it when it fires.
    stall_.setSingleShot(true);
    QObject::connect(&stall_, &QTimer::timeout, [this] {
        const auto quiet = std::chrono::milliseconds(lastData_.elapsed());
        if (quiet < limits_.stall) {
            stall_.start(limits_.stall - quiet);
            return;
        }
        stalled_ = true;
        loop_.quit();
    });
    curlTimer_.setSingleShot(true);
    QObject::connect(&curlTimer_, &QTimer::timeout, [this] { Act(CURL_SOCKET_TIMEOUT, 0); });

    multi_ = curl_multi_init();
    easy_ = curl_easy_init();
    if (multi_ == nullptr || easy_ == nullptr) {
        return;
    }
    curl_multi_setopt(multi_, CURLMOPT_SOCKETFUNCTION, &CurlTransfer::OnSocket);
    curl_multi_setopt(multi_, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(multi_, CURLMOPT_TIMERFUNCTION, &CurlTransfer::OnTimer);
    curl_multi_setopt(multi_, CURLMOPT_TIMERDATA, this);

    curl_easy_setopt(easy_, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy_, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy_, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy_, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(easy_, CURLOPT_PROXY, "");
    curl_easy_setopt(easy_, CURLOPT_USERAGENT, "Tesmarik/" TESMARIK_VERSION);
    curl_easy_setopt(easy_, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
    curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
    // A name still being looked up is left to its lookup thread rather than waited for.
    curl_easy_setopt(easy_, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(easy_, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &CurlTransfer::OnHeader);
    curl_easy_setopt(easy_, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &CurlTransfer::OnBody);
    curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
    added_ = curl_multi_add_handle(multi_, easy_) == CURLM_OK;
}

CurlTransfer::~CurlTransfer() {
    // Ends the transfer and closes every connection while the watchers still exist:
    // libcurl says goodbye to its sockets through them.
    if (added_) {
        curl_multi_remove_handle(multi_, easy_);
    }
    if (easy_ != nullptr) {
        curl_easy_cleanup(easy_);
    }
    if (multi_ != nullptr) {
        curl_multi_cleanup(multi_);
    }
    curlTimer_.stop();
    stall_.stop();
}

void CurlTransfer::Run(QProgressDialog& progress) {
    progress_ = &progress;
    if (!added_) {
        return;
    }
    // The Cancel button, Escape and closing the dialog all end the download; only a
    // cancel while waiting counts.
    const auto cancel = [this] {
        if (waiting_ && !finished_) {
            cancelled_ = true;
            loop_.quit();
        }
    };
    QObject::connect(&progress, &QProgressDialog::canceled, &loop_, cancel);
    QObject::connect(&progress, &QDialog::rejected, &loop_, cancel);
    lastData_.start();
    sinceOthersHadTheirTurn_.start();
    stall_.start(limits_.stall);
    // libcurl asks for its first call through the timer.
    waiting_ = true;
    if (!finished_) {
        loop_.exec();
    }
    waiting_ = false;
    stall_.stop();
    curlTimer_.stop();
    progress_ = nullptr;
}

const std::string* CurlTransfer::Body() const {
    if (!finished_ || cancelled_ || stalled_ || refused_ || code_ != CURLE_OK) {
        return nullptr;
    }
    long status = 0;
    curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &status);
    return status == 200 ? &body_ : nullptr;
}

int CurlTransfer::OnSocket(CURL*, curl_socket_t socket, int what, void* self, void*) {
    static_cast<CurlTransfer*>(self)->Watch(socket, what);
    return 0;
}

int CurlTransfer::OnTimer(CURLM*, long milliseconds, void* self) {
    auto& timer = static_cast<CurlTransfer*>(self)->curlTimer_;
    if (milliseconds < 0) {
        timer.stop();
    } else {
        timer.start(static_cast<int>(std::min(milliseconds, 60'000L)));
    }
    return 0;
}

std::size_t CurlTransfer::OnHeader(char* data, std::size_t size, std::size_t count, void* self) {
    const std::size_t bytes = size * count;
    return static_cast<CurlTransfer*>(self)->TakeHeader({data, bytes}) ? bytes : 0;
}

std::size_t CurlTransfer::OnBody(char* data, std::size_t size, std::size_t count, void* self) {
    const std::size_t bytes = size * count;
    return static_cast<CurlTransfer*>(self)->TakeBody({data, bytes}) ? bytes : 0;
}

void CurlTransfer::Watch(curl_socket_t socket, int what) {
    auto& watchers = watchers_[socket];
    const auto set = [&](QSocketNotifier*& notifier, QSocketNotifier::Type type, bool on,
                         int mask) {
        if (on && notifier == nullptr) {
            notifier = new QSocketNotifier(socket, type, &owner_);
            QObject::connect(notifier, &QSocketNotifier::activated, &owner_,
                             [this, socket, mask] { Act(socket, mask); });
        }
        if (notifier != nullptr) {
            notifier->setEnabled(on);
        }
    };
    const bool remove = what == CURL_POLL_REMOVE;
    set(watchers.first, QSocketNotifier::Read, !remove && (what & CURL_POLL_IN) != 0,
        CURL_CSELECT_IN);
    set(watchers.second, QSocketNotifier::Write, !remove && (what & CURL_POLL_OUT) != 0,
        CURL_CSELECT_OUT);
    if (remove) {
        for (QSocketNotifier* notifier : {watchers.first, watchers.second}) {
            if (notifier != nullptr) {
                notifier->deleteLater();
            }
        }
        watchers_.erase(socket);
    }
}

void CurlTransfer::Act(curl_socket_t socket, int mask) {
    if (finished_ || !waiting_) {
        return;
    }
    int running = 0;
    curl_multi_socket_action(multi_, socket, mask, &running);
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &left)) {
        if (message->msg == CURLMSG_DONE) {
            code_ = message->data.result;
            finished_ = true;
            loop_.quit();
        }
    }
    // The dialog lets events through while it updates; a call from there does not
    // update it again.
    if (progress_ != nullptr && !updating_ && shown_ != static_cast<qint64>(body_.size())) {
        updating_ = true;
        shown_ = static_cast<qint64>(body_.size());
        progress_->setLabelText(ReceivedText(shown_));
        curl_off_t total = -1;
        curl_easy_getinfo(easy_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
        if (total > 0 && total <= limits_.maxBytes && shown_ <= total) {
            progress_->setMaximum(static_cast<int>(total));
            progress_->setValue(static_cast<int>(shown_));
        }
        updating_ = false;
    }
    LetOthersHaveTheirTurn();
}

void CurlTransfer::LetOthersHaveTheirTurn() {
    // Windows hands out timer messages, and input after posted messages, only when the
    // queue runs dry, which a server flooding the connection never lets it do: the Cancel
    // button and the stall timer would never be heard. Every tenth of a second the other
    // events are taken in with the sockets set aside.
    constexpr qint64 kTurnEveryMilliseconds = 100;
    if (givingOthersTheirTurn_ || finished_ ||
        sinceOthersHadTheirTurn_.elapsed() < kTurnEveryMilliseconds) {
        return;
    }
    givingOthersTheirTurn_ = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
    sinceOthersHadTheirTurn_.restart();
    givingOthersTheirTurn_ = false;
}

bool CurlTransfer::TakeHeader(std::string_view line) {
    lastData_.start();
    return headers_.Take(line) || Refuse();
}

bool CurlTransfer::TakeBody(std::string_view bytes) {
    lastData_.start();
    long status = 0;
    curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &status);
    if (status != 200) {
        return Refuse();  // nothing but the price list is worth the wait
    }
    if (static_cast<std::int64_t>(body_.size() + bytes.size()) > limits_.maxBytes) {
        return Refuse();
    }
    body_.append(bytes);
    return true;
}

bool CurlTransfer::Refuse() {
    refused_ = true;
    return false;
}

}  // namespace tesmarik
