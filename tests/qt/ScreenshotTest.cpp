#include <QDir>
#include <QPixmap>

#include "tests/qt/WindowFixture.h"

namespace tesmarik {
namespace {

using ScreenshotTest = WindowFixture;

// Writes a picture of the window with each tab in front, to look at after a build.
TEST_F(ScreenshotTest, EachTabInFront) {
    QDir().mkpath(TESMARIK_SCREENSHOT_DIR);
    const char* names[] = {"tab0-mass", "tab1-loading", "tab2-price", "tab3-info"};
    for (int i = 0; i < 4; ++i) {
        Form().PageControl1.ActivePageIndex = i;
        binding->Sync();
        QApplication::processEvents();
        const QPixmap shot = binding->TopLevel()->grab();
        EXPECT_EQ(shot.size(), QSize(801, 403));
        EXPECT_TRUE(shot.save(QString(TESMARIK_SCREENSHOT_DIR) + "/" + names[i] + ".png"));
    }
}

}  // namespace
}  // namespace tesmarik
