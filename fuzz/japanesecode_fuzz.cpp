#include "memo/JapaneseCode.h"
#include "memo/JapaneseConverters.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Detection and every conversion on arbitrary bytes; libFuzzer hands over an exactly sized
// buffer so that the sanitizer catches any read past its end.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    int code = DetectJapaneseCode(text);
    if (code < 0 || code > 6)
        __builtin_trap();
    for (int target : {2, 4, 5})
        ConvertJapaneseCode(text, target);
    SjisToEuc(text);
    EucToSjis(text);
    JisToEuc(text);
    JisToSjis(text);
    SjisToJis(text);
    EucToJis(text);
    return 0;
}
