#pragma once

#include <string>
#include <vector>

#include "common/Platform.h"
#include "controls/Controls.h"
#include "form/TForm1.h"

namespace tesmarik {

// How a link shows that the mouse is over it.
enum class LinkLook {
    Banner,      // no change: the banner is a picture
    HeaderLink,  // 8 pt navy, 14 pt red under the mouse
    InfoLink,    // 10 pt navy, 16 pt red under the mouse
    Address,     // bold, bold and underlined under the mouse
};

// One link to the seller's web site or mail. The address is a page of the seller's web
// server ("/content/view/83/143/") or, for the mail, the whole address.
struct SiteLink {
    Control* control;
    LinkLook look;
    std::string address;
};

// The banner and the link labels of the header strip and of the information tab.
std::vector<SiteLink> SiteLinksOf(TForm1& f);

// A click hands the link's address to the user's default program and never looks at the
// outcome.
void OpenLink(Platform& p, const std::string& address);

// Hover effect: a link under the mouse is emphasised, a link the mouse has left is plain
// again. Only one link can be under the mouse, so emphasising one makes every other
// link plain, even when its leave event was lost or comes late.
void MouseOverLink(TForm1& f, const Control& link);
void MouseLeftLink(TForm1& f, const Control& link);

}  // namespace tesmarik
