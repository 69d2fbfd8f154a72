#pragma once

#include "common/Controls.h"
#include "common/Platform.h"
#include "form/TForm1.h"

namespace tesmarik {

// The links to the seller's web site and mail: the banner and the link labels of the
// header strip and of the information tab. A click hands the address to the user's
// default program and never looks at the outcome.
void Image1Click(Platform& p);
void Label26Click(Platform& p);
void Label86Click(Platform& p);
void Label87Click(Platform& p);
void Label88Click(Platform& p);
void Label89Click(Platform& p);
void Label90Click(Platform& p);
void Label106Click(Platform& p);
void Label110Click(Platform& p);
void Label111Click(Platform& p);

// The address of a page on the seller's web server ("/content/view/83/143/").
std::string SitePageAddress(Platform& p, const std::string& path);
// The new e-mail to the sales department, its subject as typed (not percent-encoded).
std::string SalesMailAddress();

// Hover effect: a link under the mouse is emphasised, a link the mouse has left is plain
// again. Only one link can be under the mouse, so emphasising one makes every other
// link plain, even when its leave event was lost or comes late.
void Label26MouseMove(TForm1& f);
void Label26MouseLeave(TForm1& f);
void Label86MouseMove(TForm1& f);
void Label86MouseLeave(TForm1& f);
void Label87MouseMove(TForm1& f);
void Label87MouseLeave(TForm1& f);
void Label88MouseMove(TForm1& f);
void Label88MouseLeave(TForm1& f);
void Label89MouseMove(TForm1& f);
void Label89MouseLeave(TForm1& f);
void Label90MouseMove(TForm1& f);
void Label90MouseLeave(TForm1& f);
void Label106MouseMove(TForm1& f);
void Label106MouseLeave(TForm1& f);
void Label110MouseMove(TForm1& f);
void Label110MouseLeave(TForm1& f);
void Label111MouseMove(TForm1& f);
void Label111MouseLeave(TForm1& f);

}  // namespace tesmarik
