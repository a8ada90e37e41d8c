// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace present {

// A colour as a screen layout names it: a fixed RGB value or a system colour by its role.
struct LayoutColour {
    enum class Role { Rgb, ButtonFace, ButtonText, ButtonHighlight, CaptionText };
    Role role = Role::Rgb;
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const LayoutColour&, const LayoutColour&) = default;
};

inline constexpr LayoutColour kLightBlue{LayoutColour::Role::Rgb, 128, 128, 255};
inline constexpr LayoutColour kGreen{LayoutColour::Role::Rgb, 0, 192, 0};
inline constexpr LayoutColour kRed{LayoutColour::Role::Rgb, 255, 0, 0};
inline constexpr LayoutColour kBlue{LayoutColour::Role::Rgb, 0, 0, 255};
inline constexpr LayoutColour kButtonFace{LayoutColour::Role::ButtonFace};
inline constexpr LayoutColour kButtonText{LayoutColour::Role::ButtonText};
inline constexpr LayoutColour kButtonHighlight{LayoutColour::Role::ButtonHighlight};
inline constexpr LayoutColour kCaptionText{LayoutColour::Role::CaptionText};

// Which mode a setting depends on; settings whose condition does not hold are skipped.
enum class When { Always, Silent, NotSilent, TalkingOn, NotTalkingOn };

// What a layout sets on one control. Anything left empty keeps the control's state.
// Positions and sizes are in twips; fonts are the platform's sans-serif face.
struct ControlSetting {
    const char* control = nullptr; // the control's design name
    When when = When::Always;
    std::optional<bool> visible{};
    std::optional<int> left{};
    std::optional<int> top{};
    std::optional<int> width{};
    std::optional<int> height{};
    std::optional<LayoutColour> back{};
    std::optional<LayoutColour> fore{};
    std::optional<bool> bold{};
    std::optional<int> pointSize{};
    std::optional<QString> caption{};
    bool captionIsCurrentQuestion = false;
    bool clearPicture = false;
    bool clearText = false;
    bool focus = false;
    std::optional<bool> enabled{};
    const char* picture = nullptr; // a Kids picture, drawn at the control's size
    std::optional<bool> border{};  // a frame round a picture
};

// What a layout sets on one menu entry.
struct MenuSetting {
    const char* entry = nullptr; // the entry's design name
    std::optional<bool> visible{};
    std::optional<bool> enabled{};
};

// Everything one layout procedure sets on the main window.
struct LayoutTable {
    QString windowCaption;
    bool clearBackgroundPicture = false;
    const char* backgroundPicture = nullptr; // a Kids picture filling the screens' area
    bool setCardGridSource = false;          // qSelectedSet, or qSelectedSetKids in Kids mode
    std::vector<ControlSetting> controls;
    std::vector<MenuSetting> menus;
};

// The mode and lesson facts a layout's conditional settings depend on.
struct LayoutContext {
    bool kids = false;
    bool Silent = true;
    bool TalkingOn = false;
    QString currentQuestion;
};

bool settingApplies(When when, const LayoutContext& context);

// The card grid's source for the given mode.
QString cardGridSource(bool kids);

} // namespace present
