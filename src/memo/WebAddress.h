#pragma once

#include <optional>
#include <string>
#include <string_view>

// A memo's web address is either a plain address or a search-site template holding one of
// three placeholders for the search word. All texts here are UTF-8.

inline constexpr std::string_view kSearchWordMarker = "[検索文字列";
inline constexpr std::string_view kSearchWordEucJp = "[検索文字列EUCJP]";
inline constexpr std::string_view kSearchWordSjis = "[検索文字列SJIS]";
inline constexpr std::string_view kSearchWordUtf8 = "[検索文字列UTF8]";

// True when the address counts as a search-site template, valid placeholder or not.
bool IsSearchSiteTemplate(std::string_view httpUrl);

// The address handed to the browser: the text from its first "http://" or "https://" (in any
// case) on, or "http://" + the text when it holds neither.
std::string WebAddressToOpen(std::string_view url);

// The template with the word filled into the first placeholder kind it holds (EUC-JP, then
// Shift-JIS, then UTF-8, each percent-encoded); the other kinds stay as written. Empty when the
// template holds no valid placeholder.
std::optional<std::string> FillSearchTemplate(std::string_view httpUrl, std::string_view word);

// The web search service's request for the word within the memo's site.
std::string SiteSearchRequest(std::string_view httpUrl, std::string_view word);
