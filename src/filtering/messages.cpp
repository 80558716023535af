#include "filtering/messages.h"

#include "filtering/utf8.h"

namespace shrink2d {

std::string describeUnreadable(const Unreadable& unreadable)
{
    // Long pasted texts are cut: the position is what finds the element.
    constexpr std::size_t shownCharacters = 24;
    const std::string shown = unreadable.element.empty()
                                  ? std::string("（空，两个空格相连）")
                                  : "“" + visibleText(unreadable.element, shownCharacters) + "”";
    return "第 " + std::to_string(unreadable.position) + " 项 " + shown +
           " 不是两位数字的号码，过滤已停止。";
}

std::string unreadableMessage(const Unreadable& unreadable)
{
    return describeUnreadable(unreadable) +
           "\n\n号码列表中只能有两位数字的号码，每个号码后面跟一个空格。"
           "请先点击“1、组号”生成号码，或改正列表后再点击“2、过滤”。";
}

} // namespace shrink2d
