#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "qt/ProgramWindow.h"
#include "tests/display/XUser.h"

namespace tesmarik {

// The program's window as its entry opens it, on the real platform and a real X display,
// with a home and cache folder of its own. Every dialog the program shows is noted.
class RealWindow : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The window opens after this (call it from SetUp of a test class, or before Open).
    void PlacePriceFile(int daysOld);
    void Open();

    // On the program's thread only.
    QWidget* W(const char* name) { return window_->Binding().WidgetOf(name); }
    Window& Model() { return window_->Binding().Model(); }
    QWidget* Top() { return window_->TopLevel(); }

    // A step of setting up, done as the user would (through the user actions), from the
    // user's thread.
    void Act(XUser& user, const std::function<void(Window&)>& action);
    // Clicks the tab of the tab control, as the user does.
    void ClickTab(XUser& user, int index);
    // Waits until a message box is open.
    static bool WaitForMessageBox(XUser& user);
    // The texts of the dialogs shown so far (message boxes, prompts, progress).
    QStringList Dialogs(XUser& user);
    // The dialog open now, or none.
    static QWidget* OpenDialog();

    QTemporaryDir home_;
    std::unique_ptr<ProgramWindow> window_;

private:
    class DialogLog;
    DialogLog* log_ = nullptr;
};

// The window opened with a fresh price list in the cache.
class RealWindowWithPrices : public RealWindow {
protected:
    void SetUp() override {
        RealWindow::SetUp();
        PlacePriceFile(0);
        Open();
    }
};

// How many pixels of the image are dark (every channel below the limit): the pixels of
// black text.
int DarkPixels(const QImage& image, int limit = 90);
// What the X server shows of the widget now.
QImage OnScreen(QWidget* widget);

// Keeps a picture as NAME.png in the build's screenshot folder, made when missing.
bool SaveScreenshot(const QImage& picture, const QString& name);

}  // namespace tesmarik
