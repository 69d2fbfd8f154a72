#include <algorithm>

#include "app/ReportMenu.h"
#include "app/Window.h"
#include "tabs/loading/PictureArea.h"

namespace tesmarik {

// The context menus of the three reports: the calculation log, the single-pipes report
// and the loading report, which goes to paper with the picture the loading tab shows.
void WireReportMenus(Window& w) {
    TForm1& f = w.form;
    Platform& p = w.platform;
    OfferReportMenu(f.Memo4, p, [&f, &p] { return ReportOf(f.Memo4, "Журнал расчётов массы", p); });
    OfferReportMenu(f.Memo2, p, [&f, &p] { return ReportOf(f.Memo2, "Масса труб поштучно", p); });
    OfferReportMenu(f.Memo3, p, [&f, &p] {
        PrintedReport report = ReportOf(f.Memo3, "Норма загрузки транспортного средства", p);
        if (const Image* picture = PictureInFront(f)) {
            report.picture = picture->Picture;
            report.pictureWidth = picture->Width;
            report.pictureHeight = picture->Height;
            // The caption's line break is a carriage return, as the label shows it.
            report.pictureCaption = f.Label25.Text;
            std::replace(report.pictureCaption.begin(), report.pictureCaption.end(), '\r', '\n');
        }
        return report;
    });
}

}  // namespace tesmarik
