#pragma once

#include "filtering/filter_pass.h"
#include "filtering/language.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace shrink2d {

// Title of every message box.
inline constexpr std::string_view kMessageTitle = "澄数2D缩水软件";

// Every message and report word a player can read, in the table of messages.cpp. {1} to {9} in a
// text stand for what say() fills in: numbers, quoted texts, file names, option names, or another
// message already in the same language.
enum class Message : std::size_t {
    // The filter pass and the lists it reads.
    EmptyListPrompt,
    ListHoldsNoNumbers,
    UnreadableElement,
    EmptyElement,
    BoxListAdvice,
    FileListAdvice,
    OneDigitElement,
    LongElement,
    NotTypedNumber,
    TypedNumbersInOption,
    TypedNumbersInGroup,
    // Files: what a file is to the run, and why it cannot be used.
    StandardInput,
    StandardOutput,
    StandardError,
    ListFile,
    HistoryFile,
    ConditionFile,
    SavedConditionFile,
    CannotRead,
    CannotWrite,
    TooLarge,
    NotText,
    NoSuchFile,
    PermissionDenied,
    InUse,
    InvalidName,
    IsDirectory,
    IsDevice,
    IsPipe,
    IsSocket,
    NotRegular,
    DiskFull,
    ReadOnlyDisk,
    NameTooLong,
    TooManyLinks,
    NotDirectoryOnPath,
    SystemError,
    OutputFailed,
    OutOfMemory,
    // Saving conditions.
    SaveToStandardOutput,
    SaveCannotExamine,
    SaveCannotTell,
    SaveOverInput,
    SaveOverOutput,
    StandardInputTwice,
    // Options.
    HelpHint,
    ExpectedDigits,
    DigitTwice,
    EmptyItem,
    TooBig,
    ExpectedWholeNumber,
    ExpectedOneOf,
    ItemTwice,
    ExpectedMode,
    UnexpectedArgument,
    UnexpectedArguments,
    GivenTwice,
    ExpectedValue,
    Requires,
    Excludes,
    TakesNoValue,
    NumberRange,
    PatternSpellings,
    // Condition files.
    InFile,
    NotJson,
    NumberTooBig,
    NotObject,
    VersionMissing,
    VersionNotOne,
    KeyTwice,
    KeyTyped,
    ModeValue,
    ArrayOf,
    WholeNumbersFrom,
    StringsFrom,
    HoldsTwice,
    UnknownKey,
    ToleranceValue,
    // History files.
    OnLine,
    NoDraw,
    NotOneDraw,
    NotUtf8,
    HoldsNoDraw,
    LastDrawsField,
    // Reports.
    ColumnLine,
    ColumnIssue,
    ColumnDraw,
    ColumnResult,
    ColumnRejectedBy,
    Kept,
    Missed,
    NotListed,
    FieldDraws,
    FieldKept,
    FieldKeptShare,
    FieldLongestMissRun,
    FieldCurrentMissRun,
    FieldRejectedBy,
    FieldNumbersPerDraw,
    FieldIn,
    FieldOut,
    // Help.
    HelpDescription,
    HelpUsage,
    HelpOptions,
    HelpOptionsShort,
    HelpFlag,
    VersionFlag,
    GroupNumbers,
    GroupOutput,
    GroupBasic,
    GroupPattern,
    GroupAdvanced,
    GroupOther,
    GroupTolerance,
    GroupReports,
    GroupConditionFiles,
    ExampleLabel,
    FirstHelp,
    SecondHelp,
    ListHelp,
    RawHelp,
    JsonHelp,
    EachOneOf,
    ToleranceHelp,
    HistoryHelp,
    LastHelp,
    StatsHelp,
    SaveConditionsHelp,
    ConditionsHelp,
    PatternLetters,
    LetterOfGroup,
    ExamplesHeading,
    ExampleAll,
    ExamplePipe,
    ExampleHistory,
    HelpOutput,
    TypeFile,
    TypeDigits,
    TypeNumbers,
    TypePatterns,
    TypeRoads,
    TypeMode,
    TypeTolerance,
    TypeCount,
    Count
};

struct MessageEntry {
    Message id;
    Text text;
};

// The whole table, in Message order.
std::span<const MessageEntry> messageTable();

// The message with its placeholders filled in.
std::string say(Message message, Language language,
                std::initializer_list<std::string_view> args = {});

// The text as a message quotes it: made visible (visibleText), cut after maxCharacters, in the
// quotation marks of the language (“…” or "…").
std::string quoted(std::string_view text, Language language, std::size_t maxCharacters = 40);

// Shown when "2、过滤" is pressed on an empty list.
inline constexpr std::string_view kEmptyListPrompt = "请先组号然后再点击“过滤”";

// Which element stopped the pass: its position and its text, shown visibly, quoted and cut short.
std::string describeUnreadable(const Unreadable& unreadable, Language language);

// What is wrong with the element at this position (from 1) when it is digits alone but not two of
// them: one digit, to be written with a leading 0, or more than two. nullopt for any other element.
std::optional<std::string> digitCountProblem(std::size_t position, std::string_view element,
                                             Language language);

// describeUnreadable, then what the list may hold and which button to press, for the result box
// of the window and the page.
std::string unreadableMessage(const Unreadable& unreadable);

} // namespace shrink2d
