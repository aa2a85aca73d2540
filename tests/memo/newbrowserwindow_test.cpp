#include "memo/NewBrowserWindow.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

TEST(NewBrowserWindowCommand, PutsTheOptionAndAddressWhereTheTemplateWantsThem) {
    struct TCase {
        const char* Name;
        std::string Template;
        std::string Address;
        std::optional<TBrowserCommand> Command;
    };
    const std::string a = "http://a.jp/?q=%82%A0";
    const std::vector<TCase> cases = {
        {"desktop entry", "/usr/lib/firefox/firefox %u", a,
         TBrowserCommand{"/usr/lib/firefox/firefox", {"--new-window", a}}},
        {"options kept, other field codes dropped", "chromium --incognito %U %i %c", a,
         TBrowserCommand{"chromium", {"--incognito", "--new-window", a}}},
        {"quoted program with blanks", "\"/opt/My Browser/google-chrome\" --x=\"a\\\"b\" %u", a,
         TBrowserCommand{"/opt/My Browser/google-chrome", {"--x=a\"b", "--new-window", a}}},
        {"BROWSER entry with %s", "firefox -P main %s", a,
         TBrowserCommand{"firefox", {"-P", "main", "--new-window", a}}},
        {"no field code", "vivaldi", a, TBrowserCommand{"vivaldi", {"--new-window", a}}},
        {"flatpak", "/usr/bin/flatpak run org.mozilla.firefox @@u %u @@", a,
         TBrowserCommand{"/usr/bin/flatpak",
                         {"run", "org.mozilla.firefox", "@@u", "--new-window", a, "@@"}}},
        {"escaped percent", "brave --title=50%% %u", a,
         TBrowserCommand{"brave", {"--title=50%", "--new-window", a}}},
        {"empty address opens the home page", "firefox %u", "",
         TBrowserCommand{"firefox", {"--new-window"}}},
        {"https in upper case", "firefox %u", "HTTPS://a.jp/",
         TBrowserCommand{"firefox", {"--new-window", "HTTPS://a.jp/"}}},
        {"unknown browser", "lynx %u", a, std::nullopt},
        {"empty template", "", a, std::nullopt},
        {"unclosed quote", "\"firefox %u", a, std::nullopt},
        {"not a web address", "firefox %u", "--headless", std::nullopt},
        {"file address", "firefox %u", "file:///etc/passwd", std::nullopt},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(NewBrowserWindowCommand(c.Template, c.Address), c.Command) << c.Name;
}

} // namespace
