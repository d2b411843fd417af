#include "platform/effect/EffectDesc.h"
#include "platform/effect/Preprocessor.h"
#include "platform/effect/StateNames.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace fx {

namespace {

struct Token
{
    enum Kind
    {
        Ident,
        Number,
        String,
        Punct,
        End
    } kind = End;
    std::string text;
    size_t offset = 0;
};

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

struct TypeName
{
    const char* name;
    ParamType type;
};
const TypeName kTypes[] = {{"int", ParamType::Int},   {"bool", ParamType::Int},       {"float", ParamType::Float},
                           {"vec2", ParamType::Vec2}, {"vec3", ParamType::Vec3},      {"vec4", ParamType::Vec4},
                           {"mat4", ParamType::Mat4}, {"texture", ParamType::Texture}};

class Parser
{
public:
    Parser(const PreprocessedSource& source, EffectDesc& out, std::string& errors)
        : _src(source), _text(source.text), _out(out), _errors(errors)
    {
        _lineStarts.push_back(0);
        for (size_t i = 0; i < _text.size(); ++i)
            if (_text[i] == '\n')
                _lineStarts.push_back(i + 1);
    }

    bool Run()
    {
        for (;;)
        {
            Token t = Next();
            if (t.kind == Token::End)
                return true;
            if (!TopLevel(t))
                return false;
        }
    }

private:
    int LineOf(size_t offset) const
    {
        return static_cast<int>(std::upper_bound(_lineStarts.begin(), _lineStarts.end(), offset) -
                                _lineStarts.begin()) -
               1;
    }

    bool Fail(size_t offset, const std::string& message)
    {
        _errors += _src.Where(static_cast<size_t>(LineOf(offset))) + ": error: " + message + "\n";
        return false;
    }

    void SkipSpace()
    {
        for (;;)
        {
            while (_pos < _text.size() && std::isspace(static_cast<unsigned char>(_text[_pos])))
                ++_pos;
            if (_text.compare(_pos, 2, "//") == 0)
            {
                while (_pos < _text.size() && _text[_pos] != '\n')
                    ++_pos;
            }
            else if (_text.compare(_pos, 2, "/*") == 0)
            {
                const size_t end = _text.find("*/", _pos + 2);
                _pos = end == std::string::npos ? _text.size() : end + 2;
            }
            else
            {
                return;
            }
        }
    }

    Token Next()
    {
        SkipSpace();
        Token t;
        t.offset = _pos;
        if (_pos >= _text.size())
            return t;
        const char c = _text[_pos];
        if (IsIdentStart(c))
        {
            t.kind = Token::Ident;
            while (_pos < _text.size() && IsIdentChar(_text[_pos]))
                ++_pos;
        }
        else if (std::isdigit(static_cast<unsigned char>(c)) ||
                 (c == '.' && _pos + 1 < _text.size() && std::isdigit(static_cast<unsigned char>(_text[_pos + 1]))))
        {
            t.kind = Token::Number;
            while (_pos < _text.size() &&
                   (std::isalnum(static_cast<unsigned char>(_text[_pos])) || _text[_pos] == '.' ||
                    ((_text[_pos] == '-' || _text[_pos] == '+') && (_text[_pos - 1] == 'e' || _text[_pos - 1] == 'E'))))
                ++_pos;
        }
        else if (c == '"')
        {
            t.kind = Token::String;
            const size_t end = _text.find('"', _pos + 1);
            const size_t eol = _text.find('\n', _pos + 1);
            if (end == std::string::npos || end > eol)
            {
                _pos = _text.size();
                t.kind = Token::Punct;
                t.text = "\"";
                return t;
            }
            t.text = _text.substr(_pos + 1, end - _pos - 1);
            _pos = end + 1;
            return t;
        }
        else
        {
            t.kind = Token::Punct;
            ++_pos;
        }
        t.text = _text.substr(t.offset, _pos - t.offset);
        return t;
    }

    Token Peek()
    {
        const size_t saved = _pos;
        Token t = Next();
        _pos = saved;
        return t;
    }

    bool Expect(const char* text, Token* got = nullptr)
    {
        Token t = Next();
        if (got)
            *got = t;
        if (t.text == text && t.kind != Token::String)
            return true;
        return Fail(t.offset, std::string("expected \"") + text + "\" but found \"" + Describe(t) + "\"");
    }

    bool ExpectIdent(Token& t, const char* what)
    {
        t = Next();
        if (t.kind == Token::Ident)
            return true;
        return Fail(t.offset, std::string("expected ") + what + " but found \"" + Describe(t) + "\"");
    }

    static std::string Describe(const Token& t) { return t.kind == Token::End ? "end of file" : t.text; }

    bool TopLevel(const Token& t)
    {
        if (t.kind == Token::Punct && t.text == "#")
        {
            _out.directives.push_back(static_cast<size_t>(LineOf(t.offset)));
            while (_pos < _text.size() && _text[_pos] != '\n')
                ++_pos;
            return true;
        }
        if (t.kind != Token::Ident)
            return Fail(t.offset, "unexpected \"" + Describe(t) + "\"");
        if (t.text == "glsl")
            return Code(CodeKind::Common, "");
        if (t.text == "vertex" || t.text == "fragment")
        {
            Token name;
            if (!ExpectIdent(name, "a code block name"))
                return false;
            return Code(t.text == "vertex" ? CodeKind::Vertex : CodeKind::Fragment, name.text);
        }
        if (t.text == "technique")
            return Technique();
        if (t.text == "sampler")
            return Sampler();
        return Parameter(t);
    }

    bool Code(CodeKind kind, const std::string& name)
    {
        Token open;
        if (!Expect("{", &open))
            return false;
        for (const CodeBlock& b : _out.code)
            if (!name.empty() && b.kind == kind && b.name == name)
                return Fail(open.offset, "code block \"" + name + "\" defined twice");
        int depth = 1;
        const size_t begin = _pos;
        while (_pos < _text.size())
        {
            if (_text.compare(_pos, 2, "//") == 0)
            {
                while (_pos < _text.size() && _text[_pos] != '\n')
                    ++_pos;
                continue;
            }
            if (_text.compare(_pos, 2, "/*") == 0)
            {
                const size_t end = _text.find("*/", _pos + 2);
                _pos = end == std::string::npos ? _text.size() : end + 2;
                continue;
            }
            const char c = _text[_pos++];
            if (c == '{')
                ++depth;
            if (c == '}' && --depth == 0)
            {
                _out.code.push_back({kind, name, begin, _pos - 1});
                return true;
            }
        }
        return Fail(open.offset, "code block without its closing \"}\"");
    }

    bool Annotations(std::vector<std::pair<std::string, std::string>>& out)
    {
        if (Peek().text != "<")
            return true;
        Next();
        for (;;)
        {
            Token key = Next();
            if (key.text == ">")
                return true;
            if (key.kind != Token::Ident)
                return Fail(key.offset, "expected an annotation name");
            if (Peek().kind == Token::Ident)
                key = Next(); // an optional type before the name
            if (!Expect("="))
                return false;
            std::string value;
            if (!Value(value, ";"))
                return false;
            out.emplace_back(key.text, value);
        }
    }

    // The tokens up to `stop` (consumed), joined: "SrcAlpha", "-1", "Red|Green", "text".
    bool Value(std::string& value, const char* stop)
    {
        for (;;)
        {
            Token t = Next();
            if (t.kind == Token::End)
                return Fail(t.offset, std::string("expected \"") + stop + "\"");
            if (t.text == stop && t.kind == Token::Punct)
                break;
            value += t.text;
        }
        if (value.empty())
            return Fail(_pos, "missing value");
        return true;
    }

    bool Assignments(std::vector<StateAssign>& out)
    {
        for (;;)
        {
            Token key = Next();
            if (key.text == "}" && key.kind == Token::Punct)
                return true;
            if (key.kind != Token::Ident)
                return Fail(key.offset, "expected a state name but found \"" + Describe(key) + "\"");
            if (!Expect("="))
                return false;
            StateAssign assign{key.text, "", LineOf(key.offset)};
            if (!Value(assign.value, ";"))
                return false;
            out.push_back(assign);
        }
    }

    bool Technique()
    {
        TechniqueDecl tech;
        Token name;
        if (!ExpectIdent(name, "a technique name"))
            return false;
        tech.name = name.text;
        tech.line = LineOf(name.offset);
        if (!Annotations(tech.annotations) || !Expect("{"))
            return false;
        for (;;)
        {
            Token t = Next();
            if (t.text == "}" && t.kind == Token::Punct)
                break;
            if (t.text != "pass")
                return Fail(t.offset, "expected \"pass\" but found \"" + Describe(t) + "\"");
            PassDecl pass;
            Token passName;
            if (!ExpectIdent(passName, "a pass name") || !Expect("{"))
                return false;
            pass.name = passName.text;
            pass.line = LineOf(passName.offset);
            std::vector<StateAssign> all;
            if (!Assignments(all))
                return false;
            for (StateAssign& a : all)
            {
                if (EqualsNoCase(a.key, "VertexShader"))
                    pass.vertex = a.value;
                else if (EqualsNoCase(a.key, "FragmentShader") || EqualsNoCase(a.key, "PixelShader"))
                    pass.fragment = a.value;
                else
                    pass.states.push_back(a);
            }
            tech.passes.push_back(pass);
        }
        if (tech.passes.empty())
            return Fail(name.offset, "technique \"" + tech.name + "\" has no pass");
        _out.techniques.push_back(tech);
        return true;
    }

    bool Sampler()
    {
        SamplerDecl sampler;
        Token name;
        if (!ExpectIdent(name, "a sampler name") || !Expect("{"))
            return false;
        sampler.name = name.text;
        sampler.line = LineOf(name.offset);
        std::vector<StateAssign> all;
        if (!Assignments(all))
            return false;
        for (const StateAssign& a : all)
        {
            gfx::SamplerState& s = sampler.state;
            bool ok = true;
            if (EqualsNoCase(a.key, "Texture"))
                sampler.texture = a.value;
            else if (EqualsNoCase(a.key, "MinFilter"))
                ok = ParseTextureFilter(a.value, s.minFilter);
            else if (EqualsNoCase(a.key, "MagFilter"))
                ok = ParseTextureFilter(a.value, s.magFilter);
            else if (EqualsNoCase(a.key, "MipFilter"))
                ok = ParseTextureFilter(a.value, s.mipFilter);
            else if (EqualsNoCase(a.key, "AddressU"))
                ok = ParseTextureAddress(a.value, s.addressU);
            else if (EqualsNoCase(a.key, "AddressV"))
                ok = ParseTextureAddress(a.value, s.addressV);
            else if (EqualsNoCase(a.key, "MaxAnisotropy"))
                ok = ParseUnsigned(a.value, s.maxAnisotropy);
            else
                return Fail(_lineStarts[a.line], "unknown sampler state \"" + a.key + "\"");
            if (!ok)
                return Fail(_lineStarts[a.line], "bad value \"" + a.value + "\" for " + a.key);
        }
        if (sampler.texture.empty())
            return Fail(name.offset, "sampler \"" + sampler.name + "\" names no Texture");
        _out.samplers.push_back(sampler);
        return true;
    }

    bool Number(const Token& sign, ParamType type, uint32_t& word)
    {
        Token t = sign;
        bool negative = false;
        if (t.text == "-")
        {
            negative = true;
            t = Next();
        }
        if (t.kind == Token::Ident && (t.text == "true" || t.text == "false"))
        {
            const int32_t v = t.text == "true" ? 1 : 0;
            if (type == ParamType::Int)
                std::memcpy(&word, &v, 4);
            else
            {
                const float f = static_cast<float>(v);
                std::memcpy(&word, &f, 4);
            }
            return true;
        }
        if (t.kind != Token::Number)
            return Fail(t.offset, "expected a number but found \"" + Describe(t) + "\"");
        char* end = nullptr;
        double v = std::strtod(t.text.c_str(), &end);
        if (*end == 'f' || *end == 'F')
            ++end;
        if (*end != '\0')
            return Fail(t.offset, "bad number \"" + t.text + "\"");
        if (negative)
            v = -v;
        if (type == ParamType::Int)
        {
            const int32_t i = SaturateToInt(v);
            std::memcpy(&word, &i, 4);
        }
        else
        {
            const float f = static_cast<float>(v);
            std::memcpy(&word, &f, 4);
        }
        return true;
    }

    bool Defaults(ParamDecl& decl, const Token& at)
    {
        const ParamType type = decl.desc.type;
        const unsigned count = std::max(decl.desc.elements, 1u) * ParamWords(type);
        if (type == ParamType::Texture)
            return Fail(at.offset, "a texture takes no default value");
        Token t = Next();
        const bool list = t.text == "{" || (t.kind == Token::Ident && Peek().text == "(");
        if (list && t.text != "{")
            Next(); // the "(" of vec4(...)
        if (!list)
        {
            uint32_t word = 0;
            if (!Number(t, type, word))
                return false;
            decl.defaults.assign(count, word); // one number fills every component
            return true;
        }
        const char* close = t.text == "{" ? "}" : ")";
        for (;;)
        {
            Token v = Next();
            if (v.text == close)
                break;
            if (!decl.defaults.empty())
            {
                if (v.text != ",")
                    return Fail(v.offset, "expected \",\" in a value list");
                v = Next();
            }
            uint32_t word = 0;
            if (!Number(v, type, word))
                return false;
            decl.defaults.push_back(word);
        }
        if (decl.defaults.size() != count)
            return Fail(t.offset, "\"" + decl.desc.name + "\" needs " + std::to_string(count) + " values, has " +
                                      std::to_string(decl.defaults.size()));
        return true;
    }

    bool Parameter(Token t)
    {
        ParamDecl decl;
        for (;;)
        {
            if (t.text == "shared")
                decl.desc.flags |= ParamShared;
            else if (t.text == "literal" || t.text == "const")
                decl.desc.flags |= ParamLiteral;
            else if (t.text == "uniform")
            {}
            else
                break;
            if (!ExpectIdent(t, "a parameter type"))
                return false;
        }
        const auto type =
            std::find_if(std::begin(kTypes), std::end(kTypes), [&](const TypeName& n) { return t.text == n.name; });
        if (type == std::end(kTypes))
            return Fail(t.offset, "unknown type or keyword \"" + t.text + "\"");
        decl.desc.type = type->type;
        decl.desc.typeClass = ParamTypeClass(type->type);
        Token name;
        if (!ExpectIdent(name, "a parameter name"))
            return false;
        decl.desc.name = name.text;
        decl.line = LineOf(name.offset);
        for (const ParamDecl& p : _out.params)
            if (p.desc.name == name.text)
                return Fail(name.offset, "parameter \"" + name.text + "\" declared twice");
        Token next = Next();
        if (next.text == "[")
        {
            Token size = Next();
            unsigned n = 0;
            if (size.kind != Token::Number || !ParseUnsigned(size.text, n) || n == 0 || n > 4096)
                return Fail(size.offset, "bad array size \"" + size.text + "\"");
            if (decl.desc.type != ParamType::Vec4 && decl.desc.type != ParamType::Mat4)
                return Fail(size.offset, "only vec4 and mat4 parameters may be arrays");
            decl.desc.elements = n;
            if (!Expect("]"))
                return false;
            next = Next();
        }
        if (next.text == ":")
        {
            Token semantic;
            if (!ExpectIdent(semantic, "a semantic"))
                return false;
            decl.desc.semantic = semantic.text;
            next = Next();
        }
        if (next.text == "<")
        {
            _pos = next.offset;
            if (!Annotations(decl.desc.annotations))
                return false;
            next = Next();
        }
        if (next.text == "=")
        {
            if (!Defaults(decl, next))
                return false;
            next = Next();
        }
        if (next.text != ";")
            return Fail(next.offset, "expected \";\" but found \"" + Describe(next) + "\"");
        decl.desc.bytes = ParamWords(decl.desc.type) * 4 * std::max(decl.desc.elements, 1u);
        _out.params.push_back(decl);
        return true;
    }

    const PreprocessedSource& _src;
    const std::string& _text;
    EffectDesc& _out;
    std::string& _errors;
    std::vector<size_t> _lineStarts;
    size_t _pos = 0;
};

} // namespace

unsigned ParamWords(ParamType type)
{
    switch (type)
    {
    case ParamType::Int:
    case ParamType::Float: return 1;
    case ParamType::Vec2: return 2;
    case ParamType::Vec3: return 3;
    case ParamType::Vec4: return 4;
    case ParamType::Mat4: return 16;
    case ParamType::Texture: return 0;
    }
    return 0;
}

ParamClass ParamTypeClass(ParamType type)
{
    switch (type)
    {
    case ParamType::Int:
    case ParamType::Float: return ParamClass::Scalar;
    case ParamType::Vec2:
    case ParamType::Vec3:
    case ParamType::Vec4: return ParamClass::Vector;
    case ParamType::Mat4: return ParamClass::Matrix;
    case ParamType::Texture: return ParamClass::Object;
    }
    return ParamClass::Object;
}

int32_t SaturateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

const char* ParamTypeName(ParamType type)
{
    for (const TypeName& n : kTypes)
        if (n.type == type)
            return n.name;
    return "?";
}

bool ParseEffect(const PreprocessedSource& source, EffectDesc& out, std::string& errors)
{
    out = EffectDesc{};
    Parser parser(source, out, errors);
    return parser.Run();
}

} // namespace fx
