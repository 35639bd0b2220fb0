#include "road/wall_kinds.h"

namespace vontra {
namespace {

// Image, group, placement, lane base, fixed X, verge side, shot-proof, explosion class, bonus code,
// hit points, same direction.
constexpr WallKindInfo kKinds[kWallKinds] = {
    {"Gun", WallGroup::kBonus, WallPlacement::kLane8, 7, 0, 0, false, 1, 0, 0, false},
    {"Engine", WallGroup::kBonus, WallPlacement::kLane8, 7, 0, 0, false, 1, 1, 0, false},
    {"Shield", WallGroup::kBonus, WallPlacement::kLane8, 7, 0, 0, false, 1, 2, 0, false},
    {"Energy", WallGroup::kBonus, WallPlacement::kLane8, 7, 0, 0, false, 1, 7, 0, false},
    {"Gun2", WallGroup::kBonus, WallPlacement::kLane8, 7, 0, 0, false, 1, 3, 0, false},
    {"Rockets", WallGroup::kBonus, WallPlacement::kLane8, 7, 0, 0, false, 1, 4, 0, false},
    {"Rockets2", WallGroup::kBonus, WallPlacement::kLane8, 7, 0, 0, false, 1, 5, 0, false},
    {"MegaBomb", WallGroup::kBonus, WallPlacement::kLane8, 7, 0, 0, false, 1, 6, 0, false},
    {"Crack", WallGroup::kObstacle, WallPlacement::kLane8, 4, 0, 0, true, 1, -1, 0, false},
    {"WaterSmall", WallGroup::kObstacle, WallPlacement::kLane8, 1, 0, 0, true, 1, -1, 0, false},
    {"StonesSmall", WallGroup::kObstacle, WallPlacement::kLane8, 4, 0, 0, true, 1, -1, 0, false},
    {"SpikesBig", WallGroup::kObstacle, WallPlacement::kLane4, -1, 0, 0, true, 1, -1, 0, false},
    {"SpikesSmall", WallGroup::kObstacle, WallPlacement::kLane8, -2, 0, 0, true, 1, -1, 0, false},
    {"WallSmall", WallGroup::kObstacle, WallPlacement::kLane8, 1, 0, 0, false, 1, -1, 0, false},
    {"FenseLeft", WallGroup::kRoadside, WallPlacement::kVerge, 0, 0, 0, true, 0, -1, 0, false},
    {"FenseRight", WallGroup::kRoadside, WallPlacement::kVerge, 0, 0, 0, true, 0, -1, 0, false},
    {"SignLeftBlue", WallGroup::kRoadside, WallPlacement::kVerge, 0, 0, 2, true, 0, -1, 0, false},
    {"SignLeftRed", WallGroup::kRoadside, WallPlacement::kVerge, 0, 0, 2, true, 0, -1, 0, false},
    {"SignRightBlue", WallGroup::kRoadside, WallPlacement::kVerge, 0, 0, 3, true, 0, -1, 0, false},
    {"SignRightRed", WallGroup::kRoadside, WallPlacement::kVerge, 0, 0, 3, true, 0, -1, 0, false},
    {"BushLeft", WallGroup::kRoadside, WallPlacement::kFixed, 0, 128, 0, true, 0, -1, 0, false},
    {"BushRight", WallGroup::kRoadside, WallPlacement::kFixed, 0, 621, 0, true, 0, -1, 0, false},
    {"CarLeft", WallGroup::kRoadside, WallPlacement::kFixed, 0, 125, 0, true, 0, -1, 0, false},
    {"CarRight", WallGroup::kRoadside, WallPlacement::kFixed, 0, 615, 0, true, 0, -1, 0, false},
    {"", WallGroup::kNone, WallPlacement::kNone, 0, 0, 0, false, 0, -1, 0, false},
    {"", WallGroup::kNone, WallPlacement::kNone, 0, 0, 0, false, 0, -1, 0, false},
    {"Car5", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, true},
    {"Car5_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, false},
    {"Car6", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 10, true},
    {"Car6_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 10, false},
    {"Car7", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, true},
    {"Car7_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, false},
    {"Car8", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, true},
    {"Car8_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, false},
    {"Car9", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, true},
    {"Car9_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, false},
    {"Car10", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 30, true},
    {"Car10_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 30, false},
    {"Car11", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, true},
    {"Car11_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, false},
    {"Car12", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 10, true},
    {"Car12_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 10, false},
    {"Car13", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, true},
    {"Car13_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, false},
    {"Car14", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, true},
    {"Car14_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, false},
    {"Car15", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, true},
    {"Car15_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 20, false},
    {"Car16", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 30, true},
    {"Car16_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 30, false},
    {"Car17", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 30, true},
    {"Car17_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 30, false},
    {"Car18", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 30, true},
    {"Car18_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 30, false},
    {"Car19", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 30, true},
    {"Car19_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 30, false},
    {"Car20", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 30, true},
    {"Car20_Inv", WallGroup::kCar, WallPlacement::kLane8, 1, 0, 0, false, 2, -1, 30, false},
    {"FinishLine", WallGroup::kFinish, WallPlacement::kFixed, 0, 167, 0, true, 0, -1, 0, false},
};

}  // namespace

const WallKindInfo& WallKind(uint8_t kind) {
  return kKinds[kind < kWallKinds ? kind : 24];
}

}  // namespace vontra
