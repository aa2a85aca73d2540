#include "memo/WebAddress.h"

#include "memo/JapaneseCode.h"
#include "memo/UrlEncode.h"
#include "storage/Cp932.h"

#include <algorithm>

namespace {

struct TSchemeMatch {
    std::size_t Position;
    std::size_t Length;
};

std::size_t FindIgnoringAsciiCase(std::string_view text, std::string_view word) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    auto it = std::search(text.begin(), text.end(), word.begin(), word.end(),
                          [&](char a, char b) { return lower(a) == lower(b); });
    return it == text.end() ? std::string_view::npos : static_cast<std::size_t>(it - text.begin());
}

// The first "http://" or "https://"; addresses of today are mostly https, and taking them for
// host names would open "http://https://...".
std::optional<TSchemeMatch> FindScheme(std::string_view url) {
    std::size_t plain = FindIgnoringAsciiCase(url, "http://");
    std::size_t secure = FindIgnoringAsciiCase(url, "https://");
    if (plain == std::string_view::npos && secure == std::string_view::npos)
        return std::nullopt;
    if (secure < plain)
        return TSchemeMatch{secure, 8};
    return TSchemeMatch{plain, 7};
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t at = text.find(from); at != std::string_view::npos;
         at = text.find(from, start)) {
        out.append(text.substr(start, at - start));
        out.append(to);
        start = at + from.size();
    }
    out.append(text.substr(start));
    return out;
}

} // namespace

bool IsSearchSiteTemplate(std::string_view httpUrl) {
    return httpUrl.find(kSearchWordMarker) != std::string_view::npos;
}

std::string WebAddressToOpen(std::string_view url) {
    std::optional<TSchemeMatch> scheme = FindScheme(url);
    if (!scheme)
        return "http://" + std::string(url);
    return std::string(url.substr(scheme->Position));
}

std::optional<std::string> FillSearchTemplate(std::string_view httpUrl, std::string_view word) {
    // Search sites of the time expect the word in their own code, so encode from its cp932 bytes.
    std::string sjis = Utf8ToCp932(word);
    if (httpUrl.find(kSearchWordEucJp) != std::string_view::npos)
        return ReplaceAll(httpUrl, kSearchWordEucJp, UrlEncode(ConvertJapaneseCode(sjis, jcEucJp)));
    if (httpUrl.find(kSearchWordSjis) != std::string_view::npos)
        return ReplaceAll(httpUrl, kSearchWordSjis, UrlEncode(sjis));
    if (httpUrl.find(kSearchWordUtf8) != std::string_view::npos)
        return ReplaceAll(httpUrl, kSearchWordUtf8, UrlEncode(word));
    return std::nullopt;
}

std::string SiteSearchRequest(std::string_view httpUrl, std::string_view word) {
    std::string site(httpUrl);
    if (std::optional<TSchemeMatch> scheme = FindScheme(httpUrl))
        site.erase(scheme->Position, scheme->Length);
    return "http://www.google.co.jp/search?hl=ja&q=" + UrlEncode(Utf8ToCp932(word)) +
           " inurl:" + site + "&btnG=Google+%E6%A4%9C%E7%B4%A2&lr=lang_ja";
}
