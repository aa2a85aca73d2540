#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Starting the user's browser so that it opens a new window of its own (with its menu bar,
// status bar and tool bar) rather than a tab in a window already open.

struct TBrowserCommand {
    std::string Program;
    std::vector<std::string> Arguments;
    bool operator==(const TBrowserCommand&) const = default;
};

// The command that opens address (the home page when empty) in a new window, built from the
// browser's command template: a desktop entry's Exec value, whose %u, %U, %f or %F stands for
// the address, or an entry of the BROWSER variable, where %s does. Empty when the template is
// unusable, when the browser is not one known to take the "--new-window" option, or when the
// address is not an http or https address (nothing else may reach a browser's command line).
std::optional<TBrowserCommand> NewBrowserWindowCommand(std::string_view commandTemplate,
                                                       std::string_view address);
