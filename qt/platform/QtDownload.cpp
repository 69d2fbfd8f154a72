#include "qt/platform/QtDownload.h"

#include "price/PlausiblePriceList.h"

#include <curl/curl.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QObject>
#include <QProgressDialog>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <map>
#include <set>
#include <string_view>

namespace tesmarik {

namespace {

using Outcome = DownloadResult::Outcome;

QString ReceivedText(qint64 bytes) {
    return QString::fromUtf8("Загрузка прайса...\nПолучено байт: %1").arg(bytes);
}

// In words for the user: why a file or folder could not be written.
std::string LocalReason(int error) {
    switch (error) {
        case ENOSPC:
#ifdef EDQUOT  // the Windows C runtime knows no disk quotas
        case EDQUOT:
#endif
            return "на диске нет места";
        case EFBIG:
            return "файл больше, чем разрешено записывать";
        case EACCES:
        case EPERM:
            return "нет прав на запись";
        case EROFS:
            return "диск доступен только для чтения";
        case EISDIR:
            return "на месте файла прайса находится папка";
        case ENOTDIR:
        case EEXIST:
            return "на месте папки находится файл";
        case EIO:
            return "ошибка ввода-вывода";
        default:
            return std::strerror(error);
    }
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

// libcurl's global state, set up once for the life of the module.
bool CurlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

// One HTTP GET into memory with libcurl's multi interface, driven by the caller's event
// loop: libcurl tells which sockets to watch and when to call it back, Qt watches them.
// No thread is started for an address given by number, and ending the transfer closes
// its connection at once.
class Transfer {
public:
    Transfer(const std::string& url, const DownloadLimits& limits) : limits_(limits) {
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
        curl_multi_setopt(multi_, CURLMOPT_SOCKETFUNCTION, &Transfer::OnSocket);
        curl_multi_setopt(multi_, CURLMOPT_SOCKETDATA, this);
        curl_multi_setopt(multi_, CURLMOPT_TIMERFUNCTION, &Transfer::OnTimer);
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
        curl_easy_setopt(easy_, CURLOPT_MAXFILESIZE_LARGE,
                         static_cast<curl_off_t>(limits.maxBytes));
        curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &Transfer::OnHeader);
        curl_easy_setopt(easy_, CURLOPT_HEADERDATA, this);
        curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &Transfer::OnBody);
        curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
        added_ = curl_multi_add_handle(multi_, easy_) == CURLM_OK;
    }

    ~Transfer() {
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

    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    // Waits until the transfer ends, stalls or the progress dialog is cancelled.
    void Run(QProgressDialog& progress) {
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

    bool Cancelled() const { return cancelled_; }

    // The body, when the answer is a whole, plain 200 within the limits.
    const std::string* Body() const {
        if (!finished_ || cancelled_ || stalled_ || refused_ || code_ != CURLE_OK) {
            return nullptr;
        }
        long status = 0;
        curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &status);
        return status == 200 ? &body_ : nullptr;
    }

private:
    static int OnSocket(CURL*, curl_socket_t socket, int what, void* self, void*) {
        static_cast<Transfer*>(self)->Watch(socket, what);
        return 0;
    }

    static int OnTimer(CURLM*, long milliseconds, void* self) {
        auto& timer = static_cast<Transfer*>(self)->curlTimer_;
        if (milliseconds < 0) {
            timer.stop();
        } else {
            timer.start(static_cast<int>(std::min(milliseconds, 60'000L)));
        }
        return 0;
    }

    static std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* self) {
        const std::size_t bytes = size * count;
        return static_cast<Transfer*>(self)->TakeHeader({data, bytes}) ? bytes : 0;
    }

    static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* self) {
        const std::size_t bytes = size * count;
        return static_cast<Transfer*>(self)->TakeBody({data, bytes}) ? bytes : 0;
    }

    // One watcher for reading and one for writing per socket, each on while libcurl wants
    // it. A watcher that is no longer wanted is only switched off here: it may be the one
    // whose signal is being delivered.
    void Watch(curl_socket_t socket, int what) {
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

    // Lets libcurl work on a socket that is ready, or on its timer, and shows the bytes.
    void Act(curl_socket_t socket, int mask) {
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
    }

    // A header line of any answer: redirects and interim answers ("100 Continue") come
    // through here too, each starting with its status line, and so do trailers.
    bool TakeHeader(std::string_view line) {
        lastData_.start();
        headerBytes_ += static_cast<std::int64_t>(line.size());
        if (headerBytes_ > limits_.maxHeaderBytes) {
            return Refuse();
        }
        if (line.substr(0, 5) == "HTTP/") {
            lengths_.clear();
            inHeaders_ = true;
            return true;
        }
        if (Trimmed(line).empty()) {
            inHeaders_ = false;
            return true;
        }
        if (!inHeaders_) {
            return true;  // a trailer
        }
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) {
            return true;
        }
        const std::string name = Lower(Trimmed(line.substr(0, colon)));
        const std::string value = Lower(Trimmed(line.substr(colon + 1)));
        if (name == "content-length") {
            // Repeated, or given as a list: every value the same, or no length can be
            // trusted.
            std::string_view rest = value;
            while (true) {
                const auto comma = rest.find(',');
                lengths_.insert(std::string(Trimmed(rest.substr(0, comma))));
                if (comma == std::string_view::npos) {
                    break;
                }
                rest.remove_prefix(comma + 1);
            }
            if (lengths_.size() > 1) {
                return Refuse();
            }
        } else if (name == "content-encoding" && !value.empty() && value != "identity") {
            return Refuse();  // a packed body is not the price list as it is
        } else if (name == "transfer-encoding" && value != "chunked" && value != "identity") {
            return Refuse();
        }
        return true;
    }

    bool TakeBody(std::string_view bytes) {
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

    bool Refuse() {
        refused_ = true;
        return false;
    }

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
    std::int64_t headerBytes_ = 0;
    bool inHeaders_ = false;
    std::set<std::string> lengths_;
    std::string body_;
    qint64 shown_ = 0;
    bool updating_ = false;
};

// The temporary file beside the target that replaces it once complete.
class PriceFileWriter {
public:
    explicit PriceFileWriter(const QString& target) : target_(target), file_(target) {}

    // Makes the folder and the temporary file; false with the reason when it cannot.
    bool Open() {
        const QFileInfo info(target_);
        const QString folder = info.absolutePath();
        errno = 0;
        if (!QDir().mkpath(folder)) {
            return Fail(QFileInfo(folder).exists() ? ENOTDIR : errno);
        }
        if (info.isDir()) {
            return Fail(EISDIR);
        }
        errno = 0;
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            if (errno == 0 && info.exists() && !info.isWritable()) {
                return Fail(EACCES);
            }
            return Fail(errno);
        }
        return true;
    }

    // Writes the bytes and puts the file in place of the target; false with the reason
    // when any step fails, and then the target is as it was.
    bool Commit(const std::string& bytes) {
        errno = 0;
        const bool written = file_.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size());
        // The data must reach the disk before the file replaces the old one: commit()
        // alone would not notice a failed flush and would put a cut-off file in place.
        if (!written || !file_.flush()) {
            const int error = errno;
            file_.cancelWriting();
            return Fail(error);
        }
        errno = 0;
        if (!file_.commit()) {
            return Fail(errno);
        }
        return true;
    }

    void Discard() { file_.cancelWriting(); }

    const std::string& Reason() const { return reason_; }

private:
    bool Fail(int error) {
        reason_ = error != 0 ? LocalReason(error) : file_.errorString().toStdString();
        return false;
    }

    QString target_;
    QSaveFile file_;
    std::string reason_;
};

}  // namespace

DownloadResult CurlDownloadToFile(QWidget* parent, const std::string& url, const std::string& path,
                                  const DownloadLimits& limits) {
    // A file that cannot be written is known before anything is fetched.
    PriceFileWriter writer(QString::fromStdString(path));
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

    Transfer transfer(url, limits);
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
