#include "platform/effect/Preprocessor.h"

#include <cctype>
#include <cstdlib>
#include <map>
#include <set>

namespace fx {

namespace {

constexpr int kMaxIncludeDepth = 16;
constexpr int kMaxMacroDepth = 8;
// Parentheses and unary operators nest no deeper than this in one condition.
constexpr int kMaxNesting = 64;

std::string Trim(const std::string& text)
{
    size_t b = 0, e = text.size();
    while (b < e && std::isspace(static_cast<unsigned char>(text[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1])))
        --e;
    return text.substr(b, e - b);
}

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Drops a trailing line comment (and any block comment) from a directive's text.
std::string StripComments(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text.compare(i, 2, "//") == 0)
            break;
        if (text.compare(i, 2, "/*") == 0)
        {
            const size_t end = text.find("*/", i + 2);
            if (end == std::string::npos)
                break;
            i = end + 1;
            out += ' ';
            continue;
        }
        out += text[i];
    }
    return Trim(out);
}

// Integer condition of #if and #elif.
class Condition
{
public:
    Condition(const std::string& text, const std::map<std::string, std::string>& macros, int depth = 0)
        : _s(text), _macros(macros), _depth(depth)
    {}

    bool Evaluate(long& value)
    {
        value = Or();
        Skip();
        return !_error && _pos == _s.size();
    }

private:
    void Skip()
    {
        while (_pos < _s.size() && std::isspace(static_cast<unsigned char>(_s[_pos])))
            ++_pos;
    }
    bool Accept(const char* op)
    {
        Skip();
        const size_t n = std::char_traits<char>::length(op);
        if (_s.compare(_pos, n, op) != 0)
            return false;
        // "<" must not take the first half of "<=", "|" is never an operator alone.
        if (n == 1 && _pos + 1 < _s.size() && _s[_pos + 1] == '=' && (op[0] == '<' || op[0] == '>' || op[0] == '!'))
            return false;
        _pos += n;
        return true;
    }
    long Or()
    {
        long v = And();
        while (Accept("||"))
            v = (And() != 0) || (v != 0);
        return v;
    }
    long And()
    {
        long v = Equality();
        while (Accept("&&"))
            v = (Equality() != 0) && (v != 0);
        return v;
    }
    long Equality()
    {
        long v = Relation();
        for (;;)
        {
            if (Accept("=="))
                v = v == Relation();
            else if (Accept("!="))
                v = v != Relation();
            else
                return v;
        }
    }
    long Relation()
    {
        long v = Sum();
        for (;;)
        {
            if (Accept("<="))
                v = v <= Sum();
            else if (Accept(">="))
                v = v >= Sum();
            else if (Accept("<"))
                v = v < Sum();
            else if (Accept(">"))
                v = v > Sum();
            else
                return v;
        }
    }
    long Sum()
    {
        long v = Unary();
        for (;;)
        {
            // Sums wrap instead of overflowing.
            if (Accept("+"))
                v = static_cast<long>(static_cast<unsigned long>(v) + static_cast<unsigned long>(Unary()));
            else if (Accept("-"))
                v = static_cast<long>(static_cast<unsigned long>(v) - static_cast<unsigned long>(Unary()));
            else
                return v;
        }
    }
    long Unary()
    {
        const bool negate = Accept("!");
        const bool minus = !negate && Accept("-");
        if (!negate && !minus)
            return Primary();
        if (!Enter())
            return 0;
        const long v = Unary();
        --_nesting;
        return negate ? !v : static_cast<long>(0ul - static_cast<unsigned long>(v));
    }
    bool Enter()
    {
        if (++_nesting <= kMaxNesting)
            return true;
        --_nesting;
        _error = true;
        return false;
    }
    std::string Identifier()
    {
        Skip();
        const size_t start = _pos;
        if (_pos < _s.size() && IsIdentStart(_s[_pos]))
            while (_pos < _s.size() && IsIdentChar(_s[_pos]))
                ++_pos;
        return _s.substr(start, _pos - start);
    }
    long Primary()
    {
        Skip();
        if (_pos >= _s.size())
        {
            _error = true;
            return 0;
        }
        if (Accept("("))
        {
            if (!Enter())
                return 0;
            const long v = Or();
            --_nesting;
            if (!Accept(")"))
                _error = true;
            return v;
        }
        if (std::isdigit(static_cast<unsigned char>(_s[_pos])))
        {
            char* end = nullptr;
            const long v = std::strtol(_s.c_str() + _pos, &end, 0);
            _pos = static_cast<size_t>(end - _s.c_str());
            while (_pos < _s.size() && (std::isalpha(static_cast<unsigned char>(_s[_pos]))))
                ++_pos; // 1u, 2L
            return v;
        }
        const std::string name = Identifier();
        if (name.empty())
        {
            _error = true;
            return 0;
        }
        if (name == "defined")
        {
            const bool paren = Accept("(");
            const std::string macro = Identifier();
            if (macro.empty() || (paren && !Accept(")")))
                _error = true;
            return _macros.count(macro) ? 1 : 0;
        }
        const auto it = _macros.find(name);
        if (it == _macros.end() || Trim(it->second).empty())
            return 0;
        if (_depth >= kMaxMacroDepth)
        {
            _error = true;
            return 0;
        }
        long v = 0;
        Condition inner(it->second, _macros, _depth + 1);
        if (!inner.Evaluate(v))
            _error = true;
        return v;
    }

    const std::string& _s;
    const std::map<std::string, std::string>& _macros;
    int _depth;
    int _nesting = 0;
    size_t _pos = 0;
    bool _error = false;
};

struct Block
{
    bool active; // lines of the current branch are kept
    bool taken;  // some branch of this block was already kept
    bool parentActive;
    bool sawElse;
};

class Processor
{
public:
    Processor(IncludeHandler* handler, PreprocessedSource& out, std::string& errors)
        : _handler(handler), _out(out), _errors(errors)
    {}

    std::map<std::string, std::string> macros;

    bool Run(const std::string& text, int file, int depth)
    {
        const size_t blocksAtEntry = _blocks.size();
        bool inComment = false;
        int lineNo = 0;
        size_t pos = 0;
        while (pos < text.size())
        {
            size_t end = text.find('\n', pos);
            if (end == std::string::npos)
                end = text.size();
            std::string line = text.substr(pos, end - pos);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            ++lineNo;
            pos = end + 1;

            const std::string trimmed = Trim(line);
            if (!inComment && !trimmed.empty() && trimmed[0] == '#')
            {
                if (!Directive(trimmed, line, file, lineNo, depth))
                    return false;
                continue;
            }
            inComment = ScanComments(line, inComment);
            if (Active())
                Emit(line, file, lineNo);
        }
        if (_blocks.size() != blocksAtEntry)
        {
            Error(file, lineNo, "unterminated #if block");
            return false;
        }
        return true;
    }

private:
    bool Active() const { return _blocks.empty() || _blocks.back().active; }

    void Emit(const std::string& line, int file, int lineNo)
    {
        if (!_out.lines.empty())
            _out.text += '\n';
        _out.text += line;
        _out.lines.push_back({file, lineNo});
    }

    void Error(int file, int line, const std::string& message)
    {
        _errors += _out.files[file] + "(" + std::to_string(line) + "): error: " + message + "\n";
    }

    static bool ScanComments(const std::string& line, bool inComment)
    {
        for (size_t i = 0; i < line.size(); ++i)
        {
            if (inComment)
            {
                if (line.compare(i, 2, "*/") == 0)
                {
                    inComment = false;
                    ++i;
                }
            }
            else if (line.compare(i, 2, "//") == 0)
            {
                return false;
            }
            else if (line.compare(i, 2, "/*") == 0)
            {
                inComment = true;
                ++i;
            }
        }
        return inComment;
    }

    bool Evaluate(const std::string& text, int file, int line, bool& result)
    {
        long value = 0;
        Condition condition(text, macros);
        if (!condition.Evaluate(value))
        {
            Error(file, line, "bad condition \"" + text + "\"");
            return false;
        }
        result = value != 0;
        return true;
    }

    bool Directive(const std::string& trimmed, const std::string& line, int file, int lineNo, int depth)
    {
        size_t p = 1;
        while (p < trimmed.size() && std::isspace(static_cast<unsigned char>(trimmed[p])))
            ++p;
        size_t q = p;
        while (q < trimmed.size() && IsIdentChar(trimmed[q]))
            ++q;
        const std::string name = trimmed.substr(p, q - p);
        const std::string rest = StripComments(trimmed.substr(q));

        if (name == "if" || name == "ifdef" || name == "ifndef")
        {
            bool result = false;
            if (Active())
            {
                if (name == "if")
                {
                    if (!Evaluate(rest, file, lineNo, result))
                        return false;
                }
                else
                {
                    const bool defined = macros.count(rest) != 0;
                    result = name == "ifdef" ? defined : !defined;
                }
            }
            _blocks.push_back({Active() && result, result, Active(), false});
            return true;
        }
        if (name == "elif" || name == "else" || name == "endif")
        {
            if (_blocks.empty())
            {
                Error(file, lineNo, "#" + name + " without #if");
                return false;
            }
            Block& block = _blocks.back();
            if (name == "endif")
            {
                _blocks.pop_back();
                return true;
            }
            if (block.sawElse)
            {
                Error(file, lineNo, "#" + name + " after #else");
                return false;
            }
            bool result = !block.taken;
            if (name == "else")
            {
                block.sawElse = true;
            }
            else if (result && block.parentActive)
            {
                if (!Evaluate(rest, file, lineNo, result))
                    return false;
            }
            block.active = block.parentActive && result;
            block.taken = block.taken || block.active;
            return true;
        }
        if (!Active())
            return true;

        if (name == "include")
        {
            std::string target;
            if (rest.size() >= 2 &&
                ((rest.front() == '"' && rest.back() == '"') || (rest.front() == '<' && rest.back() == '>')))
                target = rest.substr(1, rest.size() - 2);
            if (target.empty())
            {
                Error(file, lineNo, "#include expects \"name\"");
                return false;
            }
            if (!_included.insert(target).second)
                return true;
            if (depth >= kMaxIncludeDepth)
            {
                Error(file, lineNo, "includes nested too deep at \"" + target + "\"");
                return false;
            }
            std::string text;
            if (!_handler || !_handler->Open(target, text))
            {
                Error(file, lineNo, "cannot open include file \"" + target + "\"");
                return false;
            }
            _out.files.push_back(target);
            return Run(text, static_cast<int>(_out.files.size() - 1), depth + 1);
        }
        if (name == "define" || name == "undef")
        {
            size_t n = 0;
            while (n < rest.size() && IsIdentChar(rest[n]))
                ++n;
            const std::string macro = rest.substr(0, n);
            if (macro.empty() || !IsIdentStart(macro[0]))
            {
                Error(file, lineNo, "#" + name + " expects a name");
                return false;
            }
            if (name == "undef")
                macros.erase(macro);
            else
                macros[macro] = (n < rest.size() && rest[n] == '(') ? "" : Trim(rest.substr(n));
        }
        // Everything else (#define, #undef, #extension, #pragma...) goes on to the compiler.
        Emit(line, file, lineNo);
        return true;
    }

    IncludeHandler* _handler;
    PreprocessedSource& _out;
    std::string& _errors;
    std::vector<Block> _blocks;
    std::set<std::string> _included;
};

} // namespace

std::string PreprocessedSource::Where(size_t outputLine) const
{
    if (outputLine >= lines.size())
        return files.empty() ? std::string("?") : files[0];
    const SourceLine& at = lines[outputLine];
    return files[at.file] + "(" + std::to_string(at.line) + ")";
}

bool Preprocess(const std::string& source, const std::string& fileName, const std::vector<Macro>& macros,
                IncludeHandler* handler, PreprocessedSource& out, std::string& errors)
{
    out = PreprocessedSource{};
    out.files.push_back(fileName);
    Processor processor(handler, out, errors);
    for (const Macro& m : macros)
        processor.macros[m.name] = m.value.empty() ? "1" : m.value;
    return processor.Run(source, 0, 0);
}

} // namespace fx
