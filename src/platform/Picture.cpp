#include "platform/Picture.h"

namespace orvanta::platform {

namespace {

// Reads the quoted text that opens at picture[*i] and leaves *i on its closing quote.
std::string QuotedText(const std::string& picture, size_t* i) {
    std::string text;
    for (++*i; *i < picture.size(); ++*i) {
        if (picture[*i] != '\'') {
            text += picture[*i];
        } else if (*i + 1 < picture.size() && picture[*i + 1] == '\'') {
            text += '\'';
            ++*i;
        } else {
            break;
        }
    }
    return text;
}

}  // namespace

std::vector<PicturePiece> SplitPicture(const std::string& picture, std::string_view codes) {
    std::vector<PicturePiece> pieces;
    for (size_t i = 0; i < picture.size(); ++i) {
        const char c = picture[i];
        if (c == '\'') {
            pieces.push_back({0, 0, QuotedText(picture, &i), true});
        } else if (codes.find(c) != std::string_view::npos) {
            int count = 1;
            for (; i + 1 < picture.size() && picture[i + 1] == c; ++i) ++count;
            pieces.push_back({c, count, "", false});
        } else if (!pieces.empty() && pieces.back().code == 0 && !pieces.back().quoted) {
            pieces.back().text += c;
        } else {
            pieces.push_back({0, 0, std::string(1, c), false});
        }
    }
    return pieces;
}

}  // namespace orvanta::platform
