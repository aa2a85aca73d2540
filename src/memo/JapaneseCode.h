#pragma once

#include <string>
#include <string_view>

// What DetectJapaneseCode finds in a text, and the targets of ConvertJapaneseCode.
enum TJapaneseCode : int {
    jcUnknown = 0, // plain 7-bit text, or too short to tell
    jcNotText = 1, // a control byte below 8, or a byte 255
    jcJisNew = 2,  // ESC "$" "B" seen
    jcJisOld = 3,  // ESC "$" "@" seen
    jcEucJp = 4,
    jcShiftJis = 5,
    jcEucOrSjis = 6, // could be either
};

// Classifies the text by its bytes (0 to 6 above).
int DetectJapaneseCode(std::string_view text);

// Converts the text to target (jcJisNew, jcEucJp or jcShiftJis) when the detected code is a
// different one; undecided, unknown and non-text input and any other target give the text back.
std::string ConvertJapaneseCode(std::string_view text, int target);
