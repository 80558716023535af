#include "filtering/messages.h"

#include "filtering/utf8.h"

#include <algorithm>
#include <array>

namespace shrink2d {
namespace {

using enum Message;

// Chinese first, as players read it; the English says the same. Neither mixes in the other
// language: the captions of the window (定胆, 1、组号) are names in both.
constexpr std::array<MessageEntry, static_cast<std::size_t>(Count)> kMessages = {{
    {EmptyListPrompt, {kEmptyListPrompt, "there is nothing to filter: generate the numbers first"}},
    {ListHoldsNoNumbers, {"列表中没有号码", "the list holds no numbers"}},
    {UnreadableElement,
     {"第 {1} 项 {2} 不是两位数字的号码，过滤已停止。",
      "element {1} {2} is not a two-digit number; filtering stopped."}},
    {EmptyElement, {"（空，两个空格相连）", "(empty: two blanks in a row)"}},
    {BoxListAdvice,
     {"号码列表中只能有两位数字的号码，号码之间用空格隔开。请先点击“1、组号”生成号码，或改正列表"
      "后再点击“2、过滤”。",
      "The list may hold only two-digit numbers separated by blanks. Press 1、组号 to generate "
      "numbers, or correct the list and press 2、过滤 again."}},
    {FileListAdvice,
     {"列表中只能有 00 到 99 的两位数字号码，号码之间用空格、换行或逗号隔开。",
      "The list may hold only two-digit numbers (00 to 99) separated by blanks, line breaks or "
      "commas."}},
    {OneDigitElement,
     {"第 {1} 项 {2} 只有一位数字：请在前面补 0，写成 {3}。",
      "element {1} {2} has one digit only: write it with a leading zero, as {3}."}},
    {LongElement,
     {"第 {1} 项 {2} 多于两位数字：每个号码是两位数字，号码之间用空格隔开。",
      "element {1} {2} has more than two digits: each number is two digits, and numbers are "
      "separated by blanks."}},
    {NotTypedNumber,
     {"第 {1} 项 {2} 不是号码：请写 00 到 99 的两位数字，号码之间用空格或逗号隔开。",
      "item {1} {2} is not a number: write two-digit numbers from 00 to 99, separated by blanks or "
      "commas."}},
    {TypedNumbersInOption, {"{1} {2}：{3}", "{1} {2}: {3}"}},
    {TypedNumbersInGroup, {"{1}：{2}", "{1}: {2}"}},

    {StandardInput, {"标准输入", "standard input"}},
    {StandardOutput, {"标准输出", "standard output"}},
    {StandardError, {"标准错误", "standard error"}},
    {ListFile, {"号码文件 {1}", "--list {1}"}},
    {HistoryFile, {"开奖号码文件 {1}", "--history {1}"}},
    {ConditionFile, {"条件文件 {1}", "--conditions {1}"}},
    {SavedConditionFile, {"保存条件的文件 {1}", "--save-conditions {1}"}},
    {CannotRead, {"{1}：无法读取：{2}", "{1}: cannot be read: {2}"}},
    {CannotWrite, {"{1}：无法写入：{2}", "{1}: cannot be written: {2}"}},
    {TooLarge, {"{1}：文件太大（超过 {2}）", "{1}: larger than {2}"}},
    {NotText,
     {"{1}：不是文本文件，或者文字的编码无法识别。请用记事本打开，另存为 UTF-8 编码后再试。",
      "{1}: not a text file, or in an encoding that cannot be read. Open it in Notepad and save "
      "it with the encoding UTF-8."}},
    {NoSuchFile,
     {"没有这个文件，请检查文件名和所在的文件夹",
      "no such file or directory; check the name and the folder"}},
    {PermissionDenied, {"没有权限", "permission denied"}},
    {InUse,
     {"文件被其他程序占用，请关闭那个程序后再试",
      "in use by another program; close it and try again"}},
    {InvalidName, {"不是有效的文件名", "not a valid file name"}},
    {IsDirectory, {"这是文件夹，不是文件", "a directory, not a regular file"}},
    {IsDevice, {"这是设备，不是文件", "a device, not a regular file"}},
    {IsPipe, {"这是管道，不是普通文件", "a FIFO, not a regular file"}},
    {IsSocket, {"这是套接字，不是普通文件", "a socket, not a regular file"}},
    {NotRegular, {"不是普通文件", "not a regular file"}},
    {DiskFull, {"磁盘已满", "the disk is full"}},
    {ReadOnlyDisk, {"磁盘只能读、不能写", "the disk is read-only"}},
    {NameTooLong, {"文件名太长", "the file name is too long"}},
    {TooManyLinks, {"链接的层数太多", "too many levels of links"}},
    {NotDirectoryOnPath, {"路径中有一级不是文件夹", "a part of the path is not a directory"}},
    {SystemError, {"系统错误（代码 {1}）", "system error {1}"}},
    {OutputFailed, {"无法写入标准输出：{1}", "standard output could not be written: {1}"}},
    {OutOfMemory, {"内存不足", "out of memory"}},

    {SaveToStandardOutput,
     {"条件只能保存到文件，不能保存到标准输出（“-”）",
      "--save-conditions \"-\": conditions are saved to a file, not to standard output"}},
    {SaveCannotExamine, {"{1}：无法检查：{2}", "{1}: cannot be examined: {2}"}},
    {SaveCannotTell,
     {"{1}：无法确定它是不是{2}（{3}），请换一个文件名",
      "{1}: cannot tell whether it is the same file as {2}: {3}"}},
    {SaveOverInput,
     {"{1}：这就是{2}，保存会把它覆盖；请换一个文件名",
      "{1}: the same file as {2}, which saving would overwrite"}},
    {SaveOverOutput,
     {"{1}：{2}正写到这个文件，保存会把输出覆盖；请换一个文件名",
      "{1}: the same file as {2}, which saving would overwrite; choose another name"}},
    {StandardInputTwice,
     {"{1} 和 {2} 都要读标准输入（“-”），只能有一个读它",
      "{1} \"-\": standard input is already read by {2}"}},

    {HelpHint,
     {"运行 shrink2d-cli --help 可以看到所有选项。",
      "Run 'shrink2d-cli --help' to see the options."}},
    {ExpectedDigits,
     {"{1} {2}：只能写数字 0 到 9，每个最多一次",
      "{1} {2}: expected digits 0 to 9, each at most once"}},
    {DigitTwice, {"{1} {2}：{3} 写了两次", "{1} {2}: {3} is given twice"}},
    {EmptyItem, {"{1} {2}：两个逗号之间是空的", "{1} {2}: an empty item between commas"}},
    {TooBig, {"{1} {2}：太大了（可用 {3}）", "{1} {2}: too big ({3})"}},
    {ExpectedWholeNumber,
     {"{1} {2}：应为 {3} 的整数", "{1} {2}: expected a whole number from {3}"}},
    {ExpectedOneOf, {"{1} {2}：应为以下之一：{3}", "{1} {2}: expected one of {3}"}},
    {ItemTwice, {"{1} {2}：{3} 写了两次", "{1} {2}: {3} is given twice"}},
    {ExpectedMode,
     {"{1} {2}：应为 定 或 杀（也可写 fix 或 kill）", "{1} {2}: expected fix or kill"}},
    {UnexpectedArgument, {"不认识的参数 {1}", "unexpected argument {1}"}},
    {UnexpectedArguments, {"不认识的参数 {1}", "unexpected arguments {1}"}},
    {GivenTwice, {"{1} 只能给一次", "{1}: given more than once"}},
    {ExpectedValue, {"{1} 后面应写{2}", "{1}: expected {2} after it"}},
    {Requires, {"{1} 要和 {2} 一起用", "{1} requires {2}"}},
    {Excludes, {"{1} 不能和 {2} 一起用", "{1} excludes {2}"}},
    {TakesNoValue, {"{1} 后面不能带“={2}”", "{1} takes no value, not \"{2}\""}},
    {NumberRange, {"{1} 到 {2}", "{1} to {2}"}},
    {PatternSpellings, {"{1}（或 {2}）", "{1} or {2}"}},

    {InFile, {"{1}：{2}", "{1}: {2}"}},
    {NotJson,
     {"格式不对（第 {1} 行第 {2} 列）；请用本软件保存的条件文件",
      "not JSON (line {1}, column {2})"}},
    {NumberTooBig, {"其中有一个数太大，无法读取", "holds a number too big to read"}},
    {NotObject, {"格式不对：条件文件以 { 开始、以 } 结束", "not a JSON object"}},
    {VersionMissing,
     {"缺少“version”；条件文件的 version 是 1",
      "\"version\" is missing; a condition file has version 1"}},
    {VersionNotOne, {"“version”应为 1", "\"version\" must be 1"}},
    {KeyTwice, {"“{1}”写了两次", "\"{1}\" is given twice"}},
    {KeyTyped,
     {"“{1}”在命令行上也给了（{2}），只能给一次",
      "\"{1}\" is given on the command line as well, as {2}"}},
    {ModeValue,
     {"“{1}”应为 \"fix\"（定）或 \"kill\"（杀）", "\"{1}\" must be \"fix\" or \"kill\""}},
    {ArrayOf, {"“{1}”应为{2}的列表", "\"{1}\" must be an array of {2}"}},
    {WholeNumbersFrom, {" {1} 的整数", "whole numbers from {1}"}},
    {StringsFrom, {"文字（每个是 {1} 之一）", "strings, each one of {1}"}},
    {HoldsTwice, {"“{1}”中 {2} 写了两次", "\"{1}\" holds {2} twice"}},
    {UnknownKey, {"条件文件中没有“{1}”这一项", "\"{1}\" is not a key of a condition file"}},
    {ToleranceValue, {"“{1}”应为 0 到 9 的整数", "\"{1}\" must be a whole number from 0 to 9"}},

    {OnLine, {"{1}第 {2} 行：{3}", "{1} line {2}: {3}"}},
    {NoDraw,
     {"{1} 里没有开奖号码（每行末尾是一期开奖号码，如 37、3 7 或 3,7，前面可以有期号）",
      "{1} holds no draw (a line ends in a draw such as 37, 3 7 or 3,7, after an optional "
      "issue)"}},
    {NotOneDraw,
     {"{1} 不能读成一期：期号 {3} 和开奖号码 {4} 之间还有 {2}",
      "{1} does not read as one draw: {2} stands between the issue {3} and the draw {4}"}},
    {NotUtf8, {"{1} 不是 UTF-8 文字；请用记事本另存为 UTF-8 编码", "not UTF-8 text: {1}"}},
    {HoldsNoDraw, {"{1}：没有一期开奖号码", "{1}: holds no draw"}},
    {LastDrawsField,
     {"“最近”要填 1 或更大的整数，不填就验证全部期数",
      "the last draws are a whole number from 1, or nothing for every draw"}},

    {ColumnLine, {"行", "line"}},
    {ColumnIssue, {"期号", "issue"}},
    {ColumnDraw, {"号码", "draw"}},
    {ColumnResult, {"结果", "result"}},
    {ColumnRejectedBy, {"被哪些条件去掉", "rejected by"}},
    {Kept, {"中", "kept"}},
    {Missed, {"错", "missed"}},
    {NotListed, {"不在组号中", "not in the list"}},
    {FieldDraws, {"期数", "draws"}},
    {FieldKept, {"命中", "kept"}},
    {FieldKeptShare, {"命中率 %", "kept %"}},
    {FieldLongestMissRun, {"最长连错", "longest miss run"}},
    {FieldCurrentMissRun, {"当前连错", "current miss run"}},
    {FieldRejectedBy, {"{1}去掉", "rejected by {1}"}},
    {FieldNumbersPerDraw, {"每期注数", "numbers per draw"}},
    {FieldIn, {"原有", "in"}},
    {FieldOut, {"保留", "out"}},

    {HelpDescription,
     {"缩水两位数号码：相当于按一次“1、组号”（或用自己的号码列表），再按一次“2、过滤”，所勾的条件和"
      "定杀用选项给出。",
      "Shrinks a list of two-digit numbers: one press of 1、组号 (or a list of your own) followed "
      "by one press of 2、过滤, with the ticks and modes given as options."}},
    {HelpUsage, {"用法", "Usage"}},
    {HelpOptions, {"选项", "Options"}},
    {HelpOptionsShort, {"选项", "OPTIONS"}},
    {HelpFlag, {"显示本帮助后退出", "Print this help and exit"}},
    {VersionFlag, {"显示版本后退出", "Print the version and exit"}},
    {GroupNumbers, {"号码", "Numbers"}},
    {GroupOutput, {"输出", "Output"}},
    {GroupBasic, {"基本条件", "Basic conditions (基本条件)"}},
    {GroupPattern, {"特征条件", "Pattern conditions (特征条件)"}},
    {GroupAdvanced, {"高级条件", "Advanced conditions (高级条件)"}},
    {GroupOther, {"其他条件", "Other conditions (其他条件)"}},
    {GroupTolerance, {"容错", "Tolerance (容错)"}},
    {GroupReports, {"报告", "Reports"}},
    {GroupConditionFiles, {"条件文件", "Condition files"}},
    {ExampleLabel, {"例：", "Example: "}},
    {FirstHelp,
     {"一位可以是哪些数字；不给时十个都勾，\"\" 表示一个都不勾。",
      "Digits ticked for the first position (一位); default all ten, \"\" ticks none."}},
    {SecondHelp,
     {"二位可以是哪些数字，同 --first。",
      "Digits ticked for the second position (二位), as --first."}},
    {ListHelp,
     {"不组号，过滤文件中的号码（- "
      "表示标准输入）。每个号码是两位数字，号码之间用空格、制表符、换行、"
      "全角空格、逗号、顿号或分号隔开；文件可以是 UTF-8、UTF-16 或 GBK 编码。不能和 --first、"
      "--second 一起用。",
      "Filter the numbers in FILE (- is standard input) instead of generating them: two digits "
      "each, separated by blanks, tabs, line breaks, ideographic spaces, commas, 、 or "
      "semicolons; the file may be UTF-8, UTF-16 or GBK. Not with --first or --second."}},
    {RawHelp,
     {"和 --list 一起用：把文件当作结果框中的文字，只按单个空格拆分。",
      "With --list: take the text exactly as the result box holds it, split at single blanks "
      "only."}},
    {JsonHelp,
     {"输出 {\"numbers\": [...], \"count\": N}，不输出两行文字。",
      "Print {\"numbers\": [...], \"count\": N} instead of the two lines."}},
    {EachOneOf, {"，每个是 {1} 之一", ", each one of {1}"}},
    {ToleranceHelp,
     {"容错：一个号码被不超过 K 组条件（{1}，各算一组）去掉时仍保留；0 到 9，默认 0。",
      "容错: let a number through when at most K of the condition groups ({1}, each one group) "
      "reject it; 0 to 9, default 0."}},
    {HistoryHelp,
     {"用文件中的历届开奖号码检验这些条件，不输出列表。每行一期（37、3 7、2026001,3,7；# 开始"
      "注释）。先逐期列出，再给出命中率、连错、各组条件去掉几期，以及 --first、--second 组号后"
      "剩下几注。给了 --first 或 --second 时，开奖号码必须在组号中才算命中。不能和 --list 一起用。",
      "Test the conditions on the past draws in FILE, one a line (37, 3 7, 2026001,3,7; # "
      "starts a comment), instead of printing the list: a line per draw, then the hit rate, the "
      "runs of misses, what each group rejects and how many numbers --first/--second leave. "
      "With --first or --second a draw counts as kept only when it is in the list those digits "
      "make. Not with --list."}},
    {LastHelp,
     {"和 --history 一起用：只看文件中最后 N 期。",
      "With --history: only the file's last N draws."}},
    {StatsHelp,
     {"不输出列表，而是列出每组所用的条件单独会去掉多少个号码，再给出原有和保留的个数。不能和 "
      "--history 一起用。",
      "Print how many numbers each condition group in use rejects on its own, then how many came "
      "in and how many survive, instead of the list. Not with --history."}},
    {SaveConditionsHelp,
     {"把所给的条件和容错以 JSON 格式保存到文件，然后照常运行。",
      "Write the condition options given, and the tolerance, to FILE as JSON, then run as "
      "usual."}},
    {ConditionsHelp,
     {"读取文件中的条件（--save-conditions 保存的格式）；同一条件不能在命令行上再给一次。",
      "Read the conditions in FILE (as --save-conditions writes them); one given on the command "
      "line as well is an error."}},
    {PatternLetters, {"形态也可以用字母写：{1}。", "Pattern letters: {1}."}},
    {LetterOfGroup, {"{2}中 {1}", "{1} in {2}"}},
    {ExamplesHeading, {"例子：", "Examples:"}},
    {ExampleAll,
     {"全部一百个号码 00 到 99，不过滤", "all hundred numbers 00 to 99, nothing filtered"}},
    {ExamplePipe, {"过滤从标准输入读进来的号码", "filter the numbers read from standard input"}},
    {ExampleHistory,
     {"这些条件在 draws.txt 最近 30 期中的表现",
      "how these conditions would have fared on the last 30 draws in draws.txt"}},
    {HelpOutput,
     {"输出：第 1 行是结果列表，每个号码后跟一个空格；第 2 行是共计行（--history 和 --stats 输出"
      "报告）。\n退出状态：0 完成，1 无法写入标准输出，2 选项有误或文件无法读写，3 列表中有不是两位"
      "数字的号码（过滤停止，和窗口一样）。",
      "Output: line 1 is the resulting list, each number followed by one blank; line 2 the count "
      "line (--history and --stats print their report instead).\nExit status: 0 done, 1 standard "
      "output could not be written, 2 bad option or a file that cannot be read or written, 3 an "
      "element of the list is not a two-digit number (the pass stops, as the window's does)."}},
    {TypeFile, {"文件", "FILE"}},
    {TypeDigits, {"数字", "DIGITS"}},
    {TypeNumbers, {"数,...", "N,..."}},
    {TypePatterns, {"形态,...", "P,..."}},
    {TypeRoads, {"路,...", "R,..."}},
    {TypeMode, {"定|杀", "fix|kill"}},
    {TypeTolerance, {"K", "K"}},
    {TypeCount, {"N", "N"}},
}};

constexpr bool isInOrder()
{
    for (std::size_t k = 0; k < kMessages.size(); ++k) {
        if (static_cast<std::size_t>(kMessages[k].id) != k) return false;
    }
    return true;
}
static_assert(isInOrder(), "the table lists every message once, in Message order");

} // namespace

std::span<const MessageEntry> messageTable() { return kMessages; }

std::string say(Message message, Language language, std::initializer_list<std::string_view> args)
{
    return fill(kMessages[static_cast<std::size_t>(message)].text.in(language), args);
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t pos = 0; pos < pattern.size(); ++pos) {
        const char c = pattern[pos];
        if (c == '{' && pos + 2 < pattern.size() && pattern[pos + 1] >= '1' &&
            pattern[pos + 1] <= '9' && pattern[pos + 2] == '}') {
            const auto k = static_cast<std::size_t>(pattern[pos + 1] - '1');
            if (k < args.size()) {
                out += *(args.begin() + k);
                pos += 2;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string quoted(std::string_view text, Language language, std::size_t maxCharacters)
{
    const bool chinese = language == Language::Chinese;
    return (chinese ? "“" : "\"") + visibleText(text, maxCharacters) + (chinese ? "”" : "\"");
}

std::string describeUnreadable(const Unreadable& unreadable, Language language)
{
    // Long pasted texts are cut: the position is what finds the element.
    constexpr std::size_t shownCharacters = 24;
    const std::string shown = unreadable.element.empty()
                                  ? say(Message::EmptyElement, language)
                                  : quoted(unreadable.element, language, shownCharacters);
    return say(Message::UnreadableElement, language, {std::to_string(unreadable.position), shown});
}

std::optional<std::string> digitCountProblem(std::size_t position, std::string_view element,
                                             Language language)
{
    if (element.size() == 2 || element.empty() ||
        !std::all_of(element.begin(), element.end(), isAsciiDigit)) {
        return std::nullopt;
    }
    const std::string number = std::to_string(position);
    const std::string shown = quoted(element, language, 24);
    if (element.size() == 1) {
        return say(Message::OneDigitElement, language, {number, shown, "0" + std::string(element)});
    }
    return say(Message::LongElement, language, {number, shown});
}

std::string unreadableMessage(const Unreadable& unreadable)
{
    return describeUnreadable(unreadable, Language::Chinese) + "\n\n" +
           say(Message::BoxListAdvice, Language::Chinese);
}

} // namespace shrink2d
