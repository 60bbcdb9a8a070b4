// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words painted into the pictures of the small windows and the hover cards. The art tool paints them, and
// the program hands the same words to screen readers, which cannot read a picture.
namespace PictureWords {

// A card: its title, then the two lines that explain the button it belongs to.
struct Card {
    const char* title;
    const char* line1;
    const char* line2;
};
inline constexpr Card kPredictCard{"周易预测号码", "选择开奖日期，输入期号", "以梅花易数起卦，推出八组号码"};
inline constexpr Card kRecordsCard{"预测记录", "查看每一期保存的预测", "开奖后输入号码，自动判定命中"};
inline constexpr Card kPlayerCard{"玩家资料", "填写姓名、性别与生肖", "输入财运代码，绘出十二个月走势"};
inline constexpr Card kAnswersCard{"答疑", "软件用法与起卦原理", "常见问题，一看便知"};

// A small window: its title and what it says below the title.
struct Notice {
    const char* title;
    const char* text;
    const char* advice;
};
inline constexpr Notice kDateDialog{"开奖日期与期号", "请选择尚未开奖的日期，并输入该期期号", ""};
inline constexpr Notice kDateNotice{"此日不能预测", "所选日期已经开奖，或这一天的号码已经预测并保存过。",
                                    "请重新选择开奖日期。"};
inline constexpr Notice kSaveQuestion{"保存预测", "将本次的八组预测号码存入预测记录？",
                                      "保存后可在【预测记录】中输入开奖号码，查看是否命中。"};

}  // namespace PictureWords
