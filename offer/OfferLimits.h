#pragma once

#include <cstddef>

namespace tesmarik {

// The longest texts, in characters, the offer's fields take: enough for any real offer,
// and short enough that every document of the longest offer is made at once. A file
// holding a longer text is not one the window could have made.
inline constexpr std::size_t kOfferNumberMaxChars = 40;
inline constexpr std::size_t kOfferClientMaxChars = 500;
inline constexpr std::size_t kOfferCommentMaxChars = 2000;
// The manager's name, position, telephone and e-mail.
inline constexpr std::size_t kOfferManagerMaxChars = 100;
// The delivery and the payment terms.
inline constexpr std::size_t kOfferTermsMaxChars = 500;
// The valid-until date ("dd.mm.yyyy"), the VAT rate and the carrying capacity.
inline constexpr std::size_t kOfferShortFieldMaxChars = 10;

}  // namespace tesmarik
