#include "storage/CommaText.h"

namespace {

bool IsSeparatorBlank(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

} // namespace

std::vector<std::string> SplitCommaText(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsSeparatorBlank(text[i]))
            ++i;
    };
    skipBlanks();
    while (i < text.size()) {
        std::string field;
        if (text[i] == '"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field.push_back(text[i++]);
            }
        } else {
            while (i < text.size() && text[i] != ',' && !IsSeparatorBlank(text[i]))
                field.push_back(text[i++]);
        }
        fields.push_back(std::move(field));
        skipBlanks();
        if (i < text.size() && text[i] == ',') {
            ++i;
            if (i == text.size()) {
                fields.emplace_back();
                break;
            }
            skipBlanks();
        }
    }
    return fields;
}
