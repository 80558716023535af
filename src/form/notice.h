#pragma once

#include <string_view>

namespace shrink2d {

// What the result box shows before the first generation. A filter pass may read it as a list,
// so its shape is fixed: every line ends with CR LF, the only blank ends the first line, and
// neither the text nor the blank's left neighbour is a digit, so that neither element it splits
// into starts or ends with a digit.
inline constexpr std::string_view kNotice = "欢迎使用本软件！ \r\n"
                                            "\r\n"
                                            "一、在左边“一位”\r\n"
                                            "“二位”中点选数字，\r\n"
                                            "再点击“1、组号”。\r\n"
                                            "\r\n"
                                            "二、在“基本条件”\r\n"
                                            "“特征条件”页中\r\n"
                                            "选择条件，再点击\r\n"
                                            "“2、过滤”。\r\n"
                                            "\r\n"
                                            "三、结果可以复制。\r\n"
                                            "\r\n"
                                            "祝您好运！\r\n"
                                            "\r\n";

} // namespace shrink2d
