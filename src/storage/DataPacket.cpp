#include "storage/DataPacket.h"

#include "storage/Cp932.h"

#include <charconv>
#include <cstring>
#include <unordered_map>

namespace {

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::string ToCp932(std::string_view utf8) {
    return IsAscii(utf8) ? std::string(utf8) : Utf8ToCp932(utf8);
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return SameFieldName(a, b);
}

template <typename Int> bool ParseWhole(std::string_view text, Int& value) {
    if (text.empty() || text.front() == '+')
        return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

const char* TypeName(TFieldType type) {
    switch (type) {
    case TFieldType::AutoInc:
    case TFieldType::Integer:
        return "i4";
    case TFieldType::String:
        return "string";
    case TFieldType::Boolean:
        return "boolean";
    case TFieldType::Memo:
        return "bin.hex";
    case TFieldType::Float:
        return "r8";
    }
    return "";
}

struct TAttribute {
    std::string_view Name;
    std::string_view RawValue; // as in the file, entities not yet replaced
};

struct TTag {
    std::string_view Name;
    bool End = false;   // </Name>
    bool Empty = false; // <Name .../>
    std::vector<TAttribute> Attributes;
};

// A pull reader over the elements of the file; every failure names the byte offset.
class TPacketReader {
  public:
    explicit TPacketReader(std::string_view bytes) : s_(bytes) {}

    [[noreturn]] void Fail(const std::string& reason) const {
        throw TDataPacketError(reason + " at byte " + std::to_string(p_));
    }

    void SkipSpace() {
        for (;;) {
            while (p_ < s_.size() && IsSpace(s_[p_]))
                ++p_;
            if (s_.substr(p_, 4) != "<!--")
                return;
            std::size_t end = s_.find("-->", p_ + 4);
            if (end == std::string_view::npos)
                Fail("unterminated comment");
            p_ = end + 3;
        }
    }

    void SkipDeclaration() {
        SkipSpace();
        if (s_.substr(p_, 5) != "<?xml")
            return;
        std::size_t end = s_.find("?>", p_);
        if (end == std::string_view::npos)
            Fail("unterminated XML declaration");
        p_ = end + 2;
    }

    bool AtEnd() {
        SkipSpace();
        return p_ >= s_.size();
    }

    // Reads the next tag into tag (its attribute list is reused to spare allocations).
    void ReadTag(TTag& tag) {
        SkipSpace();
        if (p_ >= s_.size())
            Fail("unexpected end of file");
        if (s_[p_] != '<')
            Fail("text outside of a tag");
        ++p_;
        tag.End = p_ < s_.size() && s_[p_] == '/';
        if (tag.End)
            ++p_;
        tag.Name = ReadName();
        tag.Empty = false;
        tag.Attributes.clear();
        for (;;) {
            SkipSpace();
            if (p_ >= s_.size())
                Fail("unexpected end of file inside a tag");
            char c = s_[p_];
            if (c == '>') {
                ++p_;
                return;
            }
            if (c == '/' && !tag.End) {
                if (p_ + 1 >= s_.size() || s_[p_ + 1] != '>')
                    Fail("malformed tag end");
                p_ += 2;
                tag.Empty = true;
                return;
            }
            if (tag.End)
                Fail("attribute in an end tag");
            TAttribute attribute;
            attribute.Name = ReadName();
            SkipSpace();
            if (p_ >= s_.size() || s_[p_] != '=')
                Fail("missing '=' after attribute " + std::string(attribute.Name));
            ++p_;
            SkipSpace();
            if (p_ >= s_.size() || (s_[p_] != '"' && s_[p_] != '\''))
                Fail("unquoted value of attribute " + std::string(attribute.Name));
            char quote = s_[p_++];
            std::size_t end = s_.find(quote, p_);
            if (end == std::string_view::npos)
                Fail("unterminated value of attribute " + std::string(attribute.Name));
            attribute.RawValue = s_.substr(p_, end - p_);
            p_ = end + 1;
            for (const TAttribute& other : tag.Attributes)
                if (other.Name == attribute.Name)
                    Fail("attribute " + std::string(attribute.Name) + " given twice");
            tag.Attributes.push_back(attribute);
        }
    }

    // Reads a start tag of the given name (with or without content).
    void ExpectStart(TTag& tag, std::string_view name) {
        ReadTag(tag);
        if (tag.End || tag.Name != name)
            Fail("expected <" + std::string(name) + ">");
    }

    void ExpectEnd(TTag& tag, std::string_view name) {
        ReadTag(tag);
        if (!tag.End || tag.Name != name)
            Fail("expected </" + std::string(name) + ">");
    }

    // Skips the content of an element whose start tag was just read, up to its end tag.
    void SkipContent(std::string_view name) {
        TTag inner;
        int depth = 1;
        while (depth > 0) {
            ReadTag(inner);
            if (inner.End)
                --depth;
            else if (!inner.Empty)
                ++depth;
        }
        if (inner.Name != name)
            Fail("expected </" + std::string(name) + ">");
    }

    // The value of an attribute with its entities replaced, as UTF-8.
    std::string Decode(std::string_view raw) const {
        std::string out;
        std::size_t i = 0;
        while (i < raw.size()) {
            std::size_t amp = raw.find('&', i);
            std::string_view run = raw.substr(i, amp == std::string_view::npos ? amp : amp - i);
            out += IsAscii(run) ? std::string(run) : Cp932ToUtf8(run);
            if (amp == std::string_view::npos)
                break;
            std::size_t semi = raw.find(';', amp);
            if (semi == std::string_view::npos || semi - amp > 12)
                Fail("malformed entity in \"" + std::string(raw.substr(0, 40)) + "\"");
            AppendEntity(out, raw.substr(amp + 1, semi - amp - 1));
            i = semi + 1;
        }
        return out;
    }

  private:
    static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    std::string_view ReadName() {
        std::size_t start = p_;
        while (p_ < s_.size()) {
            char c = s_[p_];
            if (IsSpace(c) || c == '=' || c == '>' || c == '/' || c == '<' || c == '"' || c == '\'')
                break;
            ++p_;
        }
        if (p_ == start)
            Fail("missing name");
        return s_.substr(start, p_ - start);
    }

    void AppendEntity(std::string& out, std::string_view name) const {
        if (name == "quot")
            out += '"';
        else if (name == "amp")
            out += '&';
        else if (name == "apos")
            out += '\'';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name.size() >= 2 && name[0] == '#') {
            std::uint32_t cp = 0;
            bool hex = name[1] == 'x';
            std::string_view digits = name.substr(hex ? 2 : 1);
            auto [end, ec] =
                std::from_chars(digits.data(), digits.data() + digits.size(), cp, hex ? 16 : 10);
            if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() ||
                cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
                Fail("bad character reference &" + std::string(name) + ";");
            AppendUtf8(out, cp);
        } else {
            Fail("unknown entity &" + std::string(name) + ";");
        }
    }

    std::string_view s_;
    std::size_t p_ = 0;
};

TFieldDef ParseField(const TPacketReader& reader, const TTag& tag) {
    TFieldDef field;
    std::string type, subtype;
    bool hasName = false, hasWidth = false;
    for (const TAttribute& a : tag.Attributes) {
        if (a.Name == "attrname") {
            field.Name = reader.Decode(a.RawValue);
            hasName = true;
        } else if (a.Name == "fieldtype") {
            type = reader.Decode(a.RawValue);
        } else if (a.Name == "SUBTYPE") {
            subtype = reader.Decode(a.RawValue);
        } else if (a.Name == "WIDTH") {
            if (!ParseWhole(reader.Decode(a.RawValue), field.Size) || field.Size < 0)
                reader.Fail("bad WIDTH of a field");
            hasWidth = true;
        } else if (a.Name == "readonly") {
            field.ReadOnly = EqualsNoCase(reader.Decode(a.RawValue), "true");
        } else if (a.Name == "required") {
            field.Required = EqualsNoCase(reader.Decode(a.RawValue), "true");
        } else if (a.Name == "hidden") {
            field.Hidden = EqualsNoCase(reader.Decode(a.RawValue), "true");
        } else if (a.Name == "linkfield") {
            field.LinkField = EqualsNoCase(reader.Decode(a.RawValue), "true");
        }
    }
    if (!hasName || field.Name.empty())
        reader.Fail("field without a name");
    const std::string quoted = "field \"" + field.Name + "\"";
    if (type == "i4")
        field.DataType =
            EqualsNoCase(subtype, "Autoinc") ? TFieldType::AutoInc : TFieldType::Integer;
    else if (type == "string" && hasWidth)
        field.DataType = TFieldType::String;
    else if (type == "string")
        reader.Fail(quoted + " without WIDTH");
    else if (type == "boolean")
        field.DataType = TFieldType::Boolean;
    else if (type == "bin.hex" && EqualsNoCase(subtype, "Text"))
        field.DataType = TFieldType::Memo;
    else if (type == "r8")
        field.DataType = TFieldType::Float;
    else
        reader.Fail(quoted + " has the unsupported type \"" + type + "\"");
    return field;
}

TFieldValue ParseValue(const TPacketReader& reader, const TFieldDef& field, std::string text) {
    switch (field.DataType) {
    case TFieldType::AutoInc:
    case TFieldType::Integer: {
        std::int32_t value = 0;
        if (!ParseWhole(text, value))
            reader.Fail("\"" + text + "\" is not an integer for field \"" + field.Name + "\"");
        return value;
    }
    case TFieldType::Boolean:
        if (EqualsNoCase(text, "TRUE"))
            return true;
        if (EqualsNoCase(text, "FALSE"))
            return false;
        reader.Fail("\"" + text + "\" is not a boolean for field \"" + field.Name + "\"");
    case TFieldType::Float: {
        double value = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || ec != std::errc() || end != text.data() + text.size())
            reader.Fail("\"" + text + "\" is not a number for field \"" + field.Name + "\"");
        return value;
    }
    case TFieldType::String:
    case TFieldType::Memo:
        return text;
    }
    return {};
}

void ParseParams(const TPacketReader& reader, const TTag& tag, TDataPacket& packet) {
    for (const TAttribute& a : tag.Attributes) {
        if (a.Name == "AUTOINCVALUE") {
            std::int32_t value = 0;
            if (!ParseWhole(reader.Decode(a.RawValue), value))
                reader.Fail("bad AUTOINCVALUE");
            packet.AutoIncValue = value;
        } else if (a.Name == "CHANGE_LOG") {
            std::string text = reader.Decode(a.RawValue);
            std::size_t i = 0;
            while (i < text.size()) {
                if (text[i] == ' ') {
                    ++i;
                    continue;
                }
                std::size_t end = text.find(' ', i);
                if (end == std::string::npos)
                    end = text.size();
                int value = 0;
                if (!ParseWhole(std::string_view(text).substr(i, end - i), value) || value < 0)
                    reader.Fail("bad CHANGE_LOG");
                packet.ChangeLog.push_back(value);
                i = end;
            }
            if (packet.ChangeLog.size() % 3 != 0)
                reader.Fail("CHANGE_LOG is not made of groups of three");
        }
    }
}

} // namespace

TDataPacket ParseDataPacket(std::string_view bytes) {
    TPacketReader reader(bytes);
    TDataPacket packet;
    TTag tag;
    reader.SkipDeclaration();
    reader.ExpectStart(tag, "DATAPACKET");
    if (tag.Empty)
        reader.Fail("empty DATAPACKET");
    reader.ExpectStart(tag, "METADATA");
    if (tag.Empty)
        reader.Fail("empty METADATA");

    reader.ExpectStart(tag, "FIELDS");
    if (!tag.Empty) {
        for (;;) {
            reader.ReadTag(tag);
            if (tag.End && tag.Name == "FIELDS")
                break;
            if (tag.End || tag.Name != "FIELD")
                reader.Fail("expected <FIELD>");
            TFieldDef field = ParseField(reader, tag);
            for (const TFieldDef& other : packet.Fields)
                if (SameFieldName(other.Name, field.Name))
                    reader.Fail("field \"" + field.Name + "\" declared twice");
            packet.Fields.push_back(std::move(field));
            if (!tag.Empty)
                reader.SkipContent("FIELD");
        }
    }
    if (packet.Fields.empty())
        reader.Fail("no fields declared");
    reader.ExpectStart(tag, "PARAMS");
    ParseParams(reader, tag, packet);
    if (!tag.Empty)
        reader.SkipContent("PARAMS");
    reader.ExpectEnd(tag, "METADATA");

    // Row attributes are field names as written in the file, in cp932.
    std::unordered_map<std::string, std::size_t> fieldIndex;
    for (std::size_t i = 0; i < packet.Fields.size(); ++i)
        fieldIndex.emplace(ToCp932(packet.Fields[i].Name), i);

    reader.ExpectStart(tag, "ROWDATA");
    if (!tag.Empty) {
        std::string name;
        for (;;) {
            reader.ReadTag(tag);
            if (tag.End && tag.Name == "ROWDATA")
                break;
            if (tag.End || tag.Name != "ROW")
                reader.Fail("expected <ROW>");
            TDataPacketRow row;
            row.Values.resize(packet.Fields.size());
            for (const TAttribute& a : tag.Attributes) {
                if (a.Name == "RowState") {
                    if (!ParseWhole(reader.Decode(a.RawValue), row.RowState) || row.RowState < 0)
                        reader.Fail("bad RowState");
                    continue;
                }
                name.assign(a.Name);
                auto found = fieldIndex.find(name);
                if (found == fieldIndex.end())
                    reader.Fail("row value of the unknown field \"" + Cp932ToUtf8(name) + "\"");
                row.Values[found->second] =
                    ParseValue(reader, packet.Fields[found->second], reader.Decode(a.RawValue));
            }
            packet.Rows.push_back(std::move(row));
            if (!tag.Empty)
                reader.SkipContent("ROW");
        }
    }
    reader.ExpectEnd(tag, "DATAPACKET");
    if (!reader.AtEnd())
        reader.Fail("text after </DATAPACKET>");
    return packet;
}

std::vector<TRowValues> FoldChangeLog(TDataPacket& packet) {
    const std::size_t count = packet.Rows.size();
    std::vector<TRowValues> rows;
    if (packet.ChangeLog.empty()) {
        bool anyState = false;
        for (const TDataPacketRow& row : packet.Rows)
            anyState = anyState || row.RowState != 0;
        if (!anyState) {
            rows.reserve(count);
            for (TDataPacketRow& row : packet.Rows)
                rows.push_back(std::move(row.Values));
            return rows;
        }
    }
    // Record numbers count from 1; 0 is "none".
    std::vector<std::size_t> supersededBy(count + 1, 0);
    std::vector<bool> supersedes(count + 1, false), deleted(count + 1, false);
    for (std::size_t i = 1; i <= count; ++i) {
        int state = packet.Rows[i - 1].RowState;
        deleted[i] = (state & (RowStateDeleted | RowStateOriginal)) != 0;
    }
    const std::vector<int>& log = packet.ChangeLog;
    for (std::size_t g = 0; g + 2 < log.size(); g += 3) {
        std::size_t record = static_cast<std::size_t>(log[g]);
        std::size_t previous = static_cast<std::size_t>(log[g + 1]);
        if (record < 1 || record > count || previous > count || previous == record)
            throw TDataPacketError("CHANGE_LOG names a record the file does not hold");
        if (previous != 0) {
            if (supersededBy[previous] != 0 || supersedes[record])
                throw TDataPacketError("CHANGE_LOG replaces a record twice");
            supersededBy[previous] = record;
            supersedes[record] = true;
        }
        if (log[g + 2] & RowStateDeleted)
            deleted[record] = true;
    }
    // Each record has at most one successor and one predecessor, so the versions form chains
    // (walked once each from their first record) or circles (never reached).
    std::vector<bool> reached(count + 1, false);
    for (std::size_t i = 1; i <= count; ++i) {
        if (supersedes[i])
            continue;
        std::size_t current = i;
        while (supersededBy[current] != 0) {
            current = supersededBy[current];
            reached[current] = true;
        }
        if (!deleted[current])
            rows.push_back(std::move(packet.Rows[current - 1].Values));
    }
    for (std::size_t i = 1; i <= count; ++i)
        if (supersedes[i] && !reached[i])
            throw TDataPacketError("CHANGE_LOG runs in a circle");
    return rows;
}

void AppendEscapedCp932(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = Cp932CharLength(text, i);
        if (length == 2) {
            out.append(text.data() + i, 2);
            i += 2;
            continue;
        }
        switch (text[i]) {
        case '\t':
            out += "&#009;";
            break;
        case '\n':
            out += "&#010;";
            break;
        case '\r':
            out += "&#013;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '\\':
            out += "&#092;";
            break;
        default:
            out += text[i];
        }
        ++i;
    }
}

TDataPacketWriter::TDataPacketWriter(const std::vector<TFieldDef>& fields,
                                     std::optional<std::int32_t> autoIncValue,
                                     const std::vector<int>& changeLog)
    : fields_(fields) {
    out_ = "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET "
           "Version=\"2.0\"><METADATA><FIELDS>";
    for (const TFieldDef& field : fields) {
        names_.push_back(ToCp932(field.Name));
        out_ += "<FIELD";
        WriteAttribute("attrname", ToCp932(field.Name));
        WriteAttribute("fieldtype", TypeName(field.DataType));
        if (field.ReadOnly)
            WriteAttribute("readonly", "true");
        if (field.Required)
            WriteAttribute("required", "true");
        if (field.Hidden)
            WriteAttribute("hidden", "true");
        if (field.LinkField)
            WriteAttribute("linkfield", "true");
        if (field.DataType == TFieldType::AutoInc)
            WriteAttribute("SUBTYPE", "Autoinc");
        if (field.DataType == TFieldType::Memo)
            WriteAttribute("SUBTYPE", "Text");
        if (field.DataType == TFieldType::String ||
            (field.DataType == TFieldType::Memo && field.Size > 0))
            WriteAttribute("WIDTH", std::to_string(field.Size));
        out_ += "/>";
    }
    out_ += "</FIELDS><PARAMS";
    if (!changeLog.empty()) {
        std::string log;
        for (int number : changeLog) {
            if (!log.empty())
                log += ' ';
            log += std::to_string(number);
        }
        WriteAttribute("CHANGE_LOG", log);
    }
    if (autoIncValue)
        WriteAttribute("AUTOINCVALUE", std::to_string(*autoIncValue));
    out_ += "/></METADATA><ROWDATA>";
}

void TDataPacketWriter::WriteAttribute(std::string_view name, std::string_view cp932Value) {
    out_ += ' ';
    out_ += name;
    out_ += "=\"";
    AppendEscapedCp932(out_, cp932Value);
    out_ += '"';
}

void TDataPacketWriter::WriteRow(const TRowValues& values, int rowState) {
    out_ += "<ROW";
    if (rowState != 0)
        WriteAttribute("RowState", std::to_string(rowState));
    char number[32];
    for (std::size_t i = 0; i < fields_.size() && i < values.size(); ++i) {
        const TFieldValue& value = values[i];
        const std::string& name = names_[i];
        if (const auto* integer = std::get_if<std::int32_t>(&value)) {
            auto end = std::to_chars(number, number + sizeof number, *integer).ptr;
            WriteAttribute(name, std::string_view(number, end - number));
        } else if (const auto* boolean = std::get_if<bool>(&value)) {
            WriteAttribute(name, *boolean ? "TRUE" : "FALSE");
        } else if (const auto* text = std::get_if<std::string>(&value)) {
            WriteAttribute(name, ToCp932(*text));
        } else if (const auto* real = std::get_if<double>(&value)) {
            auto end = std::to_chars(number, number + sizeof number, *real).ptr;
            WriteAttribute(name, std::string_view(number, end - number));
        }
    }
    out_ += "/>";
}

std::string TDataPacketWriter::Finish() {
    out_ += "</ROWDATA></DATAPACKET>";
    return std::move(out_);
}
