// SPDX-License-Identifier: GPL-3.0-or-later
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
    {kNavPredictBitmap, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "周易预测号码", 1},
    {kNavPredictHotBitmap, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "周易预测号码", 1},
    {kNavRecordsBitmap, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "预测记录", 6},
    {kNavRecordsHotBitmap, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "预测记录", 6},
    {kNavPlayerBitmap, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "玩家资料", 7},
    {kNavPlayerHotBitmap, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "玩家资料", 7},
    {kNavAnswersBitmap, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "答疑", 2},
    {kNavAnswersHotBitmap, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "答疑", 2},
    {kNavAboutBitmap, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "关于", 3},
    {kNavAboutHotBitmap, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "关于", 3},
    {kCastBitmap, 145, 31, kMistKey, kMistKey, FaceStyle::Call, false, "立即起卦", 0},
    {kCastHotBitmap, 145, 31, kMistKey, kMistKey, FaceStyle::Call, true, "立即起卦", 0},
    {kStartBackBitmap, 97, 31, kMistKey, kMistKey, FaceStyle::Secondary, false, "返回", 0},
    {kStartBackHotBitmap, 97, 31, kMistKey, kMistKey, FaceStyle::Secondary, true, "返回", 0},
    {kArrowRightBitmap, 42, 27, kDeepKey, kDeepKey, FaceStyle::ArrowRight, false, "", 0},
    {kArrowRightHotBitmap, 42, 27, kDeepKey, kDeepKey, FaceStyle::ArrowRight, true, "", 0},
    {kArrowLeftBitmap, 42, 27, kDeepKey, kDeepKey, FaceStyle::ArrowLeft, false, "", 0},
    {kArrowLeftHotBitmap, 42, 27, kDeepKey, kDeepKey, FaceStyle::ArrowLeft, true, "", 0},
    {kBackBitmap, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, false, "返回", 0},
    {kBackHotBitmap, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, true, "返回", 0},
    {kOkBitmap, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, false, "确定", 0},
    {kOkHotBitmap, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, true, "确定", 0},
    {kCancelBitmap, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, false, "取消", 0},
    {kCancelHotBitmap, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, true, "取消", 0},
    {kExitBitmap, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, false, "退出", 0},
    {kExitHotBitmap, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, true, "退出", 0},
    {kSaveLightBitmap, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, false, "保存", 0},
    {kSaveLightHotBitmap, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, true, "保存", 0},
    {kBackLightBitmap, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, false, "返回", 0},
    {kBackLightHotBitmap, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, true, "返回", 0},
    {kCancelLightBitmap, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, false, "取消", 0},
    {kCancelLightHotBitmap, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, true, "取消", 0},
    {kPredictHelpBitmap, 85, 25, kOliveKey, kOliveKey, FaceStyle::OliveTab, false, "关于预测", 0},
    {kPredictHelpHotBitmap, 85, 25, kOliveKey, kOliveKey, FaceStyle::OliveTab, true, "关于预测", 0},
    // The player page is white paper; this face is keyed red, so its soft edges are blended against white.
    {kFortuneHelpBitmap, 117, 25, kRedKey, kWhiteKey, FaceStyle::LightPlaque, false, "关于财运代码", 0},
    {kFortuneHelpHotBitmap, 117, 25, kRedKey, kWhiteKey, FaceStyle::LightPlaque, true, "关于财运代码", 0},
    {kOptionOnBitmap, 15, 15, kWhiteKey, kWhiteKey, FaceStyle::OptionOn, false, "", 0},
    {kOptionOffBitmap, 15, 15, kWhiteKey, kWhiteKey, FaceStyle::OptionOff, false, "", 0},
};
