#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/UserActions.h"
#include "app/Window.h"
#include "common/Text.h"
#include "offer/OfferLimits.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

// Each field of the offer's window takes text up to its length, pasted or typed, and the
// offer keeps what the field shows.
TEST(OfferFields, TakeTextUpToTheirLength) {
    std::ostringstream out;
    ScriptedPlatform platform(out, "1.csv", "localhost");
    Window w(platform);
    w.Create();
    TForm3& f = w.form3;
    const Offer& offer = w.state.offer.offer;
    const struct {
        Edit& edit;
        const std::string& kept;
        std::size_t limit;
    } fields[] = {
        {f.Edit1, offer.number, kOfferNumberMaxChars},
        {f.Edit2, offer.client, kOfferClientMaxChars},
        {f.Edit3, offer.comment, kOfferCommentMaxChars},
        {f.Edit7, offer.terms.delivery, kOfferTermsMaxChars},
        {f.Edit9, offer.manager.name, kOfferManagerMaxChars},
        {f.Edit12, offer.manager.email, kOfferManagerMaxChars},
    };
    for (const auto& field : fields) {
        std::string pasted;
        for (std::size_t i = 0; i < field.limit + 7; ++i) {
            pasted += i % 2 == 0 ? "ж" : "w";
        }
        ChangeText(w, field.edit, pasted);
        EXPECT_EQ(field.edit.Text, FirstChars(pasted, field.limit)) << field.edit.Name;
        EXPECT_EQ(field.kept, field.edit.Text) << field.edit.Name;
        TypeCharacter(w, field.edit, U'я');
        EXPECT_EQ(CharCount(field.edit.Text), field.limit) << field.edit.Name;
    }
}

}  // namespace
}  // namespace tesmarik
