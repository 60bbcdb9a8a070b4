#pragma once
// Every button face: its resource id, size, key colour (the pixels that let the page show through), the
// colour of the page around the button (what the face's soft edges are blended against) and its look.
#include <cstdint>

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
    std::uint32_t key;       // 0xRRGGBB
    std::uint32_t surround;  // 0xRRGGBB
    FaceStyle style;
    bool hot;
    const char* text;  // UTF-8
    int mark;          // navigation plaques: the trigram shown before the words
};

inline constexpr std::uint32_t kCeladonKey = 0x9BC5CF;  // RGB(155, 197, 207)
inline constexpr std::uint32_t kMistKey = 0x97BFC9;     // RGB(151, 191, 201)
inline constexpr std::uint32_t kDeepKey = 0x8BB7C2;     // RGB(139, 183, 194)
inline constexpr std::uint32_t kTealKey = 0x4298B1;     // RGB(66, 152, 177)
inline constexpr std::uint32_t kWhiteKey = 0xFFFFFF;
inline constexpr std::uint32_t kOliveKey = 0x5A6C49;  // RGB(90, 108, 73)
inline constexpr std::uint32_t kRedKey = 0xFF0000;

inline constexpr FaceSpec kFaces[] = {
    {157, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "周易预测号码", 1},
    {156, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "周易预测号码", 1},
    {155, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "预测记录", 6},
    {154, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "预测记录", 6},
    {153, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "玩家资料", 7},
    {152, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "玩家资料", 7},
    {151, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "答疑", 2},
    {150, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "答疑", 2},
    {202, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, false, "关于", 3},
    {201, 131, 35, kTealKey, kTealKey, FaceStyle::Nav, true, "关于", 3},
    {147, 145, 31, kMistKey, kMistKey, FaceStyle::Call, false, "立即起卦", 0},
    {146, 145, 31, kMistKey, kMistKey, FaceStyle::Call, true, "立即起卦", 0},
    {193, 97, 31, kMistKey, kMistKey, FaceStyle::Secondary, false, "返回", 0},
    {192, 97, 31, kMistKey, kMistKey, FaceStyle::Secondary, true, "返回", 0},
    {162, 42, 27, kDeepKey, kDeepKey, FaceStyle::ArrowRight, false, "", 0},
    {163, 42, 27, kDeepKey, kDeepKey, FaceStyle::ArrowRight, true, "", 0},
    {161, 42, 27, kDeepKey, kDeepKey, FaceStyle::ArrowLeft, false, "", 0},
    {164, 42, 27, kDeepKey, kDeepKey, FaceStyle::ArrowLeft, true, "", 0},
    {148, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, false, "返回", 0},
    {149, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, true, "返回", 0},
    {188, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, false, "确定", 0},
    {184, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, true, "确定", 0},
    {173, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, false, "取消", 0},
    {187, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, true, "取消", 0},
    {219, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, false, "退出", 0},
    {220, 71, 25, kCeladonKey, kCeladonKey, FaceStyle::Plaque, true, "退出", 0},
    {241, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, false, "保存", 0},
    {242, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, true, "保存", 0},
    {243, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, false, "返回", 0},
    {244, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, true, "返回", 0},
    {245, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, false, "取消", 0},
    {246, 71, 25, kWhiteKey, kWhiteKey, FaceStyle::LightPlaque, true, "取消", 0},
    {238, 85, 25, kOliveKey, kOliveKey, FaceStyle::OliveTab, false, "关于预测", 0},
    {239, 85, 25, kOliveKey, kOliveKey, FaceStyle::OliveTab, true, "关于预测", 0},
    // The player page is white paper; this face is keyed red, so its soft edges are blended against white.
    {236, 117, 25, kRedKey, kWhiteKey, FaceStyle::LightPlaque, false, "关于财运代码", 0},
    {237, 117, 25, kRedKey, kWhiteKey, FaceStyle::LightPlaque, true, "关于财运代码", 0},
    {198, 15, 15, kWhiteKey, kWhiteKey, FaceStyle::OptionOn, false, "", 0},
    {199, 15, 15, kWhiteKey, kWhiteKey, FaceStyle::OptionOff, false, "", 0},
};
