#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "load_list.h"
#include "resource_ids.h"
#include "window_design.h"

// The controls' ids: the design names each control, resource_ids.h numbers
// it. The compiler holds the two together, so a control the design adds
// without an id, a misspelt name or an id given twice does not build.
namespace tolbrek {

struct NamedControlId {
    std::string_view name;
    int id;
};

// clang-format off
inline constexpr std::array<NamedControlId, 28> kControlIds = {{
    {"Label1", IDC_LABEL1},
    {"txtBulwt", IDC_TXTBULWT},
    {"Label2", IDC_LABEL2},
    {"txtPdrchg", IDC_TXTPDRCHG},
    {"Label3", IDC_LABEL3},
    {"txtVel", IDC_TXTVEL},
    {"Label4", IDC_LABEL4},
    {"txtGunwt", IDC_TXTGUNWT},
    {"cmdCalc", IDC_CMDCALC},
    {"Label5", IDC_LABEL5},
    {"txtCaluc", IDC_TXTCALUC},
    {"cmdClear", IDC_CMDCLEAR},
    {"Label6", IDC_LABEL6},
    {"Label7", IDC_LABEL7},
    {"Label8", IDC_LABEL8},
    {"Label9", IDC_LABEL9},
    {"Label10", IDC_LABEL10},
    {"Label11", IDC_LABEL11},
    {"Label12", IDC_LABEL12},
    {"txtEnergy", IDC_TXTENERGY},
    {"Label13", IDC_LABEL13},
    {"txtCalib", IDC_TXTCALIB},
    {"Label14", IDC_LABEL14},
    {"List1", IDC_LIST1},
    {"cmdPopulate", IDC_CMDPOPULATE},
    {"cmdSave", IDC_CMDSAVE},
    {"Text1", IDC_TEXT1},
    {"Text2", IDC_TEXT2},
}};
// clang-format on

// The id of the design's control of this name; 0 where there is none. Only
// for the compiler: at run time a control is found by its id or its place
// in the design, never by a name.
consteval int ControlIdOf(std::string_view name)
{
    for (const NamedControlId& control : kControlIds) {
        if (control.name == name) return control.id;
    }
    return 0;
}

// The ids in the design's order.
consteval std::array<int, kWindowDesign.size()> IdsInDesignOrder()
{
    std::array<int, kWindowDesign.size()> ids{};
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        ids[index] = ControlIdOf(kWindowDesign[index].name);
    }
    return ids;
}
inline constexpr std::array<int, kWindowDesign.size()> kIdsInDesignOrder = IdsInDesignOrder();

constexpr int ControlId(std::size_t designIndex)
{
    return kIdsInDesignOrder[designIndex];
}

// The design index of a control id, if it is one of the 28.
constexpr std::optional<std::size_t> DesignIndexOf(int controlId)
{
    for (std::size_t index = 0; index < kIdsInDesignOrder.size(); ++index) {
        if (kIdsInDesignOrder[index] == controlId) return index;
    }
    return std::nullopt;
}

// The id of the text box that holds a field; 0 where none does.
constexpr int ControlId(LoadField field)
{
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        if (kWindowDesign[index].field == field) return ControlId(index);
    }
    return 0;
}

static_assert(kControlIds.size() == kWindowDesign.size());
static_assert(
    [] {
        for (std::size_t index = 0; index < kIdsInDesignOrder.size(); ++index) {
            const int id = kIdsInDesignOrder[index];
            if (id == 0 || id == IDOK || id == IDCANCEL) return false;
            for (std::size_t other = 0; other < index; ++other) {
                if (kIdsInDesignOrder[other] == id) return false;
            }
        }
        return true;
    }(),
    "every control of the design needs an id of its own, neither IDOK nor IDCANCEL");
static_assert(
    [] {
        for (const LoadField field :
             {LoadField::Bullet, LoadField::Powder, LoadField::Velocity, LoadField::Gun,
              LoadField::Caliber, LoadField::Recoil, LoadField::Energy}) {
            if (ControlId(field) == 0) return false;
        }
        return true;
    }(),
    "every field needs its text box");

}  // namespace tolbrek
