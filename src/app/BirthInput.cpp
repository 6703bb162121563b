// Reading the hour number out of an hour item. The item is a branch character, one blank
// and the hour; only the hour is read, so "子 0" and "子 23" stay two different hours.
#include "app/BirthInput.h"

#include "refdata/ReferenceDb.h"

namespace qinghe {

namespace {

// Bytes of the UTF-8 sequence that starts with lead byte c (1 for stray bytes).
std::size_t SequenceLength(unsigned char c) {
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

}  // namespace

int HourOfHourText(std::string_view hourText) {
    std::string_view number;
    if (!hourText.empty()) {
        const std::size_t branch = SequenceLength(static_cast<unsigned char>(hourText[0]));
        if (hourText.size() > branch && hourText[branch] == ' ')
            number = hourText.substr(branch + 1);
    }
    const bool digits = !number.empty() && number.size() <= 2 &&
                        number.find_first_not_of("0123456789") == std::string_view::npos;
    if (!digits) {
        throw ConversionError("'" + std::string(number) + "' is not a valid integer value");
    }
    int hour = 0;
    for (char c : number) hour = hour * 10 + (c - '0');
    return hour;
}

int BirthInput::hour() const {
    return HourOfHourText(hourText);
}

}  // namespace qinghe
