#include <gtest/gtest.h>

#include "player/my_car_sprite.h"
#include "support/race_world.h"

namespace vontra {
namespace {

RaceWorld::Options Quiet(int frameRate = 85) {
  RaceWorld::Options options;
  options.FrameRate = frameRate;
  options.Spawn = false;
  options.Draw = false;
  return options;
}

TEST(CarDriving, AcceleratesByThreeHundredthsUntilPastTopSpeed) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  int rising = 0;
  world.Step({.Accelerate = true});  // the first frame hands the input to the car
  for (int frame = 0; frame < 700; ++frame) {
    const double before = car.Speed;
    world.Step({.Accelerate = true});
    if (car.Speed > before) ++rising;
  }
  EXPECT_EQ(rising, 596);
  // The last step is not clipped to the top speed.
  EXPECT_NEAR(car.Speed, 17.88, 1e-9);
  EXPECT_GT(car.Speed, kCarMaxSpeed);
}

TEST(CarDriving, SteeringFollowsSpeedUpToFourPixels) {
  struct Case {
    double speed;
    bool left;
    double lateral;
  };
  const Case cases[] = {
      {kCarMaxSpeed, true, -4.0}, {8.0, true, -2.0}, {0.0, true, 0.0},
      {kCarMaxSpeed, false, 4.0}, {8.0, false, 2.0}, {kTurboMaxSpeed, false, 4.0},
      {2.0, false, 0.5},
  };
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  for (const Case& c : cases) {
    car.Speed = c.speed;
    car.Lateral = 0;
    c.left ? car.SteerLeft() : car.SteerRight();
    EXPECT_DOUBLE_EQ(car.Lateral, c.lateral) << "speed " << c.speed << " left " << c.left;
  }
  car.ControlsOn = false;
  car.Speed = 8;
  car.Lateral = 0;
  car.SteerLeft();
  EXPECT_EQ(car.Lateral, 0.0) << "no steering without controls";
}

TEST(CarDriving, ReleasingTheKeysStopsSidewaysMotionExceptWhileSkidding) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.Speed = 8;
  car.Lateral = 0;
  // The race frame hands the keys to the car at its end, for the next move.
  world.Step({.Left = true});
  world.Step({.Left = true});
  EXPECT_DOUBLE_EQ(car.Lateral, -2.0);
  world.Step();
  world.Step();
  EXPECT_EQ(car.Lateral, 0.0);
  const double x = car.X;
  world.Step();
  EXPECT_EQ(car.X, x);

  car.SpeedMode = SpeedModes::kSkidRight;
  car.TargetSpeed = 4;
  car.ModeTimerMs = 700;
  world.Step();
  EXPECT_GT(car.Lateral, 0.0) << "a skid pushes the car on without a key";
}

TEST(CarDriving, StaysBetweenTheRoadEdgesAtAnyFrameRate) {
  for (int rate : {30, 60, 85, 144}) {
    RaceWorld world(Quiet(rate));
    TMyCarSprite& car = world.Car();
    car.Speed = kCarMaxSpeed;
    world.Run(400, {.Left = true});
    EXPECT_EQ(car.X, 167.0) << rate;
    world.Run(400, {.Right = true});
    EXPECT_EQ(car.X + car.Width, 620.0) << rate;
  }
}

TEST(CarDriving, BrakeStopsBelowOneTenth) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.Speed = 0.12;
  car.Brake();
  EXPECT_NEAR(car.Speed, 0.08, 1e-12);
  car.Brake();
  EXPECT_EQ(car.Speed, 0.0);
}

TEST(CarDriving, SpikesBrakeToTargetAndIgnoreTheAcceleratorUntilTheTimerEnds) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.Speed = 10;
  car.SpeedMode = SpeedModes::kSpikes;
  car.TargetSpeed = 25.0 / 7.0;
  car.ModeTimerMs = 5000;
  // Braking, not slowing down: 0.04 a frame.
  world.Step({.Accelerate = true});
  EXPECT_NEAR(car.Speed, 10 - 0.04, 1e-12);
  world.Run(200, {.Accelerate = true});
  EXPECT_LE(car.Speed, 25.0 / 7.0);
  EXPECT_EQ(car.SpeedMode, SpeedModes::kSpikes);
  // 5000 ms at 12 ms a frame.
  world.Run(230, {.Accelerate = true});
  EXPECT_EQ(car.SpeedMode, SpeedModes::kNone);
  world.Run(10, {.Accelerate = true});
  EXPECT_GT(car.Speed, 25.0 / 7.0) << "the accelerator works again";
}

TEST(CarDriving, SlowingToATargetEndsTheMode) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.Speed = 12;
  car.SpeedMode = SpeedModes::kDownToTarget;
  car.TargetSpeed = 6;
  world.Step();
  EXPECT_NEAR(car.Speed, 12 - 0.12, 1e-12);
  world.Run(60);
  EXPECT_EQ(car.SpeedMode, SpeedModes::kNone);
  EXPECT_LE(car.Speed, 6.0);
  EXPECT_GT(car.Speed, 6.0 - 0.12);
}

TEST(CarDriving, FinishedCarBrakesToAStopAndHandsOverToTheTimeBonus) {
  RaceWorld world(Quiet());
  TMyCarSprite& car = world.Car();
  car.Speed = 10;
  car.State = CarStates::kFinished;
  car.Finished = true;
  car.SpeedMode = SpeedModes::kDownToTarget;
  car.TargetSpeed = 0;
  car.AccelerateInput = true;
  for (int frame = 0; frame < 100 && !car.Stopped; ++frame) world.MovePass();
  EXPECT_EQ(car.Speed, 0.0);
  EXPECT_TRUE(car.Stopped);
  EXPECT_FALSE(car.ControlsOn);
  world.MovePass();
  EXPECT_EQ(car.Speed, 0.0) << "the accelerator does nothing after the finish";
}

TEST(CarDriving, DistanceAndSpawnDistanceFollowTheStep) {
  RaceWorld world(Quiet(60));
  TMyCarSprite& car = world.Car();
  car.Speed = 10;
  world.Run(10);
  EXPECT_NEAR(car.Step, 10 * 85.0 / 60.0, 1e-12);
  EXPECT_NEAR(car.Distance, 10 * car.Step / 4, 1e-9);
  EXPECT_NEAR(world.Form().SpawnDistance, 10 * car.Step, 1e-9);
}

}  // namespace
}  // namespace vontra
