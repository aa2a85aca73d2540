#include "memo/UrlEncode.h"
#include "memo/WebAddress.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

TEST(WebAddressUrlEncode, KeepsLettersDigitsAndTenMarks) {
    struct TCase {
        std::string Input;
        std::string Output;
    };
    const std::vector<TCase> cases = {
        {"abc", "abc"},
        {"AZaz09", "AZaz09"},
        {"!$'()*-._@", "!$'()*-._@"},
        {" ", "+"},
        {"\x82", "%82"},
        {"/?&=:~", "%2F%3F%26%3D%3A%7E"},
        {"+%#\"", "%2B%25%23%22"},
        {"\xE3\x81\x82", "%E3%81%82"},
        {std::string("ab\0cd", 5), "ab"},
        {"", ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(UrlEncode(c.Input), c.Output) << c.Input;
}

TEST(WebAddressToOpen, StartsAtTheFirstSchemeOrAddsOne) {
    struct TCase {
        std::string Url;
        std::string Address;
    };
    const std::vector<TCase> cases = {
        {"www.example.jp/wiki/", "http://www.example.jp/wiki/"},
        {"http://www.example.jp/", "http://www.example.jp/"},
        {"公式 http://mabinogi.example/", "http://mabinogi.example/"},
        {"HTTP://Example.JP/Path", "HTTP://Example.JP/Path"},
        {"xHttp://a/http://b", "Http://a/http://b"},
        {"https://example.jp/", "https://example.jp/"},
        {"see HTTPS://example.jp/?u=http://x", "HTTPS://example.jp/?u=http://x"},
        {"", "http://"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(WebAddressToOpen(c.Url), c.Address) << c.Url;
}

TEST(WebAddressTemplate, FillsOnlyTheFirstPlaceholderKind) {
    // あ: Shift-JIS 82 A0, EUC-JP A4 A2, UTF-8 E3 81 82.
    struct TCase {
        const char* Name;
        std::string Template;
        std::string Word;
        std::optional<std::string> Address;
    };
    const std::vector<TCase> cases = {
        {"EUC-JP", "http://s.jp/?q=[検索文字列EUCJP]", "あ a", "http://s.jp/?q=%A4%A2+a"},
        {"Shift-JIS", "http://s.jp/?q=[検索文字列SJIS]", "あ", "http://s.jp/?q=%82%A0"},
        {"UTF-8", "http://s.jp/?q=[検索文字列UTF8]", "あ", "http://s.jp/?q=%E3%81%82"},
        {"every occurrence", "x[検索文字列SJIS]y[検索文字列SJIS]", "a/b", "xa%2Fbya%2Fb"},
        {"EUC-JP wins over the others", "[検索文字列UTF8][検索文字列SJIS][検索文字列EUCJP]", "あ",
         "[検索文字列UTF8][検索文字列SJIS]%A4%A2"},
        {"Shift-JIS wins over UTF-8", "[検索文字列SJIS]&[検索文字列UTF8]", "あ",
         "%82%A0&[検索文字列UTF8]"},
        {"EUC-JP leaves ASCII as it is", "[検索文字列EUCJP]", "Mabi", "Mabi"},
        {"EUC-JP leaves undecided half-width kana in Shift-JIS", "[検索文字列EUCJP]", "ｱｲ",
         "%B1%B2"},
        {"placeholders are case-sensitive", "http://s.jp/?q=[検索文字列sjis]", "a", std::nullopt},
        {"marker without placeholder", "http://s.jp/?q=[検索文字列", "a", std::nullopt},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FillSearchTemplate(c.Template, c.Word), c.Address) << c.Name;
}

TEST(WebAddressTemplate, MarkerMakesATemplate) {
    EXPECT_TRUE(IsSearchSiteTemplate("http://s.jp/?q=[検索文字列SJIS]"));
    EXPECT_TRUE(IsSearchSiteTemplate("[検索文字列"));
    EXPECT_FALSE(IsSearchSiteTemplate("http://s.jp/?q=[検索"));
}

TEST(WebAddressSiteSearch, PutsTheRawSiteAfterTheEncodedWord) {
    struct TCase {
        std::string HttpUrl;
        std::string Word;
        std::string Request;
    };
    const std::string start = "http://www.google.co.jp/search?hl=ja&q=";
    const std::string end = "&btnG=Google+%E6%A4%9C%E7%B4%A2&lr=lang_ja";
    const std::vector<TCase> cases = {
        {"http://mabinogi.example/wiki/", "あ b",
         start + "%82%A0+b inurl:mabinogi.example/wiki/" + end},
        {"HTTP://Example.jp/a b", "x", start + "x inurl:Example.jp/a b" + end},
        {"memo http://a.jp/", "x", start + "x inurl:memo a.jp/" + end},
        {"a.jp/path", "x", start + "x inurl:a.jp/path" + end},
        {"https://a.jp/", "x", start + "x inurl:a.jp/" + end},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(SiteSearchRequest(c.HttpUrl, c.Word), c.Request) << c.HttpUrl;
}

} // namespace
