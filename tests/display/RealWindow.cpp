#include "tests/display/RealWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <atomic>
#include <memory>

namespace tesmarik {

// Notes the text of each message box and progress dialog as it shows.
class RealWindow::DialogLog : public QObject {
public:
    using QObject::QObject;
    QStringList shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                shown << box->text();
            } else if (auto* progress = qobject_cast<QProgressDialog*>(watched)) {
                shown << "progress: " + progress->labelText();
            }
        }
        return false;
    }
};

void RealWindow::SetUp() {
    ASSERT_TRUE(home_.isValid());
    qputenv("HOME", home_.path().toUtf8());
    qputenv("XDG_CACHE_HOME", (home_.path() + "/.cache").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home_.path() + "/.config").toUtf8());
    // The program's database too lives in the test's own home, never the user's.
    qputenv("XDG_DATA_HOME", (home_.path() + "/.local/share").toUtf8());
    log_ = new DialogLog(qApp);
    qApp->installEventFilter(log_);
}

void RealWindow::TearDown() {
    window_.reset();
    qApp->removeEventFilter(log_);
    delete log_;
}

void RealWindow::PlacePriceFile(int daysOld) {
    const QString folder = home_.path() + "/.cache/tesmarik";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/1.csv";
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(QString(TESMARIK_SOURCE_DIR) + "/tools/seller/sample-price.csv", path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-daysOld),
                                 QFileDevice::FileModificationTime));
}

void RealWindow::Open() {
    window_ = std::make_unique<ProgramWindow>();
    window_->Show();
    // Bounded, and long enough for a machine busy with other work.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Top(), 30000)) << "the window shown within 30 s";
    ASSERT_TRUE(QTest::qWaitForWindowActive(Top(), 30000)) << "the window active within 30 s";
}

void RealWindow::Act(XUser& user, const std::function<void(Window&)>& action) {
    // Posted, not run inside a call from the user's thread: an action that opens a dialog
    // waits in the dialog's loop, and the user must stay free to answer it.
    auto done = std::make_shared<std::atomic<bool>>(false);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this, action, done] {
            window_->Binding().Act(action);
            *done = true;
        },
        Qt::QueuedConnection);
    EXPECT_TRUE(user.WaitFor([&] { return done->load() || OpenDialog() != nullptr; }, 30000))
        << "a step of setting up did not end within 30 s";
    user.Settle(50);
}

void RealWindow::ClickTab(XUser& user, int index) {
    QTabBar* bar =
        user.OnGui([&] { return static_cast<QTabWidget*>(W("PageControl1"))->tabBar(); });
    user.Click(bar, user.OnGui([&] { return bar->tabRect(index).center(); }));
}

bool RealWindow::WaitForMessageBox(XUser& user) {
    return user.WaitFor([] { return qobject_cast<QMessageBox*>(OpenDialog()) != nullptr; });
}

QStringList RealWindow::Dialogs(XUser& user) {
    return user.OnGui([this] { return log_->shown; });
}

QWidget* RealWindow::OpenDialog() {
    return QApplication::activeModalWidget();
}

int DarkPixels(const QImage& image, int limit) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() < limit && c.green() < limit && c.blue() < limit ? 1 : 0;
        }
    }
    return count;
}

QImage OnScreen(QWidget* widget) {
    const QPoint at = widget->mapToGlobal(QPoint(0, 0));
    return widget->screen()
        ->grabWindow(0, at.x(), at.y(), widget->width(), widget->height())
        .toImage();
}

bool SaveScreenshot(const QImage& picture, const QString& name) {
    const QString folder = QStringLiteral(TESMARIK_SCREENSHOT_DIR);
    return QDir().mkpath(folder) && picture.save(folder + "/" + name + ".png");
}

}  // namespace tesmarik
