#pragma once
// What the two mushrooms, DayMushroom (species 11) and NightMushroom (species
// 16), share: one frame, the ride on the ground, the volley routines with
// the species' two colours, the death and the draw (in canyon_draws.cpp).
#include <cstdint>

#include "species/canyon/ground_turret.h"

// A mushroom's colours and side angles.
struct MushroomLooks {
    BulletLook centre;         // the centre bullets and the stream
    BulletLook side;           // the side bullets
    float sideAngle[3] = {};   // the side bullets' angle off the aim in the route-1, -2 and -3 volleys
};

class Mushroom : public virtual GroundTurret {
public:
    // The mushroom draw: the 64 x 64 cell at the sheet's top left, scale 2.
    void DrawDayNightMushroom();

protected:
    // One frame: the death (a small burst and a ring), or moveAndFire() and
    // the removal 200 pixels outside the playfield.
    template <class MoveAndFire>
    void RunMushroomFrame(MoveAndFire&& moveAndFire) {
        if (status.hp < 1) {
            DieMushroom();
            return;
        }
        moveAndFire();
        RemoveWhenOutside(kMushroomMargin);
    }
    // Paths 0 and 1 ride the ground; then the routine of the grade and route.
    template <class Species>
    void RideAndFire(Species& self, const TurretRoutines<Species>& routines) {
        RideGround(variant == 0 || variant == 1);
        FireTurretRoutine(self, routines);
    }
    // The route-1 and route-3 routines: path 0 only, every 60 / 45 / 30 shot
    // counts an aimed centre bullet at speed 8, then the side pair at -W, +W.
    void FireMushroomVolley(const MushroomLooks& looks, int32_t routeIndex);
    // The route-2 routine: path 0 the volley with a second centre bullet at
    // speed 5; path 1 the stream.
    void FireMushroomRoute2(const MushroomLooks& looks);

private:
    static constexpr float kMushroomMargin = 200.0f;
    void DieMushroom();
    // Path 1 of route 2: a 41-count cycle that latches the aim at count 0 and
    // sends 5, 8 or 10 bullets down that line, each slower than the last.
    void FireMushroomStream(const MushroomLooks& looks);
    void FireCentreAndSides(const MushroomLooks& looks, int32_t routeIndex, int32_t centres);
    // Every shot leaves from (x, y - 10).
    Muzzle MushroomMuzzle() const { return Offset(0.0f, -10.0f); }
};
