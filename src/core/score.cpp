#include "core/score.h"

#include "app/common_textures.h"

int32_t BaseScore = 0;
int32_t HighScoreTable[kFieldCount] = {};
Texture* BonusTextTexture = nullptr;
int32_t HitsTakenCount = 0;
int32_t ResultPending = 0;
int32_t ResultField = 0;

void ResetResult() {}
void ComputeResultScore() {}
void DrawResult() {}
void SaveHighScore(int32_t) {}
int32_t UpdateFieldScript() { return 0; }
Texture* ResultTexture = nullptr;
Texture* ResultNumberTexture = nullptr;

bool LoadResultTextures() {
    ResultTexture = LoadTexture("Texture/Result/result.png", 512, 720, 0);
    if (ResultTexture == nullptr) return false;
    ResultNumberTexture = LoadTexture("Texture/Result/result_number.png", 384, 32, 0);
    return ResultNumberTexture != nullptr;
}

bool LoadBonusAndHighScores() {
    BonusTextTexture = LoadTexture("Texture/ScoreBonus/bonus_text.png", 704, 64, 0);
    return BonusTextTexture != nullptr;
}
