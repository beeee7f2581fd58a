#include "wording/wording_error.h"

#include "resources/message_texts.h"

namespace verbalo {

std::string_view ErrorMessage(WordingError error) {
    switch (error) {
        case WordingError::InvalidAmount:
            return texts::kInvalidAmount;
        case WordingError::AmountTooLarge:
            return texts::kAmountTooLarge;
        case WordingError::InvalidGroup:
            return texts::kInvalidGroup;
        case WordingError::MisplacedGrouping:
            return texts::kMisplacedGrouping;
    }
    return texts::kUnknownError;
}

}  // namespace verbalo
