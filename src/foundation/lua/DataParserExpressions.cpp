// DataParser: expressions.
#include "foundation/lua/DataParser.h"

#include <iterator>

namespace {
constexpr int MaxListItems = (1 << 18) - 1;

struct Priority
{
    int left;
    int right;
};
constexpr Priority BinaryPriority[] = {
    {6, 6},  {6, 6}, {7, 7}, {7, 7},                 // + - * /
    {10, 9}, {5, 4},                                 // ^ ..
    {3, 3},  {3, 3}, {3, 3}, {3, 3}, {3, 3}, {3, 3}, // != == < <= > >=
    {2, 2},  {1, 1},                                 // and or
};
constexpr int UnaryPriority = 8;
constexpr int NoBinaryOperator = -1;

// The binary operator of each token code, or NoBinaryOperator: a table, not a switch, since it
// is looked up after every operand.
struct OperatorTable
{
    signed char op[DTK_EOS + 1];
    constexpr OperatorTable() : op()
    {
        for (signed char& o : op)
            o = NoBinaryOperator;
        const int tokens[] = {'+',    '-', '*',    '/', '^',    DTK_CONCAT, DTK_NE,
                              DTK_EQ, '<', DTK_LE, '>', DTK_GE, DTK_AND,    DTK_OR};
        for (int i = 0; i < static_cast<int>(std::size(tokens)); ++i)
            op[tokens[i]] = static_cast<signed char>(i);
    }
};
constexpr OperatorTable Operators;

int BinaryOperator(int token) { return token >= 0 && token <= DTK_EOS ? Operators.op[token] : NoBinaryOperator; }

constexpr int FirstComparison = 6;
constexpr int FirstLogical = 12;
constexpr int OperatorAnd = 12;
} // namespace

int DataParser::TestCost(bool jumpIfTrue) const
{
    switch (_test)
    {
    case TEST_JUMP: return 0;
    case TEST_TRUE: return jumpIfTrue ? 0 : 1;
    case TEST_FALSE: return jumpIfTrue ? 1 : 0;
    default: return 2;
    }
}

void DataParser::ExpressionList()
{
    Expression();
    while (TestNext(','))
        Expression();
}

// The instruction estimate follows the code the interpreter writes: an arithmetic operator
// is one instruction, a comparison one and its jump, and `and`/`or` test their left operand,
// which costs nothing over a comparison's jump.
int DataParser::SubExpression(int limit)
{
    EnterLevel();
    if (_token->token == DTK_NOT)
    {
        Next();
        SubExpression(UnaryPriority);
        if (_test == TEST_VALUE)
            ++_fs->codeSize;
        else if (_test != TEST_JUMP)
            _test = _test == TEST_TRUE ? TEST_FALSE : TEST_TRUE; // folded
    }
    else if (_token->token == '-')
    {
        Next();
        SubExpression(UnaryPriority);
        _fs->codeSize += _test == TEST_VALUE ? 1 : 2; // a constant is loaded first
        _test = TEST_VALUE;
    }
    else
        SimpleExpression();
    int op = BinaryOperator(_token->token);
    while (op != NoBinaryOperator && BinaryPriority[op].left > limit)
    {
        if (op >= FirstLogical)
            _fs->codeSize += TestCost(op == OperatorAnd);
        Next();
        int nextOp = SubExpression(BinaryPriority[op].right);
        if (op < FirstComparison)
        {
            ++_fs->codeSize;
            _test = TEST_VALUE;
        }
        else if (op < FirstLogical)
        {
            _fs->codeSize += 2;
            _test = TEST_JUMP;
        }
        // `and`/`or` leave what their right operand left.
        op = nextOp;
    }
    LeaveLevel();
    return op;
}

void DataParser::SimpleExpression()
{
    // Tests in order of frequency in data files rather than one indirect jump.
    int token = _token->token;
    if (token == DTK_NUMBER || token == DTK_STRING || token == DTK_TRUE)
    {
        Next();
        _test = TEST_TRUE;
    }
    else if (token == DTK_NULL || token == DTK_FALSE)
    {
        Next();
        _test = TEST_FALSE;
    }
    else if (token == '{')
    {
        Constructor();
        _test = TEST_VALUE;
    }
    else if (token == DTK_FUNCTION || token == DTK_EVENT)
    {
        Next();
        Body(false, _lexer.Line(), token);
        _test = TEST_VALUE;
    }
    else if (PrimaryExpression() != EXP_VALUE)
        _test = TEST_VALUE; // a bare parenthesised expression keeps what its inside left
}

DataParser::eExpKind DataParser::PrimaryExpression()
{
    const char* start = _token->begin;
    eExpKind kind = PrefixExpression();
    for (;;)
    {
        switch (_token->token)
        {
        case '.':
            Field();
            kind = EXP_VARIABLE;
            break;
        case '[':
            Next();
            Expression();
            Check(']');
            ++_fs->codeSize;
            kind = EXP_VARIABLE;
            break;
        case ':':
        {
            DataToken colon = *_token;
            Skip();
            if (_token->token == DTK_NAME && _token->text == NilWord)
            {
                // No method-call syntax can name "nil": call through a helper instead.
                _writer.Replace(colon.begin, colon.end, "");
                _writer.Replace(_token->begin, _token->end, "");
                Skip();
                _writer.Insert(start, NilMethodCall);
                _callsNilMethod = true;
                FunctionArguments(true);
            }
            else
            {
                CheckName();
                FunctionArguments(false);
            }
            kind = EXP_CALL;
            break;
        }
        case '(':
        case DTK_STRING:
        case '{':
            FunctionArguments(false);
            kind = EXP_CALL;
            break;
        default: return kind;
        }
    }
}

DataParser::eExpKind DataParser::PrefixExpression()
{
    switch (_token->token)
    {
    case '(':
    {
        int line = _lexer.Line();
        Next();
        Expression();
        CheckMatch(')', '(', line);
        return EXP_VALUE;
    }
    case DTK_NAME: SingleVariable(CheckName()); return EXP_VARIABLE;
    default: SyntaxError("unexpected symbol");
    }
}

void DataParser::Field()
{
    DataToken dot = *_token;
    Skip();
    if (_token->token == DTK_NAME && _token->text == NilWord)
    {
        _writer.Replace(dot.begin, dot.end, "");
        _writer.Replace(_token->begin, _token->end, NilKey);
        Skip();
    }
    else
        CheckName();
    ++_fs->codeSize;
}

// `continued`: the callee and the receiver are already written as "helper(receiver"; the
// arguments follow after a comma and the call is closed here.
void DataParser::FunctionArguments(bool continued)
{
    int line = _lexer.Line();
    switch (_token->token)
    {
    case '(':
        if (line != _lastLine)
            SyntaxError("ambiguous syntax (function call x new statement)");
        if (continued)
        {
            DataToken open = *_token;
            Skip();
            _writer.Replace(open.begin, open.end, _token->token == ')' ? "" : ",");
        }
        else
            Next();
        if (_token->token != ')')
            ExpressionList();
        CheckMatch(')', '(', line);
        break;
    case '{':
        if (continued)
            _writer.Insert(_token->begin, ",");
        Constructor();
        if (continued)
            _writer.Insert(_previousEnd, ")");
        break;
    case DTK_STRING:
        if (continued)
            _writer.Insert(_token->begin, ",");
        Next();
        if (continued)
            _writer.Insert(_previousEnd, ")");
        break;
    default: SyntaxError("function arguments expected");
    }
    ++_fs->codeSize;
}

void DataParser::Constructor()
{
    int line = _lexer.Line();
    int listItems = 0;
    Check('{');
    ++_fs->codeSize;
    do
    {
        if (_token->token == ';')
        {
            // Accepted before an item for compatibility; the target language does not.
            _writer.Replace(_token->begin, _token->end, " ");
            Skip();
        }
        if (_token->token == '}')
            break;
        switch (_token->token)
        {
        case DTK_NAME:
            Lookahead();
            if (_ahead->token != '=')
            {
                Expression();
                CheckLimit(listItems, MaxListItems, "items in a constructor");
                ++listItems;
            }
            else
                RecordField();
            break;
        case '[': RecordField(); break;
        default:
            Expression();
            CheckLimit(listItems, MaxListItems, "items in a constructor");
            ++listItems;
        }
    } while (TestNext(',') || TestNext(';'));
    CheckMatch('}', '{', line);
}

void DataParser::RecordField()
{
    if (_token->token == DTK_NAME)
    {
        if (_token->text == NilWord)
        {
            _writer.Replace(_token->begin, _token->end, NilKey);
            Skip();
        }
        else
            Next();
    }
    else
    {
        Next(); // "["
        Expression();
        Check(']');
    }
    Check('=');
    Expression();
    ++_fs->codeSize;
}
