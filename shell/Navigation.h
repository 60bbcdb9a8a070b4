// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers the windows post to the main window, with names. A page posts WM_NAVIGATE with the stage it is
// on and a code for what it wants; the navigation panel posts WM_OPENVIEW with the kind of the clicked
// button, and WM_SHOWPICTURE with the kind of the button under the pointer. The enumerators carry the very
// numbers the messages carry, so a posted message reads the same whether it was written with names or
// numbers.
//
// Plain C++: the pages post with these names and the main window decodes them, so both include this header
// from below, and the decision what a pair means is made here once, without any window.

// The page that posts.
enum class NavStage : int {
    Start = 10,
    Make = 11,
    Show = 12,
    Explain = 13,
    Number = 14,
    Records = 20,
    Player = 30,
};

// What the page asks for. 11 .. 14 name the stage to go to; 0 is the way home from any stage.
enum class NavCode : int {
    Home = 0,
    ProfileSaved = 2,
    ToMake = 11,
    ToShow = 12,
    ToExplain = 13,
    ToNumber = 14,
};

// The kinds of the panel's buttons: the view a click opens, and the card shown while the pointer is over it.
enum class ViewKind : int {
    NoPicture = -1,  // a picture kind only: the pointer is over bare panel
    Prediction = 15,
    Records = 20,
    Player = 30,
    Answers = 40,  // a picture kind only: the button opens the help itself
    About = 50,    // a view kind only: the button shows no card
};

// What the main window does for a (stage, code) pair.
enum class NavTarget {
    Ignore,
    Home,
    MakePage,
    ShowPage,
    ExplainPage,
    NumberPage,        // the number page of this prediction, made on the first visit only
    ExplainPageAgain,  // back from the number page to the explanation page still kept
    PlayerLabels,      // the profile was saved: relabel the player's name and animal
};

// The number a message carries for a stage, code or kind.
template <class Enum>
constexpr int MessageParam(Enum value) {
    return static_cast<int>(value);
}

// Code 0 from any stage is the way home; otherwise only the steps of a prediction and the player page's
// "profile saved" act. Every other pair, of known numbers or not, is ignored.
constexpr NavTarget NextView(NavStage stage, NavCode code) {
    struct Route {
        NavStage stage;
        NavCode code;
        NavTarget target;
    };
    constexpr Route routes[] = {
        {NavStage::Start, NavCode::ToMake, NavTarget::MakePage},
        {NavStage::Make, NavCode::ToShow, NavTarget::ShowPage},
        {NavStage::Show, NavCode::ToExplain, NavTarget::ExplainPage},
        {NavStage::Explain, NavCode::ToNumber, NavTarget::NumberPage},
        {NavStage::Number, NavCode::ToExplain, NavTarget::ExplainPageAgain},
        {NavStage::Player, NavCode::ProfileSaved, NavTarget::PlayerLabels},
    };
    if (code == NavCode::Home) {
        return NavTarget::Home;
    }
    for (const Route& route : routes) {
        if (route.stage == stage && route.code == code) {
            return route.target;
        }
    }
    return NavTarget::Ignore;
}
