#include "core/score.h"

#include <cstdint>

#include "core/field_globals.h"
#include "core/item.h"
#include "core/saturate.h"

int32_t BaseScore = 0;
int32_t HitsTakenCount = 0;

int32_t GetBaseScore() { return BaseScore; }
void SetBaseScore(int32_t value) { BaseScore = value; }
int32_t GetCurrentField() { return CurrentField; }

int32_t NoHitBonus(int32_t fieldId, int32_t hitsTaken) {
    int32_t bonus = 0;
    switch (fieldId) {
        case 1:
        case 2: bonus = 50000; break;
        case 3:
        case 4: bonus = 100000; break;
        case 5: bonus = 150000; break;
        default: return -1;
    }
    return hitsTaken != 0 ? 0 : bonus;
}

int32_t ItemScore() {
    return SaturateToInt32(10 * static_cast<int64_t>(CoinCount) + 20 * static_cast<int64_t>(ExpItemCount) +
                   100 * static_cast<int64_t>(BigCoinCount) + 200 * static_cast<int64_t>(BigExpItemCount));
}

int32_t FieldTotal(int32_t bonus) {
    return SaturateToInt32(static_cast<int64_t>(BaseScore) + ItemScore() + bonus);
}
