#pragma once
// What the soak checks after every frame, and what it counts on the way.
#include <cstdint>
#include <string>

#include "core/score.h"
#include "support/pool_census.h"

class Game;

class SoakChecks {
public:
    // After a frame of `game`, whose scene before the frame was `sceneBefore`.
    // Returns an empty string while everything holds, else what broke:
    // a pool holding more than its size or an unsound enemy draw list, a live
    // object at a NaN or infinite position, a pool not empty once a field is
    // over, a high-score file that does not parse, does not hold the best
    // scores in memory, or lost a best score, or a field's timeline that
    // has stood still for kStandstillFrames while the knight was untouchable
    // and its holding boss lost less than a tenth of its HP.
    std::string AfterFrame(const Game& game, int32_t sceneBefore);

    // The report: frames per scene, scenes entered, fields by difficulty,
    // clears and falls, endings, the longest standstill of a timeline, the
    // pools' peaks and the best scores.
    void Print() const;
    // Empty when every scene (but quit) and every field was entered; else
    // names the first that was not.
    std::string FirstUnvisited() const;

    // Scene codes run 1..6.
    static constexpr int kSceneSlots = 7;
    // Ten minutes of play in which the holding boss loses less than a tenth
    // of its HP: a boss out of the knight's reach holds the timeline for good.
    static constexpr long kStandstillFrames = 36000;

private:
    std::string CheckPools(const testsupport::PoolCensus& census);
    std::string CheckHighScoreFile();
    void CountSceneChange(int32_t from, int32_t to);
    std::string CheckProgress(int32_t scene);

    // The current field's counter and for how many frames after the first
    // it has stood at that value with the knight untouchable, and the HP of
    // its holder when the stretch began (field 0: not in such a stretch).
    struct Standstill {
        int32_t field = 0;
        int32_t counter = 0;
        long frames = 0;
        int32_t startHp = 0;
    };
    Standstill standstill_;
    Standstill longestStandstill_;

    long sceneFrames_[kSceneSlots] = {};
    long sceneEntries_[kSceneSlots] = {0, 1};  // the run starts on the title
    long fieldEntries_[6][4] = {};  // [field 1..5][difficulty 1..3]
    long fieldsCleared_ = 0;
    long knightFalls_ = 0;
    bool resultShown_ = false;  // in the field being played
    bool knightFell_ = false;
    int peak_[testsupport::kPoolCount] = {};
    int32_t bestScores_[kFieldCount] = {};
};
