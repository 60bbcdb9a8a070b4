#pragma once
// Every button face: its resource id, size, key colour (the pixels that let the page show through), the
// colour of the page around the button (what the face's soft edges are blended against) and its look.
#include "res/ResourceIds.h"
#include "shell/FaceKeys.h"

enum class FaceStyle {
    Nav,        // navigation panel plaques
    Call,       // the cast button: the one red call to action
    Secondary,  // the start page's back button
    ArrowLeft,
    ArrowRight,
    Plaque,       // 71 x 25 on the celadon pages
    LightPlaque,  // on white paper
    OliveTab,     // the date dialog's header
    OptionOn,
    OptionOff,
};

struct FaceSpec {
    unsigned id;
    int width;
    int height;
    COLORREF key;
    COLORREF surround;
    FaceStyle style;
    bool hot;
    const char* text;  // UTF-8
    int mark;          // navigation plaques: the trigram shown before the words
};

inline constexpr FaceSpec kFaces[] = {
    {IDB_NAV_PREDICT, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "周易预测号码", 1},
    {IDB_NAV_PREDICT_HOT, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "周易预测号码", 1},
    {IDB_NAV_RECORDS, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "预测记录", 6},
    {IDB_NAV_RECORDS_HOT, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "预测记录", 6},
    {IDB_NAV_PLAYER, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "玩家资料", 7},
    {IDB_NAV_PLAYER_HOT, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "玩家资料", 7},
    {IDB_NAV_ANSWERS, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "答疑", 2},
    {IDB_NAV_ANSWERS_HOT, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "答疑", 2},
    {IDB_NAV_ABOUT, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "关于", 3},
    {IDB_NAV_ABOUT_HOT, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "关于", 3},
    {IDB_CAST, 145, 31, kMistKey, kMistKey, FaceStyle::Call, false, "立即起卦", 0},
    {IDB_CAST_HOT, 145, 31, kMistKey, kMistKey, FaceStyle::Call, true, "立即起卦", 0},
    {IDB_START_BACK, 97, 31, kMistKey, kMistKey, FaceStyle::Secondary, false, "返回", 0},
    {IDB_START_BACK_HOT, 97, 31, kMistKey, kMistKey, FaceStyle::Secondary, true, "返回", 0},
    {IDB_ARROW_RIGHT, 42, 27, kDeepKey, kDeepKey, FaceStyle::ArrowRight, false, "", 0},
    {IDB_ARROW_RIGHT_HOT, 42, 27, kDeepKey, kDeepKey, FaceStyle::ArrowRight, true, "", 0},
    {IDB_ARROW_LEFT, 42, 27, kDeepKey, kDeepKey, FaceStyle::ArrowLeft, false, "", 0},
    {IDB_ARROW_LEFT_HOT, 42, 27, kDeepKey, kDeepKey, FaceStyle::ArrowLeft, true, "", 0},
    {IDB_BACK, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, false, "返回", 0},
    {IDB_BACK_HOT, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, true, "返回", 0},
    {IDB_OK, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, false, "确定", 0},
    {IDB_OK_HOT, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, true, "确定", 0},
    {IDB_CANCEL, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, false, "取消", 0},
    {IDB_CANCEL_HOT, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, true, "取消", 0},
    {IDB_EXIT, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, false, "退出", 0},
    {IDB_EXIT_HOT, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, true, "退出", 0},
    {IDB_SAVE_LIGHT, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, false, "保存", 0},
    {IDB_SAVE_LIGHT_HOT, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, true, "保存", 0},
    {IDB_BACK_LIGHT, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, false, "返回", 0},
    {IDB_BACK_LIGHT_HOT, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, true, "返回", 0},
    {IDB_CANCEL_LIGHT, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, false, "取消", 0},
    {IDB_CANCEL_LIGHT_HOT, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, true, "取消", 0},
    {IDB_PREDICT_HELP, 85, 25, kOliveKey, kOliveKey, FaceStyle::OliveTab, false, "关于预测", 0},
    {IDB_PREDICT_HELP_HOT, 85, 25, kOliveKey, kOliveKey, FaceStyle::OliveTab, true, "关于预测", 0},
    // The player page is white paper; this face is keyed red, so its soft edges are blended against white.
    {IDB_FORTUNE_HELP, 117, 25, kRedKey, kWhiteKey, FaceStyle::LightPlaque, false, "关于财运代码", 0},
    {IDB_FORTUNE_HELP_HOT, 117, 25, kRedKey, kWhiteKey, FaceStyle::LightPlaque, true, "关于财运代码", 0},
    {IDB_OPTION_ON, 15, 15, kWhiteKey, kWhiteKey, FaceStyle::OptionOn, false, "", 0},
    {IDB_OPTION_OFF, 15, 15, kWhiteKey, kWhiteKey, FaceStyle::OptionOff, false, "", 0},
};
