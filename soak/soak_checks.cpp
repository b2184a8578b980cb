#include "soak_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/game.h"
#include "core/field_globals.h"
#include "core/high_score.h"
#include "core/player.h"
#include "core/result.h"
#include "enemy/enemy.h"
#include "enemy/enemy_ids.h"
#include "field/field_dispatch.h"
#include "field/field_state.h"
#include "support/high_score_file.h"

using testsupport::PoolCensus;

std::string SoakChecks::CheckPools(const PoolCensus& census) {
    for (int pool = 0; pool < testsupport::kPoolCount; ++pool) {
        const int live = census.live[pool];
        if (live > testsupport::PoolSize(pool))
            return std::string(testsupport::PoolName(pool)) + " hold " + std::to_string(live) + " of " +
                   std::to_string(testsupport::PoolSize(pool));
        if (live > peak_[pool]) peak_[pool] = live;
    }
    std::string fault = testsupport::DrawListFault();
    if (fault.empty()) fault = testsupport::FirstNonFinitePosition();
    if (!fault.empty()) return fault + " (not finite or out of range)";
    return {};
}

namespace {

// The enemies that can hold a timeline's counter, by name.
const char* HolderName(int32_t species) {
    switch (species) {
        case kSpeciesBigButterFly: return "BigButterFly";
        case kSpeciesScorpion: return "Scorpion";
        case kSpeciesBigMoth: return "BigMoth";
        case kSpeciesSpider: return "Spider";
        case kSpeciesEagle: return "Eagle";
        case kSpeciesBigDayRafflesia: return "BigDayRafflesia";
        case kSpeciesBat: return "Bat";
        case kSpeciesBigNightRafflesia: return "BigNightRafflesia";
        case kSpeciesBigElement: return "BigElement";
        case kSpeciesMagicStone: return "MagicStone";
        case kSpeciesGrandMagicStone: return "GrandMagicStone";
        default: return "an enemy";
    }
}

std::string DescribeHolder(int32_t slot) {
    if (slot < 0) return "no enemy holds it";
    const Enemy& e = EnemyPool[slot];
    char text[160];
    std::snprintf(text, sizeof text, "held by %s (species %d, slot %d) at (%.1f, %.1f) with %d HP",
                  HolderName(e.species), e.species, slot, static_cast<double>(e.x), static_cast<double>(e.y),
                  e.status.hp);
    return text;
}

}  // namespace

// A field whose counter stands still while the knight cannot be hurt waits
// for a boss nothing can reach; a knight who can be hurt ends such a field by
// falling, so his stretches are not counted. A holder that loses a tenth of
// its max HP within the stretch is being fought: a long fight, not a stuck
// one, so the stretch starts again (a boss out of the lances' reach loses at
// most the odd skill hit).
std::string SoakChecks::CheckProgress(int32_t scene) {
    const FieldState* state = scene == kScenePlay && ThePlayer.invincible != 0 ? FieldStateFor(CurrentField) : nullptr;
    if (state == nullptr) {
        standstill_ = Standstill{};
        return {};
    }
    const int32_t holder = FieldHolder(CurrentField);
    const int32_t holderHp = holder >= 0 ? EnemyPool[holder].status.hp : 0;
    const int32_t tenth = holder >= 0 ? EnemyPool[holder].status.maxHp / 10 : 0;
    const bool fought = holder >= 0 && standstill_.startHp - holderHp >= std::max(tenth, 1);
    if (CurrentField != standstill_.field || state->frame != standstill_.counter || fought) {
        standstill_ = Standstill{CurrentField, state->frame, 0, holderHp};
        return {};
    }
    ++standstill_.frames;
    if (standstill_.frames > longestStandstill_.frames) longestStandstill_ = standstill_;
    if (standstill_.frames < kStandstillFrames) return {};
    return "the timeline of field " + std::to_string(CurrentField) + " has stood at counter " +
           std::to_string(state->frame) + " for " + std::to_string(standstill_.frames) +
           " frames with the knight untouchable, " + DescribeHolder(holder);
}

std::string SoakChecks::CheckHighScoreFile() {
    int32_t onFile[kFieldCount] = {};
    std::string fault;
    switch (testsupport::ReadHighScoreFile(kHighScorePath, onFile, &fault)) {
        case testsupport::HighScoreFileState::kMalformed:
            return std::string("the high-score file does not parse: ") + fault;
        case testsupport::HighScoreFileState::kMissing:
            // No field has beaten a best of 0 yet.
            for (int32_t s : HighScoreTable)
                if (s != 0) return "the high-score file is gone while a best score is held";
            break;
        case testsupport::HighScoreFileState::kRead:
            for (int i = 0; i < kFieldCount; ++i)
                if (onFile[i] != HighScoreTable[i])
                    return "the high-score file holds " + std::to_string(onFile[i]) + " for field " +
                           std::to_string(i + 1) + ", the game " + std::to_string(HighScoreTable[i]);
            break;
    }
    for (int i = 0; i < kFieldCount; ++i) {
        if (HighScoreTable[i] < bestScores_[i])
            return "the best score of field " + std::to_string(i + 1) + " fell from " +
                   std::to_string(bestScores_[i]) + " to " + std::to_string(HighScoreTable[i]);
        bestScores_[i] = HighScoreTable[i];
    }
    return {};
}

void SoakChecks::CountSceneChange(int32_t from, int32_t to) {
    ++sceneEntries_[to];
    if (to == kScenePlay && CurrentField >= 1 && CurrentField <= 5 && Difficulty >= 1 && Difficulty <= 3)
        ++fieldEntries_[CurrentField][Difficulty];
    if (from != kScenePlay) return;
    // The field is over (the knight is already reset for the next): he fell,
    // or he saw the result through.
    if (knightFell_) {
        ++knightFalls_;
    } else if (resultShown_) {
        ++fieldsCleared_;
    }
    resultShown_ = false;
    knightFell_ = false;
}

std::string SoakChecks::AfterFrame(const Game& game, int32_t sceneBefore) {
    const int32_t scene = game.scene;
    if (scene < 1 || scene >= kSceneSlots || scene == kSceneQuit) return "the game is in scene " + std::to_string(scene);
    ++sceneFrames_[scene];
    if (scene == kScenePlay) {
        resultShown_ = resultShown_ || ResultPending == 1;
        knightFell_ = knightFell_ || ThePlayer.status.hp < 1;
    }
    if (scene != sceneBefore) CountSceneChange(sceneBefore, scene);
    const PoolCensus census = testsupport::TakePoolCensus();
    std::string fault = CheckPools(census);
    if (!fault.empty()) return fault;
    if (sceneBefore == kScenePlay && scene != kScenePlay) {
        for (int pool = 0; pool < testsupport::kPoolCount; ++pool)
            if (census.live[pool] != 0)
                return std::string(testsupport::PoolName(pool)) + " still hold " + std::to_string(census.live[pool]) +
                       " after the field";
    }
    fault = CheckProgress(scene);
    if (!fault.empty()) return fault;
    return CheckHighScoreFile();
}

std::string SoakChecks::FirstUnvisited() const {
    static constexpr const char* kSceneNames[kSceneSlots] = {"", "title", "field map", "play", "credits", "", "ending"};
    for (int32_t s : {kSceneTitle, kSceneFieldMap, kScenePlay, kSceneCredits, kSceneEnding})
        if (sceneFrames_[s] == 0) return std::string("the ") + kSceneNames[s];
    for (int field = 1; field <= 5; ++field) {
        long entries = 0;
        for (int d = 1; d <= 3; ++d) entries += fieldEntries_[field][d];
        if (entries == 0) return "field " + std::to_string(field);
    }
    return {};
}

void SoakChecks::Print() const {
    std::printf("frames by scene: title %ld, map %ld, play %ld, credits %ld, ending %ld\n", sceneFrames_[1],
                sceneFrames_[2], sceneFrames_[3], sceneFrames_[4], sceneFrames_[6]);
    std::printf("scenes entered:  title %ld, map %ld, play %ld, credits %ld, ending %ld\n", sceneEntries_[1],
                sceneEntries_[2], sceneEntries_[3], sceneEntries_[4], sceneEntries_[6]);
    std::printf("fields entered at difficulty 1/2/3:");
    for (int field = 1; field <= 5; ++field)
        std::printf("  %d: %ld/%ld/%ld", field, fieldEntries_[field][1], fieldEntries_[field][2],
                    fieldEntries_[field][3]);
    std::printf("\nfields cleared %ld, knight fallen %ld times\n", fieldsCleared_, knightFalls_);
    std::printf("longest standstill of a timeline with the knight untouchable: %ld frames", longestStandstill_.frames);
    if (longestStandstill_.frames > 0)
        std::printf(" (field %d at counter %d)", longestStandstill_.field, longestStandstill_.counter);
    std::printf("\n");
    std::printf("best scores: %d %d %d %d %d\n", bestScores_[0], bestScores_[1], bestScores_[2], bestScores_[3],
                bestScores_[4]);
    std::printf("pool peaks:");
    for (int pool = 0; pool < testsupport::kPoolCount; ++pool)
        std::printf("%s %s %d/%d", pool == 0 ? "" : ",", testsupport::PoolName(pool), peak_[pool],
                    testsupport::PoolSize(pool));
    std::printf("\n");
}
