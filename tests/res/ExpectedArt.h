// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program expects of its pictures, written out independently of the art tool so that the tests
// catch a tool that draws the wrong size, colour or name.
#include <QColor>
#include <QString>
#include <vector>

struct ExpectedFile {
    const char* name;  // UTF-8, in the program folder
    int width;
    int height;
};

struct ExpectedBitmap {
    unsigned id;
    int width;
    int height;
    QRgb key;  // 0 for pictures shown without a key colour
};

inline std::vector<ExpectedFile> ExpectedProgramPictures() {
    std::vector<ExpectedFile> files = {
        {"main.ggr", 700, 500},      {"left.ggr", 187, 455},       {"start.ggr", 700, 455},
        {"make_gua.ggr", 700, 455},  {"get_gua.ggr", 700, 455},    {"gua_exp.ggr", 700, 500},
        {"get_num.ggr", 700, 455},   {"history.ggr", 700, 455},    {"player.ggr", 700, 455},
        {"inputdate.ggr", 350, 230}, {"date_error.ggr", 350, 230}, {"about_save.ggr", 350, 230},
        {"about.ggr", 350, 230},     {"select.mid", 342, 280},     {"history.mid", 342, 280},
        {"player.mid", 342, 280},    {"answer.mid", 342, 280},     {"乾.bmp", 130, 70},
        {"兑.bmp", 130, 70},         {"离.bmp", 130, 70},          {"震.bmp", 130, 70},
        {"巽.bmp", 130, 70},         {"坎.bmp", 130, 70},          {"艮.bmp", 130, 70},
        {"坤.bmp", 130, 70},
    };
    files.push_back({"statistics.ggr", 600, 600});
    files.push_back({"archive.ggr", 700, 455});
    static const char* const frames[] = {
        "1.bmp",       "2.bmp",       "3.bmp",       "4.bmp",       "5.bmp",       "6.bmp",
        "7.bmp",       "8.bmp",       "9.bmp",       "10.bmp",      "11.bmp",      "12.bmp",
        "13.bmp",      "14.bmp",      "15.bmp",      "16.bmp",      "17.bmp",      "18.bmp",
        "taiji_0.bmp", "taiji_1.bmp", "taiji_2.bmp", "taiji_3.bmp", "taiji_4.bmp", "taiji_5.bmp"};
    for (const char* frame : frames) {
        files.push_back({frame, 243, 243});
    }
    return files;
}

inline constexpr QRgb kCeladon = 0xFF9BC5CF;  // RGB(155, 197, 207)
inline constexpr QRgb kMist = 0xFF97BFC9;     // RGB(151, 191, 201)
inline constexpr QRgb kDeep = 0xFF8BB7C2;     // RGB(139, 183, 194)
inline constexpr QRgb kTeal = 0xFF4298B1;     // RGB(66, 152, 177)
inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kOlive = 0xFF5A6C49;  // RGB(90, 108, 73)
inline constexpr QRgb kRed = 0xFFFF0000;

inline std::vector<ExpectedBitmap> ExpectedBitmaps() {
    return {
        {150, 131, 35, kTeal},   {151, 131, 35, kTeal},   {152, 131, 35, kTeal},   {153, 131, 35, kTeal},
        {154, 131, 35, kTeal},   {155, 131, 35, kTeal},   {156, 131, 35, kTeal},   {157, 131, 35, kTeal},
        {201, 131, 35, kTeal},   {202, 131, 35, kTeal},   {146, 145, 31, kMist},   {147, 145, 31, kMist},
        {192, 97, 31, kMist},    {193, 97, 31, kMist},    {161, 42, 27, kDeep},    {162, 42, 27, kDeep},
        {163, 42, 27, kDeep},    {164, 42, 27, kDeep},    {148, 71, 25, kCeladon}, {149, 71, 25, kCeladon},
        {184, 71, 25, kCeladon}, {188, 71, 25, kCeladon}, {187, 71, 25, kCeladon}, {173, 71, 25, kCeladon},
        {219, 71, 25, kCeladon}, {220, 71, 25, kCeladon}, {241, 71, 25, kWhite},   {242, 71, 25, kWhite},
        {243, 71, 25, kWhite},   {244, 71, 25, kWhite},   {245, 71, 25, kWhite},   {246, 71, 25, kWhite},
        {238, 85, 25, kOlive},   {239, 85, 25, kOlive},   {236, 117, 25, kRed},    {237, 117, 25, kRed},
        {198, 15, 15, kWhite},   {199, 15, 15, kWhite},   {183, 138, 21, 0},       {194, 82, 27, 0},
        {240, 11, 11, 0},        {204, 206, 18, 0},       {205, 215, 18, 0},
    };
}

inline QString ProgramFile(const char* name) {
    return QStringLiteral(MORVINT_PROGRAM_DIR "/") + QString::fromUtf8(name);
}
