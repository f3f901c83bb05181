#include "window_design.h"

namespace tolbrek {

namespace {

using enum ControlKind;
using enum Align;
using enum VerticalAlign;
constexpr std::nullopt_t kStandard = std::nullopt;
constexpr std::nullopt_t kNone = std::nullopt;

}  // namespace

// clang-format off
const std::array<ControlDesign, 28> kWindowDesign = {{
    {"Label1", Label, {240, 600, 2415, 255}, 12, false, false, kStandard, kStandard, Left, Bottom,
     "Bullet Weight Grains", kNone, kNone, ""},
    {"txtBulwt", TextBox, {480, 960, 2175, 390}, 12, false, false, kBlue, kStandard, Left, Middle,
     "", kNone, LoadField::Bullet, "Bullet Weight Grains"},
    {"Label2", Label, {240, 1680, 2415, 255}, 12, false, false, kStandard, kStandard, Left, Bottom,
     "Powder Charge Grains", kNone, kNone, "", -0.1, 100, -0.15},
    {"txtPdrchg", TextBox, {480, 2040, 2175, 390}, 12, false, false, kBlue, kStandard, Left, Middle,
     "", kNone, LoadField::Powder, "Powder Charge Grains"},
    {"Label3", Label, {240, 2760, 2415, 255}, 12, false, false, kStandard, kStandard, Left, Bottom,
     "Velocity (FPS)", kNone, kNone, ""},
    {"txtVel", TextBox, {480, 3120, 2175, 390}, 12, false, false, kBlue, kStandard, Left, Middle,
     "", kNone, LoadField::Velocity, "Velocity (FPS)"},
    {"Label4", Label, {240, 3840, 2415, 255}, 12, false, false, kStandard, kStandard, Left, Bottom,
     "Weight of Gun (Lbs)", kNone, kNone, ""},
    {"txtGunwt", TextBox, {480, 4200, 2175, 390}, 12, false, false, kBlue, kStandard, Left, Middle,
     "", kNone, LoadField::Gun, "Weight of Gun (Lbs)"},
    {"cmdCalc", Button, {240, 6600, 2415, 495}, 14.25, true, false, kStandard, kStandard, Centre,
     Middle, "Calculate", Command::Calculate, kNone, "Calculate"},
    {"Label5", Label, {240, 7200, 2415, 495}, 12, false, false, kStandard, kStandard, Centre, Top,
     "Free Recoil Energy  Calculated (LbFt)", kNone, kNone, "", 0, 80},
    {"txtCaluc", LockedTextBox, {240, 7800, 2415, 375}, 12, false, false, kBlue, kStandard, Left,
     Middle, "", kNone, LoadField::Recoil, "Free Recoil Energy Calculated (LbFt)"},
    {"cmdClear", Button, {240, 9480, 2535, 495}, 12, true, false, kStandard, kStandard, Centre,
     Middle, "Clear All", Command::ClearAll, kNone, "Clear All"},
    {"Label6", Label, {240, 4680, 375, 615}, 48, false, false, kRed, kStandard, Left, Top, "*",
     kNone, kNone, ""},
    {"Label7", Label, {720, 4680, 1935, 735}, 9.75, false, false, kRed, kStandard, Left, Top,
     "NOTE: All Input Fields Must Be Completed For Calculation.", kNone, kNone, "", 0, 100, -0.1},
    {"Label8", Label, {120, 960, 375, 495}, 24, false, false, kRed, kStandard, Left, Top, "*",
     kNone, kNone, ""},
    {"Label9", Label, {120, 2040, 375, 495}, 24, false, false, kRed, kStandard, Left, Top, "*",
     kNone, kNone, ""},
    {"Label10", Label, {120, 3120, 375, 495}, 24, false, false, kRed, kStandard, Left, Top, "*",
     kNone, kNone, ""},
    {"Label11", Label, {120, 4200, 375, 495}, 24, false, false, kRed, kStandard, Left, Top, "*",
     kNone, kNone, ""},
    {"Label12", Label, {240, 8280, 2415, 615}, 12, false, false, kStandard, kStandard, Centre,
     Middle, "Muzzle Energy Calculated (LbFt)", kNone, kNone, ""},
    {"txtEnergy", LockedTextBox, {240, 8880, 2415, 375}, 12, false, false, kBlue, kStandard, Left,
     Middle, "", kNone, LoadField::Energy, "Muzzle Energy Calculated (LbFt)"},
    {"Label13", Label, {2228, 120, 3855, 375}, 14.25, false, true, kBlue, kStandard, Centre, Top,
     "For Basic Rifle Loads", kNone, kNone, ""},
    {"txtCalib", TextBox, {240, 6120, 2415, 405}, 12, false, false, kStandard, kStandard, Left,
     Middle, "", kNone, LoadField::Caliber, "Cartridge Caliber"},
    {"Label14", Label, {240, 5760, 2415, 255}, 12, false, false, kStandard, kStandard, Centre,
     Bottom, "Cartridge Caliber", kNone, kNone, ""},
    {"List1", ListBox, {3240, 960, 4695, 2760}, 12, false, false, kStandard, kStandard, Left, Top,
     "", kNone, kNone, "Load List"},
    {"cmdPopulate", Button, {3240, 3840, 1815, 495}, 12, false, false, kStandard, kStandard, Centre,
     Middle, "Populate List", Command::PopulateList, kNone, "Populate List"},
    {"cmdSave", Button, {6120, 3840, 1815, 495}, 12, false, false, kStandard, kStandard, Centre,
     Middle, "Save Data", Command::SaveData, kNone, "Save Data"},
    {"Text1", HelpPanel, {3240, 4440, 4815, 1935}, 9.75, false, false, kPanelText, kLightGrey,
     Left, Top, kHelpText, kNone, kNone, "Help: Populate List and Save Data"},
    {"Text2", HelpPanel, {3240, 6480, 4815, 735}, 12, true, false, kPanelText, kLightGrey, Left,
     Top, "Notepad will open minimized in the lower taskbar. ", kNone, kNone,
     "Note: Notepad will open minimized"},
}};
// clang-format on

}  // namespace tolbrek
