#include "storage/TableFilter.h"

#include <charconv>
#include <stdexcept>

// Operands of a comparison are a field or a constant; constants are held in the value form of
// the field they meet, so a row is compared without conversions.
struct TTableFilter::TNode {
    enum class TKind { Or, And, Not, IsNull, IsNotNull, Compare };
    enum class TOp { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };
    struct TOperand {
        int Field = -1; // -1: the constant Value
        TFieldValue Value;
    };

    TKind Kind = TKind::Compare;
    TOp Op = TOp::Equal;
    std::unique_ptr<TNode> Left, Right;
    TOperand A, B;

    const TFieldValue& Get(const TOperand& operand, const TRowValues& row) const {
        return operand.Field >= 0 ? row[static_cast<std::size_t>(operand.Field)] : operand.Value;
    }

    bool Evaluate(const TRowValues& row) const {
        switch (Kind) {
        case TKind::Or:
            return Left->Evaluate(row) || Right->Evaluate(row);
        case TKind::And:
            return Left->Evaluate(row) && Right->Evaluate(row);
        case TKind::Not:
            return !Left->Evaluate(row);
        case TKind::IsNull:
            return IsNullValue(Get(A, row));
        case TKind::IsNotNull:
            return !IsNullValue(Get(A, row));
        case TKind::Compare:
            break;
        }
        const TFieldValue& a = Get(A, row);
        const TFieldValue& b = Get(B, row);
        if (IsNullValue(a) || IsNullValue(b))
            return false;
        int c = CompareFieldValues(a, b);
        switch (Op) {
        case TOp::Equal:
            return c == 0;
        case TOp::NotEqual:
            return c != 0;
        case TOp::Less:
            return c < 0;
        case TOp::Greater:
            return c > 0;
        case TOp::LessEqual:
            return c <= 0;
        case TOp::GreaterEqual:
            return c >= 0;
        }
        return false;
    }
};

namespace {

using TNode = TTableFilter::TNode;

bool IsWordChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// What a parsed operand stands for before it meets the other side of its comparison.
struct TRawOperand {
    enum class TKind { Field, Text, Number, Boolean } Kind = TKind::Field;
    int Field = -1;
    std::string Text;
    double Number = 0;
    bool Boolean = false;
};

class TFilterParser {
  public:
    TFilterParser(std::string_view text, const std::vector<TFieldDef>& fields)
        : s_(text), fields_(fields) {}

    std::unique_ptr<TNode> Parse() {
        auto node = ParseOr();
        SkipSpace();
        if (p_ < s_.size())
            Fail("unexpected text");
        return node;
    }

  private:
    [[noreturn]] void Fail(const std::string& reason) const {
        throw std::runtime_error("filter \"" + std::string(s_) + "\": " + reason + " at position " +
                                 std::to_string(p_ + 1));
    }

    void SkipSpace() {
        while (p_ < s_.size() &&
               (s_[p_] == ' ' || s_[p_] == '\t' || s_[p_] == '\r' || s_[p_] == '\n'))
            ++p_;
    }

    // Consumes the keyword when it stands next as a whole word.
    bool Keyword(std::string_view word) {
        SkipSpace();
        if (s_.size() - p_ < word.size() || !SameFieldName(s_.substr(p_, word.size()), word))
            return false;
        if (p_ + word.size() < s_.size() && IsWordChar(s_[p_ + word.size()]))
            return false;
        p_ += word.size();
        return true;
    }

    std::unique_ptr<TNode> Join(TNode::TKind kind, std::unique_ptr<TNode> left,
                                std::unique_ptr<TNode> right) {
        if (++joins_ > MaxJoins) // a chain of AND/OR is evaluated recursively, too
            Fail("too many conditions");
        auto node = std::make_unique<TNode>();
        node->Kind = kind;
        node->Left = std::move(left);
        node->Right = std::move(right);
        return node;
    }

    std::unique_ptr<TNode> ParseOr() {
        auto node = ParseAnd();
        while (Keyword("OR"))
            node = Join(TNode::TKind::Or, std::move(node), ParseAnd());
        return node;
    }

    std::unique_ptr<TNode> ParseAnd() {
        auto node = ParseNot();
        while (Keyword("AND"))
            node = Join(TNode::TKind::And, std::move(node), ParseNot());
        return node;
    }

    std::unique_ptr<TNode> ParseNot() {
        // Nesting is bounded so that no predicate can exhaust the stack.
        if (++depth_ > MaxDepth)
            Fail("nested too deeply");
        auto node = ParseNested();
        --depth_;
        return node;
    }

    std::unique_ptr<TNode> ParseNested() {
        if (Keyword("NOT"))
            return Join(TNode::TKind::Not, ParseNot(), nullptr);
        SkipSpace();
        if (p_ < s_.size() && s_[p_] == '(') {
            ++p_;
            auto node = ParseOr();
            SkipSpace();
            if (p_ >= s_.size() || s_[p_] != ')')
                Fail("missing ')'");
            ++p_;
            return node;
        }
        return ParseComparison();
    }

    std::unique_ptr<TNode> ParseComparison() {
        TRawOperand a = ParseOperand();
        auto node = std::make_unique<TNode>();
        if (Keyword("IS")) {
            bool negated = Keyword("NOT");
            if (!Keyword("NULL"))
                Fail("expected NULL");
            if (a.Kind != TRawOperand::TKind::Field)
                Fail("IS NULL needs a field");
            node->Kind = negated ? TNode::TKind::IsNotNull : TNode::TKind::IsNull;
            node->A.Field = a.Field;
            return node;
        }
        node->Op = ParseOp();
        TRawOperand b = ParseOperand();
        node->A = Resolve(a, b);
        node->B = Resolve(b, a);
        return node;
    }

    TNode::TOp ParseOp() {
        SkipSpace();
        auto next = [&](std::string_view op) {
            if (s_.substr(p_, op.size()) != op)
                return false;
            p_ += op.size();
            return true;
        };
        if (next("<="))
            return TNode::TOp::LessEqual;
        if (next(">="))
            return TNode::TOp::GreaterEqual;
        if (next("<>"))
            return TNode::TOp::NotEqual;
        if (next("="))
            return TNode::TOp::Equal;
        if (next("<"))
            return TNode::TOp::Less;
        if (next(">"))
            return TNode::TOp::Greater;
        Fail("expected a comparison");
    }

    TRawOperand ParseOperand() {
        SkipSpace();
        TRawOperand operand;
        if (p_ >= s_.size())
            Fail("expected a field or a value");
        char c = s_[p_];
        if (c == '\'') {
            operand.Kind = TRawOperand::TKind::Text;
            for (++p_;; ++p_) {
                if (p_ >= s_.size())
                    Fail("unterminated text");
                if (s_[p_] == '\'') {
                    if (p_ + 1 < s_.size() && s_[p_ + 1] == '\'') {
                        operand.Text += '\'';
                        ++p_;
                        continue;
                    }
                    ++p_;
                    return operand;
                }
                operand.Text += s_[p_];
            }
        }
        if ((c >= '0' && c <= '9') || c == '-') {
            operand.Kind = TRawOperand::TKind::Number;
            auto [end, ec] = std::from_chars(s_.data() + p_, s_.data() + s_.size(), operand.Number);
            if (ec != std::errc())
                Fail("bad number");
            p_ = static_cast<std::size_t>(end - s_.data());
            if (p_ < s_.size() && IsWordChar(s_[p_]))
                Fail("bad number");
            return operand;
        }
        if (Keyword("True") || Keyword("False")) {
            operand.Kind = TRawOperand::TKind::Boolean;
            operand.Boolean = SameFieldName(s_.substr(p_ - 4, 4), "True");
            return operand;
        }
        std::size_t start = p_;
        while (p_ < s_.size() && IsWordChar(s_[p_]))
            ++p_;
        if (p_ == start)
            Fail("expected a field or a value");
        std::string_view name = s_.substr(start, p_ - start);
        for (std::size_t i = 0; i < fields_.size(); ++i)
            if (SameFieldName(fields_[i].Name, name)) {
                operand.Field = static_cast<int>(i);
                return operand;
            }
        p_ = start;
        Fail("unknown field \"" + std::string(name) + "\"");
    }

    enum class TClass { Number, Text, Boolean };

    static TClass ClassOf(TFieldType type) {
        switch (type) {
        case TFieldType::String:
        case TFieldType::Memo:
            return TClass::Text;
        case TFieldType::Boolean:
            return TClass::Boolean;
        default:
            return TClass::Number;
        }
    }

    TClass ClassOf(const TRawOperand& operand) const {
        switch (operand.Kind) {
        case TRawOperand::TKind::Field:
            return ClassOf(fields_[static_cast<std::size_t>(operand.Field)].DataType);
        case TRawOperand::TKind::Text:
            return TClass::Text;
        case TRawOperand::TKind::Number:
            return TClass::Number;
        case TRawOperand::TKind::Boolean:
            break;
        }
        return TClass::Boolean;
    }

    // The operand in the value form of what it is compared with. A quoted text may stand for
    // a number or a boolean when it meets such a field.
    TNode::TOperand Resolve(const TRawOperand& operand, const TRawOperand& other) {
        TNode::TOperand result;
        if (operand.Kind == TRawOperand::TKind::Field) {
            result.Field = operand.Field;
            if (other.Kind == TRawOperand::TKind::Field && ClassOf(other) != ClassOf(operand))
                Fail("fields of different types compared");
            return result;
        }
        TClass wanted = other.Kind == TRawOperand::TKind::Field ? ClassOf(other) : ClassOf(operand);
        switch (operand.Kind) {
        case TRawOperand::TKind::Text:
            if (wanted == TClass::Text) {
                result.Value = operand.Text;
            } else if (wanted == TClass::Boolean && (SameFieldName(operand.Text, "True") ||
                                                     SameFieldName(operand.Text, "False"))) {
                result.Value = SameFieldName(operand.Text, "True");
            } else {
                double number = 0;
                const char* end = operand.Text.data() + operand.Text.size();
                auto [last, ec] = std::from_chars(operand.Text.data(), end, number);
                if (wanted != TClass::Number || operand.Text.empty() || ec != std::errc() ||
                    last != end)
                    Fail("type mismatch with '" + operand.Text + "'");
                result.Value = number;
            }
            break;
        case TRawOperand::TKind::Number:
            if (wanted != TClass::Number)
                Fail("type mismatch with a number");
            result.Value = operand.Number;
            break;
        case TRawOperand::TKind::Boolean:
            if (wanted != TClass::Boolean)
                Fail("type mismatch with True or False");
            result.Value = operand.Boolean;
            break;
        case TRawOperand::TKind::Field:
            break;
        }
        return result;
    }

    static constexpr int MaxDepth = 100;
    static constexpr int MaxJoins = 1000;
    std::string_view s_;
    std::size_t p_ = 0;
    int depth_ = 0;
    int joins_ = 0;
    const std::vector<TFieldDef>& fields_;
};

} // namespace

TTableFilter::TTableFilter(std::string_view text, const std::vector<TFieldDef>& fields)
    : root_(TFilterParser(text, fields).Parse()) {}

TTableFilter::~TTableFilter() = default;
TTableFilter::TTableFilter(TTableFilter&&) noexcept = default;
TTableFilter& TTableFilter::operator=(TTableFilter&&) noexcept = default;

bool TTableFilter::Matches(const TRowValues& row) const {
    return root_->Evaluate(row);
}
