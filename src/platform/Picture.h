// Splits a Windows date or time picture ("dd.MM.yyyy", "h:mm:ss tt") into its code letters and
// the text between them, for the code that formats and reads dates and times.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta::platform {

inline constexpr std::string_view kDatePictureCodes = "dMy";
inline constexpr std::string_view kTimePictureCodes = "hHmst";

// One piece of a picture: a run of one code letter (code != 0), or text to copy, which is
// quoted when the picture had it in 'single quotes'.
struct PicturePiece {
    char code = 0;
    int count = 0;
    std::string text;
    bool quoted = false;
};

// Runs of the letters in codes become code pieces; in 'quoted' text '' stands for one quote.
std::vector<PicturePiece> SplitPicture(const std::string& picture, std::string_view codes);

}  // namespace orvanta::platform
